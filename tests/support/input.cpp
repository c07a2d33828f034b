#include "support/input.h"

#include "support/find.h"
#include "support/read.h"
#include "support/wait.h"
#include "support/window_text.h"

namespace {

void SendKey(WORD virtualKey, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// Absolute mouse coordinates run over 0..65535 across the screen and the
// system takes pixel (value * screen size) / 65536: aiming at the pixel's
// centre makes that land on the pixel itself.
LONG Normalized(LONG pixel, int screenSize) {
  return static_cast<LONG>((pixel * 65536LL + 32768) / screenSize);
}

void LetForegroundCatchUp() {
  if (HWND foreground = GetForegroundWindow()) WaitIdle(foreground);
}

// Whether a click at this screen point reaches the window (or a child of it).
bool ReachesWindow(HWND window, POINT onScreen) {
  const HWND hit = WindowFromPoint(onScreen);
  return hit == window || IsChild(window, hit);
}

// Whether the window is the other's owner, or its owner's, and so on.
bool OwnsWindow(HWND owner, HWND owned) {
  for (HWND w = GetWindow(owned, GW_OWNER); w; w = GetWindow(w, GW_OWNER)) {
    if (w == owner) return true;
  }
  return false;
}

// A left click at a point of the window's client area.
void ClickClientPoint(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  const HWND root = GetAncestor(window, GA_ROOT);
  // Wine may raise an owner above the box it owns when the owner's activation
  // comes late (Windows keeps owned windows above their owner): the click
  // would land on the owner, so the box is put back on top first.
  WaitFor(
      [&] {
        if (ReachesWindow(window, p)) return true;
        if (!OwnsWindow(GetAncestor(WindowFromPoint(p), GA_ROOT), root)) return true;
        SetWindowPos(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        WaitIdle(root);
        return ReachesWindow(window, p);
      },
      3000);
  SendMouseInput(p, 0);
  SendMouseInput(p, MOUSEEVENTF_LEFTDOWN);
  SendMouseInput(p, MOUSEEVENTF_LEFTUP);
  WaitIdle(window);
  Sleep(30);
  WaitIdle(window);
}

}  // namespace

void SendKeyStroke(WORD virtualKey, WORD modifier) {
  if (modifier) SendKey(modifier, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  if (modifier) SendKey(modifier, true);
}

void SendMouseInput(POINT onScreen, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalized(onScreen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalized(onScreen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
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

void KeyStroke(WORD virtualKey, WORD modifier) {
  SendKeyStroke(virtualKey, modifier);
  // Input reaches the other thread's queue asynchronously; let it be handled
  // before the caller looks at the result.
  LetForegroundCatchUp();
  Sleep(15);
  LetForegroundCatchUp();
}

void KeyStrokes(WORD virtualKey, int times) {
  for (int i = 0; i < times; ++i) KeyStroke(virtualKey);
}

void TypeChars(const std::wstring& text) {
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
  LetForegroundCatchUp();
  Sleep(30);
}

void Click(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  ClickClientPoint(window, r.right / 2, r.bottom / 2);
}

void ClickListLine(HWND list, int index) {
  const LRESULT top = SendWithin(list, LB_GETTOPINDEX, 0, 0);
  const LRESULT height = SendWithin(list, LB_GETITEMHEIGHT, 0, 0);
  ClickClientPoint(list, 10, static_cast<int>((index - top) * height + height / 2));
}

bool ClickButton(HWND dialog, int id) {
  HWND button = FindDescendant(dialog, L"Button", id);
  if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
  ForegroundOf(GetAncestor(button, GA_ROOT));
  Click(button);
  return true;
}

bool ClickButtonAway(HWND dialog, int id) {
  const auto gone = [dialog] { return !IsWindow(dialog); };
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (gone()) return true;
    ClickButton(dialog, id);  // refused while the dialog is already closing
    if (WaitFor(gone, 5000)) return true;
  }
  return false;
}

bool PostButtonCommand(HWND dialog, int id) {
  HWND button = FindDescendant(dialog, nullptr, id);
  if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
  // Posted, so the dialog may close (and its thread return) while this thread
  // goes on.
  return PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != FALSE;
}

void PostKey(HWND dialog, UINT virtualKey) {
  HWND target = FocusedControl(dialog);
  if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | scan);
  PostMessageW(target, WM_KEYUP, virtualKey,
               1 | scan | (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31));
}

void SetEditText(HWND edit, const std::wstring& text) {
  SendWithin(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SendChars(HWND edit, const std::wstring& text) {
  for (wchar_t c : text) SendWithin(edit, WM_CHAR, c, 1);
}
