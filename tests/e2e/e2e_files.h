#pragma once
#include <string>
#include <vector>

// What the end-to-end runs left on the disk. (Their files are written by
// support/sized_file.h, with content that shows a wrong, short or mixed-up
// copy.)

// True when both files exist and hold the same bytes.
bool SameBytes(const std::wstring& a, const std::wstring& b);
// Names in a folder, folders marked with a trailing backslash, sorted; the
// whole tree below it when recursive.
std::vector<std::wstring> FolderContents(const std::wstring& folder, bool recursive = true);
