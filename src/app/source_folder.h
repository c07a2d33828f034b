#pragma once
#include <string>

// Ways to the source folder besides the browse button.

// Shows the folder at path in the source field the way the folder chooser
// gives it: absolute and ending in one "\". False, with the field left as it
// is, when path names no folder.
bool ShowSourceFolder(const std::wstring& path);
// The first argument of the program's command line becomes the source
// folder; one that names no folder gives a warning and leaves the source
// empty. Further arguments are ignored. A quote in the folder stands for the
// backslash that escaped it ("D:\Fotos\" as a batch file writes it).
void OpenSourceFromCommandLine(const wchar_t* commandLine);
