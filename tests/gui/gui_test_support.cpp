#include "gui_test_support.h"

#include <cstdio>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"

namespace {

bool IsLayerEvent(int code) {
  switch (code) {
    case EventMove: case EventSize: case EventRepaint: case EventClose: case EventGadget:
    case EventActivate: case EventMinimize: case EventMaximize: case EventRestore:
      return true;
    default:
      return false;
  }
}

// Where the test put the pointer. Every mouse input carries it: SetCursorPos
// under Wine reaches the display asynchronously, and a press must not land
// where the pointer was before.
POINT g_pointer = {0, 0};

void SendMouse(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = static_cast<LONG>((g_pointer.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = static_cast<LONG>((g_pointer.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
  SendInput(1, &input, sizeof(input));
}

}  // namespace

std::string Describe(const std::vector<SeenEvent>& events) {
  std::string text;
  for (const SeenEvent& e : events) {
    char one[64];
    std::snprintf(one, sizeof one, "(%d g%d w%d s%d) ", e.code, e.gadget, e.window, e.subtype);
    text += one;
  }
  return text.empty() ? "(none)" : text;
}

bool WaitForEvent(const std::function<bool(const SeenEvent&)>& match, DWORD timeoutMs,
                  std::vector<SeenEvent>* seen) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    const int code = WaitAppEvent(10);
    if (!IsLayerEvent(code)) continue;
    const SeenEvent e{code, EventGadgetNumber(), EventWindowNumber(), EventSubtype()};
    if (seen) seen->push_back(e);
    if (match(e)) return true;
  }
  return false;
}

std::vector<SeenEvent> CollectEvents(DWORD ms) {
  std::vector<SeenEvent> events;
  WaitForEvent([](const SeenEvent&) { return false; }, ms, &events);
  return events;
}

std::vector<int> GadgetSubtypes(int gadget, DWORD ms) {
  std::vector<int> subtypes;
  for (const SeenEvent& e : CollectEvents(ms)) {
    if (e.code == EventGadget && e.gadget == gadget) subtypes.push_back(e.subtype);
  }
  return subtypes;
}

int CountEvents(const std::vector<SeenEvent>& events, int code, int gadget, int window) {
  int count = 0;
  for (const SeenEvent& e : events) count += e.code == code && e.gadget == gadget && e.window == window;
  return count;
}

void DrainEvents() {
  while (PollAppEvent() != 0) {
  }
}

void MoveMouseTo(int x, int y) {
  g_pointer = {x, y};
  SendMouse(0);
}

void PressMouse() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void ReleaseMouse() { SendMouse(MOUSEEVENTF_LEFTUP); }

void ClickAt(POINT p) {
  MoveMouseTo(p.x, p.y);
  PressMouse();
  ReleaseMouse();
}

void PressKey(WORD vk, bool shift) {
  INPUT inputs[4] = {};
  UINT n = 0;
  auto key = [&](WORD code, DWORD flags) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n].ki.wVk = code;
    inputs[n++].ki.dwFlags = flags;
  };
  if (shift) key(VK_SHIFT, 0);
  key(vk, 0);
  key(vk, KEYEVENTF_KEYUP);
  if (shift) key(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(n, inputs, sizeof(INPUT));
}

POINT CentreOf(HWND hwnd) {
  const RECT r = WindowRect(hwnd);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void BringToFront(HWND hwnd) {
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  // Activation runs partly through the desktop process; wait until it is done.
  WaitForEvent([hwnd](const SeenEvent&) { return GetForegroundWindow() == hwnd; }, 300);
  DrainEvents();
}

RECT RectInParent(HWND control) {
  RECT r = WindowRect(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT WindowRect(HWND hwnd) {
  RECT r = {};
  GetWindowRect(hwnd, &r);
  return r;
}

void GadgetTest::SetUp() {
  DrainEvents();
  window_ = OpenAppWindow(0, 0, 0, 576, 422, L"Gadgets", 0x00CF0001, nullptr);
  ASSERT_NE(window_, nullptr);
  BringToFront(window_);
}

void GadgetTest::TearDown() {
  for (int n = 0; n < 4; ++n) CloseAppWindow(n);
  DrainEvents();
}
