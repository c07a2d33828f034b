#pragma once
#include <string>

// The folder chooser's path rules, apart from the dialog.

// The folder to select when the chooser opens: at most 259 characters, and
// without a trailing "\" unless it is a drive root such as "C:\".
std::wstring FolderStartPath(const wchar_t* startPath);
// The chooser's answer as the callers want it: ending in exactly one "\",
// or "" when the chosen item has no file-system path.
std::wstring FolderResultPath(const wchar_t* shellPath);
