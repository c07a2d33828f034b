#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "gui/requester_folder_path.h"
#include "gui/requester_owner.h"
#include "gui/requesters.h"

namespace {

using BrowseForFolderFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
using PathFromIdListFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR);

// The chooser's entries, looked up by name in the shell module, which stays
// loaded while the object lives.
class Shell32Module {
 public:
  Shell32Module() : module_(LoadLibraryW(L"SHELL32.DLL")) {}
  ~Shell32Module() {
    if (module_) FreeLibrary(module_);
  }
  Shell32Module(const Shell32Module&) = delete;
  Shell32Module& operator=(const Shell32Module&) = delete;

  template <typename Fn>
  Fn Find(const char* name) const {
    if (!module_) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

// Every thread that opens the chooser needs COM, the packaging worker as much
// as the main thread; the call is balanced so the thread is left as it was.
class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

class ItemIdList {
 public:
  explicit ItemIdList(PIDLIST_ABSOLUTE list) : list_(list) {}
  ~ItemIdList() {
    if (list_) CoTaskMemFree(list_);
  }
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  PIDLIST_ABSOLUTE Get() const { return list_; }

 private:
  PIDLIST_ABSOLUTE list_;
};

int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) {
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  }
  return 0;
}

// The chosen item's file-system path, of any length; "" when it has none.
std::wstring ChosenPath(const Shell32Module& shell, PCIDLIST_ABSOLUTE item) {
  const auto sizedLookup = shell.Find<ItemPathLookup>("SHGetPathFromIDListEx");
  if (sizedLookup) return ItemPath(sizedLookup, item);
  // Systems without the sized form offer no more than MAX_PATH.
  const auto pathFromIdList = shell.Find<PathFromIdListFn>("SHGetPathFromIDListW");
  wchar_t path[MAX_PATH] = {};
  return pathFromIdList && pathFromIdList(item, path) ? path : L"";
}

}  // namespace

std::wstring RequestFolder(const wchar_t* title, const wchar_t* startPath) {
  const ComApartment com;
  const Shell32Module shell;
  const auto browse = shell.Find<BrowseForFolderFn>("SHBrowseForFolderW");
  if (!browse) return std::wstring();

  const std::wstring start = FolderStartPath(startPath);
  BROWSEINFOW info = {};
  info.hwndOwner = RequesterOwner();
  info.lpszTitle = title;
  info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  info.lpfn = SelectStartFolder;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());

  DisableThreadWindows();
  const ItemIdList chosen(browse(&info));
  EnableThreadWindows();
  if (!chosen.Get()) return std::wstring();

  return FolderResultPath(ChosenPath(shell, chosen.Get()).c_str());
}
