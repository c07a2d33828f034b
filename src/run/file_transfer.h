#pragma once
#include <windows.h>

#include <string_view>

#include "run/run_state.h"

// Paths in these calls are the plain form with every name exactly as the
// source listing or the user gave it. They reach the platform in the long
// (\\?\) form, so a name that ends in a dot or a space is that file, not
// its twin without them.

// Creates the last level of the folder path; false when it could not (also
// when it exists already).
bool CreateFolder(std::wstring_view path);

// Creates the folder and every missing level of it below base (which exists
// or is created as the first level): folder is base followed by the levels.
void CreateFolderBelow(std::wstring_view base, std::wstring_view folder);

// Copies or moves one file as one synchronous call. A copy replaces a file
// at the target only when replace is set, and fails otherwise; a move never
// replaces. A move needs the source to be a file still: a folder that took
// its place is not moved. After a failed call no partial file is left at the
// target: what the call wrote is removed, but only while the source is still
// in place, and never a file that was there and was not to be replaced.
// The transfer of a file in hand ends within a chunk of the platform's when
// AbortRequested is set (then false, as for a failure).
bool TransferFile(TransferMode mode, std::wstring_view source, std::wstring_view target,
                  bool replace = false);

// The platform's copy (CopyFileExW), replaceable for tests where Wine cannot
// behave as Windows does: a source that cannot be read to its end, a
// progress routine asked between chunks. nullptr puts the platform's back.
using CopyCall = BOOL(WINAPI*)(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, LPVOID data,
                               LPBOOL cancel, DWORD flags);
void SetCopyCall(CopyCall call);
