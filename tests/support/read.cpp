#include "support/read.h"

#include <cwchar>

#include "support/find.h"
#include "support/wait.h"
#include "support/window_text.h"

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

BOOL CALLBACK CollectButton(HWND child, LPARAM data) {
  auto* buttons = reinterpret_cast<std::vector<ButtonInfo>*>(data);
  if (_wcsicmp(ClassNameOf(child).c_str(), L"Button") != 0 || !IsWindowVisible(child)) return TRUE;
  const LONG_PTR kind = GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
  if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON) return TRUE;
  buttons->push_back({GetDlgCtrlID(child), WindowText(child), IsWindowEnabled(child) != FALSE});
  return TRUE;
}

}  // namespace

std::vector<std::wstring> ListLines(HWND list) {
  return ItemTexts(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListSelection(HWND list) { return static_cast<int>(SendWithin(list, LB_GETCURSEL, 0, 0)); }

std::vector<std::wstring> ComboItems(HWND combo) {
  return ItemTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboSelection(HWND combo) { return static_cast<int>(SendWithin(combo, CB_GETCURSEL, 0, 0)); }

bool Checked(HWND button) { return (SendWithin(button, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0; }

std::wstring ReadEditText(HWND edit) { return WindowText(edit); }

std::pair<DWORD, DWORD> EditSelection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendWithin(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

std::wstring SettledText(HWND window, const std::wstring& expected) {
  return Settled([window] { return WindowText(window); }, expected);
}

std::vector<std::wstring> SettledLines(HWND list, const std::vector<std::wstring>& expected) {
  return Settled([list] { return ListLines(list); }, expected);
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

int FocusedGadget(HWND window) { return GetDlgCtrlID(FocusedControl(window)); }

RECT ClientRectOnScreen(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring DialogItemText(HWND dialog, int id) {
  HWND item = FindDescendant(dialog, nullptr, id);
  return item ? WindowText(item) : std::wstring();
}

std::wstring MessageBoxText(HWND box) { return DialogItemText(box, 0xFFFF); }

std::vector<ButtonInfo> DialogButtons(HWND dialog) {
  std::vector<ButtonInfo> buttons;
  EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&buttons));
  return buttons;
}

RECT ControlRect(HWND control) {
  RECT r = {};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG ControlFontHeight(HWND control) {
  LOGFONTW font = {};
  const auto handle = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
  return handle && GetObjectW(handle, sizeof font, &font) ? font.lfHeight : 0;
}
