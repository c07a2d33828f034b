#pragma once

// The first argument of the program's command line becomes the source
// folder; one that names no folder gives a warning and leaves the source
// empty. Further arguments are ignored. A quote in the folder stands for the
// backslash that escaped it ("D:\Fotos\" as a batch file writes it).
void OpenSourceFromCommandLine(const wchar_t* commandLine);
