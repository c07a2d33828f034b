#include "support/folder_chooser.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>

#include "gui/toolbox/scoped.h"
#include "support/find.h"
#include "support/input.h"
#include "support/read.h"
#include "support/wait.h"
#include "support/window_text.h"

namespace {

// Memory in the chooser's process (which may be this one), for the tree's
// messages whose pointers the system does not copy between processes.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    constexpr DWORD Access = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
    process_.Reset(OpenProcess(Access, FALSE, processId));
    address_ = process_.Valid() ? VirtualAllocEx(process_.Get(), nullptr, size,
                                                 MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                                : nullptr;
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  void* Address() const { return address_; }
  bool Write(const void* data, size_t size) {
    return address_ && WriteProcessMemory(process_.Get(), address_, data, size, nullptr);
  }
  bool Read(void* data, size_t size, size_t offset) const {
    const char* from = static_cast<char*>(address_) + offset;
    return address_ && ReadProcessMemory(process_.Get(), from, data, size, nullptr);
  }

 private:
  ScopedHandle process_;
  void* address_;
};

// A folder's name as the chooser's tree shows it.
std::wstring ShellDisplayName(const std::wstring& path) {
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME))
    return std::wstring();
  return info.szDisplayName;
}

std::wstring LeafName(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos || path.size() <= 3 ? path : path.substr(slash + 1);
}

// The chooser may ignore a selection sent while it is still filling its tree,
// or stop at a parent folder: send again until the tree shows it.
bool SelectUntil(HWND chooser, WPARAM byPath, LPARAM selection, const std::wstring& shown,
                 const std::wstring& leaf, DWORD timeoutMs) {
  auto selected = [&] {
    const std::wstring now = FolderChooserSelection(chooser);
    return !now.empty() && (now == shown || _wcsicmp(now.c_str(), leaf.c_str()) == 0);
  };
  const DWORD start = GetTickCount();
  do {
    SendWithin(chooser, BFFM_SETSELECTIONW, byPath, selection);
    if (WaitFor(selected, 300)) return true;
  } while (GetTickCount() - start < timeoutMs);
  return false;
}

}  // namespace

HWND WaitForFolderChooser(DWORD processId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        found = FindProcessWindow(processId, L"#32770", nullptr);
        return found && FindDescendant(found, WC_TREEVIEWW) && FindDescendant(found, nullptr, IDOK);
      },
      timeoutMs);
  if (found) WaitIdle(found);
  return found;
}

std::wstring FolderChooserSelection(HWND chooser) {
  HWND tree = FindDescendant(chooser, WC_TREEVIEWW);
  if (!tree) return std::wstring();
  const LRESULT item = SendWithin(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
  if (!item) return std::wstring();
  // The tree writes the item into the chooser's own memory.
  constexpr size_t Chars = MAX_PATH;
  RemoteBuffer remote(chooser, sizeof(TVITEMW) + Chars * sizeof(wchar_t));
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT;
  tv.hItem = reinterpret_cast<HTREEITEM>(item);
  tv.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.Address()) + sizeof(TVITEMW));
  tv.cchTextMax = Chars;
  if (!remote.Write(&tv, sizeof tv)) return std::wstring();
  SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Address()));
  wchar_t text[Chars] = {};
  remote.Read(text, sizeof text - sizeof(wchar_t), sizeof(TVITEMW));
  return text;
}

bool SelectFolder(HWND chooser, const std::wstring& path, DWORD timeoutMs) {
  // The path must be readable in the chooser's process.
  const size_t bytes = (path.size() + 1) * sizeof(wchar_t);
  RemoteBuffer remote(chooser, bytes);
  remote.Write(path.c_str(), bytes);
  return SelectUntil(chooser, TRUE, reinterpret_cast<LPARAM>(remote.Address()),
                     ShellDisplayName(path), LeafName(path), timeoutMs);
}

bool ChooseFolder(HWND chooser, const std::wstring& path, DWORD timeoutMs) {
  const bool seen = SelectFolder(chooser, path, timeoutMs);
  // Windows takes a path typed into the edit field on OK; the selection above
  // covers choosers that ignore the field.
  if (HWND edit = FindDescendant(chooser, L"Edit")) SetEditText(edit, path);
  PostButtonCommand(chooser, IDOK);
  return seen;
}

void ChooseShellItem(HWND chooser, PCIDLIST_ABSOLUTE item) {
  SHFILEINFOW info = {};
  SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info,
                 SHGFI_PIDL | SHGFI_DISPLAYNAME);
  const std::wstring shown = info.szDisplayName;
  SelectUntil(chooser, FALSE, reinterpret_cast<LPARAM>(item), shown, std::wstring(), 5000);
  PostButtonCommand(chooser, IDOK);
}
