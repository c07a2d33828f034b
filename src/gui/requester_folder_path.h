#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// The folder chooser's path rules, apart from the dialog.

// The folder to select when the chooser opens: at most 259 characters, and
// without a trailing "\" unless it is a drive root such as "C:\".
std::wstring FolderStartPath(const wchar_t* startPath);
// The chooser's answer as the callers want it: ending in exactly one "\",
// or "" when the chosen item has no file-system path.
std::wstring FolderResultPath(const wchar_t* shellPath);

// The shell's sized path lookup of an item (SHGetPathFromIDListEx).
using ItemPathLookup = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, PWSTR, DWORD, GPFIDL_FLAGS);
// The item's file-system path through lookup, however long; "" when it has
// none.
std::wstring ItemPath(ItemPathLookup lookup, PCIDLIST_ABSOLUTE item);
