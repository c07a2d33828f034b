#include "gui_test_support.h"

#include <cstdio>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "support/input.h"

namespace {

bool IsLayerEvent(int code) {
  for (int layer : {EventMove, EventSize, EventRepaint, EventClose, EventGadget, EventActivate,
                    EventMinimize, EventMaximize, EventRestore}) {
    if (code == layer) return true;
  }
  return false;
}

// Where the test put the pointer; every mouse input carries it, because
// under Wine a press must not land where an earlier move left the pointer.
POINT pointerAt = {0, 0};

void SendMouse(DWORD flags) { SendMouseInput(pointerAt, flags); }

}  // namespace

std::string Describe(const std::vector<SeenEvent>& events) {
  std::string text = events.empty() ? "(none)" : "";
  for (const SeenEvent& e : events) {
    char one[64];
    std::snprintf(one, sizeof one, "(%d g%d w%d s%d) ", e.code, e.gadget, e.window, e.subtype);
    text += one;
  }
  return text;
}

bool WaitForEvent(const std::function<bool(const SeenEvent&)>& match, DWORD timeoutMs,
                  std::vector<SeenEvent>* seen) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs;) {
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
  for (const SeenEvent& e : events)
    count += e.code == code && e.gadget == gadget && e.window == window;
  return count;
}

void DrainEvents() {
  while (PollAppEvent() != 0) {
  }
}

void MoveMouseTo(int x, int y) {
  pointerAt = {x, y};
  SendMouse(0);
}

void PressMouse() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void ReleaseMouse() { SendMouse(MOUSEEVENTF_LEFTUP); }

void ClickAt(POINT p) {
  MoveMouseTo(p.x, p.y);
  PressMouse();
  ReleaseMouse();
}

void BringToFront(HWND hwnd) {
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  // Activation runs partly through the desktop process; wait until it is done.
  WaitForEvent([hwnd](const SeenEvent&) { return GetForegroundWindow() == hwnd; }, 300);
  DrainEvents();
}

RECT WindowRect(HWND hwnd) {
  RECT r = {};
  GetWindowRect(hwnd, &r);
  return r;
}

void GadgetTest::SetUp() {
  DrainEvents();
  window_ = OpenAppWindow(0, 0, 0, 576, 422, L"Gadgets", WS_OVERLAPPEDWINDOW | WindowCentreOnScreen,
                          nullptr);
  ASSERT_NE(window_, nullptr);
  BringToFront(window_);
}

void GadgetTest::TearDown() {
  for (int n = 0; n < 4; ++n) CloseAppWindow(n);
  DrainEvents();
}
