#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Files for the end-to-end runs: real content, so that comparing bytes shows
// a wrong, short or mixed-up file.

// Writes size bytes of a pattern that depends on seed and on the position,
// in chunks (for files of many megabytes).
bool WriteLargeFile(const std::wstring& path, int64_t size, unsigned seed);
// A file of size bytes whose first and last megabyte hold such a pattern and
// whose middle is a hole: big enough that copying it takes a while, cheap to
// make. A short or mixed-up copy still differs from it.
bool WriteHollowFile(const std::wstring& path, int64_t size, unsigned seed);
// True when both files exist and hold the same bytes.
bool SameBytes(const std::wstring& a, const std::wstring& b);
// Names in a folder, folders marked with a trailing backslash, sorted; the
// whole tree below it when recursive.
std::vector<std::wstring> FolderContents(const std::wstring& folder, bool recursive = true);
