#include "e2e/remote_ui.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cwchar>

namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK VisitTopWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->processId || !IsWindowVisible(window)) return TRUE;
  if (search->className && ClassNameOf(window) != search->className) return TRUE;
  if (search->title && WindowText(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

struct ChildSearch {
  int id;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (search->id != -1 && GetDlgCtrlID(child) != search->id) return TRUE;
  if (search->className && _wcsicmp(ClassNameOf(child).c_str(), search->className) != 0) return TRUE;
  search->found = child;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

void SendKey(WORD virtualKey, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// Each event carries the position: a separate cursor move may reach the
// program after the button under Wine.
void SendMouseButton(POINT at, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((at.x * 65535LL + GetSystemMetrics(SM_CXSCREEN) / 2) /
                                  (GetSystemMetrics(SM_CXSCREEN) - 1));
  input.mi.dy = static_cast<LONG>((at.y * 65535LL + GetSystemMetrics(SM_CYSCREEN) / 2) /
                                  (GetSystemMetrics(SM_CYSCREEN) - 1));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

std::wstring LeafName(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos || path.size() <= 3 ? path : path.substr(slash + 1);
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
  WindowSearch search{processId, className, title, nullptr};
  EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindProcessWindow(processId, className, title)) != nullptr; },
          timeoutMs);
  return found;
}

void WaitIdle(HWND window) { SendWithin(window, WM_NULL, 0, 0); }

HWND Control(HWND parent, int id, const wchar_t* className) {
  ChildSearch search{id, className, nullptr};
  EnumChildWindows(parent, VisitChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ShowsText(HWND window, const std::wstring& text) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (WindowText(child) == text) return true;
  }
  return false;
}

namespace {

// The items of a list box or combo box, read with its own count, length and
// text messages (which Windows and Wine carry across processes).
std::vector<std::wstring> ItemTexts(HWND control, UINT countMessage, UINT lengthMessage,
                                    UINT textMessage) {
  std::vector<std::wstring> items;
  const LRESULT count = SendWithin(control, countMessage, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendWithin(control, lengthMessage, static_cast<WPARAM>(i), 0);
    std::wstring item(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendWithin(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item[0]));
    item.resize(wcslen(item.c_str()));
    items.push_back(item);
  }
  return items;
}

}  // namespace

std::vector<std::wstring> ListLines(HWND list) {
  return ItemTexts(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::wstring SettledText(HWND window, const std::wstring& expected) {
  return Settled([window] { return WindowText(window); }, expected);
}

std::vector<std::wstring> SettledLines(HWND list, const std::vector<std::wstring>& expected) {
  return Settled([list] { return ListLines(list); }, expected);
}

int ListSelection(HWND list) { return static_cast<int>(SendWithin(list, LB_GETCURSEL, 0, 0)); }

std::vector<std::wstring> ComboItems(HWND combo) {
  return ItemTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboSelection(HWND combo) { return static_cast<int>(SendWithin(combo, CB_GETCURSEL, 0, 0)); }

bool Checked(HWND button) { return (SendWithin(button, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0; }

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

RECT ClientRectOnScreen(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool ForegroundOf(HWND topLevel) {
  // Asked again while it is not in front: a window that was just shown may
  // take the activation a moment after the first request, as a user would
  // see before clicking again.
  return WaitFor(
      [topLevel] {
        if (GetForegroundWindow() == topLevel) return true;
        SetForegroundWindow(topLevel);
        WaitIdle(topLevel);
        return GetForegroundWindow() == topLevel;
      },
      3000);
}

void PressKeyWith(WORD modifier, WORD virtualKey) {
  if (modifier) SendKey(modifier, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  if (modifier) SendKey(modifier, true);
  // Input reaches the other thread's queue asynchronously; let it be handled
  // before the caller looks at the result.
  if (HWND foreground = GetForegroundWindow()) WaitIdle(foreground);
  Sleep(15);
  if (HWND foreground = GetForegroundWindow()) WaitIdle(foreground);
}

void PressKey(WORD virtualKey, bool shift) { PressKeyWith(shift ? VK_SHIFT : 0, virtualKey); }

void PressKeyTimes(WORD virtualKey, int times) {
  for (int i = 0; i < times; ++i) PressKey(virtualKey);
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& in : input) {
      in.type = INPUT_KEYBOARD;
      in.ki.wScan = c;
      in.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
  }
  if (HWND foreground = GetForegroundWindow()) WaitIdle(foreground);
  Sleep(30);
}

void ClickAt(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  SendMouseButton(p, 0);
  SendMouseButton(p, MOUSEEVENTF_LEFTDOWN);
  SendMouseButton(p, MOUSEEVENTF_LEFTUP);
  WaitIdle(window);
  Sleep(30);
  WaitIdle(window);
}

void Click(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  ClickAt(window, r.right / 2, r.bottom / 2);
}

void ClickListLine(HWND list, int index) {
  const LRESULT top = SendWithin(list, LB_GETTOPINDEX, 0, 0);
  const LRESULT height = SendWithin(list, LB_GETITEMHEIGHT, 0, 0);
  ClickAt(list, 10, static_cast<int>((index - top) * height + height / 2));
}

RemoteBuffer::RemoteBuffer(DWORD processId, size_t size)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId)),
      address_(process_ ? VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                         PAGE_READWRITE)
                        : nullptr) {}

RemoteBuffer::~RemoteBuffer() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool RemoteBuffer::Write(const void* data, size_t size, size_t offset) {
  return address_ && WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                                        nullptr);
}

bool RemoteBuffer::Read(void* data, size_t size, size_t offset) const {
  return address_ && ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                                       nullptr);
}

HWND WaitForFolderChooser(DWORD processId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        found = FindProcessWindow(processId, L"#32770", nullptr);
        return found && Control(found, -1, WC_TREEVIEWW) && Control(found, IDOK);
      },
      timeoutMs);
  if (found) WaitIdle(found);
  return found;
}

std::wstring ChooserSelection(HWND chooser) {
  HWND tree = Control(chooser, -1, WC_TREEVIEWW);
  if (!tree) return std::wstring();
  const LRESULT item = SendWithin(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
  if (!item) return std::wstring();
  DWORD processId = 0;
  GetWindowThreadProcessId(chooser, &processId);
  // The tree writes the item into the chooser's own memory.
  constexpr size_t kChars = MAX_PATH;
  RemoteBuffer remote(processId, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT;
  tv.hItem = reinterpret_cast<HTREEITEM>(item);
  tv.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.Address()) + sizeof(TVITEMW));
  tv.cchTextMax = kChars;
  if (!remote.Write(&tv, sizeof tv)) return std::wstring();
  SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Address()));
  wchar_t text[kChars] = {};
  remote.Read(text, sizeof text - sizeof(wchar_t), sizeof(TVITEMW));
  return text;
}

bool ChooseFolder(HWND chooser, const std::wstring& path) {
  DWORD processId = 0;
  GetWindowThreadProcessId(chooser, &processId);
  RemoteBuffer remote(processId, (path.size() + 1) * sizeof(wchar_t));
  remote.Write(path.c_str(), (path.size() + 1) * sizeof(wchar_t));
  SHFILEINFOW info = {};
  SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME);
  const std::wstring shown = info.szDisplayName;
  const std::wstring leaf = LeafName(path);
  auto selected = [&] {
    const std::wstring now = ChooserSelection(chooser);
    return !now.empty() && (now == shown || _wcsicmp(now.c_str(), leaf.c_str()) == 0);
  };
  // Wine's chooser ignores a path typed into its edit field and sometimes a
  // selection sent while it still fills its tree: send until the tree shows it.
  bool seen = false;
  const DWORD start = GetTickCount();
  do {
    SendWithin(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(remote.Address()));
    seen = WaitFor(selected, 300);
  } while (!seen && GetTickCount() - start < 5000);
  PressButton(chooser, IDOK);
  return seen;
}

bool CancelDialog(HWND dialog) { return PressButton(dialog, IDCANCEL); }

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        found = FindProcessWindow(processId, L"#32770", L"Bundelor");
        return found && GetDlgItem(found, 0xFFFF) && GetDlgItem(found, IDOK);
      },
      timeoutMs);
  if (found) WaitIdle(found);
  return found;
}

std::wstring MessageText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

bool PressButton(HWND dialog, int id) {
  HWND button = Control(dialog, id, L"Button");
  if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
  ForegroundOf(GetAncestor(button, GA_ROOT));
  Click(button);
  return true;
}
