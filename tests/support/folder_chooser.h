#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// The shell's folder chooser (a "#32770" holding a folder tree), of this or
// another process.

// Waits for the process's chooser, once its tree and OK button exist.
HWND WaitForFolderChooser(DWORD processId, DWORD timeoutMs = 10000);
// Text of the selected folder in its tree, "" when none.
std::wstring FolderChooserSelection(HWND chooser);
// Selects the folder and waits until the tree shows it, resending the
// selection when it is ignored; true when it was seen.
bool SelectFolder(HWND chooser, const std::wstring& path, DWORD timeoutMs = 5000);
// For a chooser of this process's other thread: selects the folder, puts its
// path in the edit field too, and posts OK (also when the selection was not
// seen; the result tells). True when seen.
bool ChooseFolder(HWND chooser, const std::wstring& path, DWORD timeoutMs = 5000);
// For a chooser of this process: selects a shell item by its identifier list
// and posts OK.
void ChooseShellItem(HWND chooser, PCIDLIST_ABSOLUTE item);
