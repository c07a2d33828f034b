#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "gui/requester_folder_path.h"
#include "gui/requesters.h"
#include "gui/requesters/requester_owner.h"
#include "gui/toolbox/scoped_shell.h"

namespace {

using BrowseForFolderFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
using PathFromIdListFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR);

int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) {
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  }
  return 0;
}

// The chosen item's file-system path, of any length; "" when it has none.
std::wstring ChosenPath(HMODULE shell, PCIDLIST_ABSOLUTE item) {
  const auto sizedLookup = FindExport<ItemPathLookup>(shell, "SHGetPathFromIDListEx");
  if (sizedLookup) return ItemPath(sizedLookup, item);
  // Systems without the sized form offer no more than MAX_PATH.
  const auto pathFromIdList = FindExport<PathFromIdListFn>(shell, "SHGetPathFromIDListW");
  wchar_t path[MAX_PATH] = {};
  return pathFromIdList && pathFromIdList(item, path) ? path : L"";
}

}  // namespace

std::wstring RequestFolder(const wchar_t* title, const wchar_t* startPath) {
  // Every thread that opens the chooser needs COM, the packaging worker as
  // much as the main thread. The chooser's entries are looked up by name in
  // the shell module, which stays loaded until the answer is read.
  const ComApartment com;
  const ScopedModule shell(LoadLibraryW(L"SHELL32.DLL"));
  const auto browse = FindExport<BrowseForFolderFn>(shell.Get(), "SHBrowseForFolderW");
  if (!browse) return std::wstring();

  const std::wstring start = FolderStartPath(startPath);
  BROWSEINFOW info = {};
  info.hwndOwner = RequesterOwner();
  info.lpszTitle = title;
  info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  info.lpfn = SelectStartFolder;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());

  DisableThreadWindows();
  const ScopedTaskMemory<PIDLIST_ABSOLUTE> chosen(browse(&info));
  EnableThreadWindows();
  if (!chosen.Get()) return std::wstring();

  return FolderResultPath(ChosenPath(shell.Get(), chosen.Get()).c_str());
}
