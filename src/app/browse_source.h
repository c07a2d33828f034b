#pragma once
#include <string>

// The source folder from the folder chooser or a drop.

// Handler of "Durchsuchen": the chosen folder becomes the source.
void BrowseSourceFolder();
// Of what was dropped on the main window, the first folder becomes the source.
void TakeDroppedSource();
// Shows the folder at path in the source field the way the folder chooser
// gives it: absolute and ending in one "\". False, with the field left as it
// is, when path names no folder.
bool ShowSourceFolder(const std::wstring& path);
