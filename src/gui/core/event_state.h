#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

// Per-thread event state behind the event queue and the wait.

struct AppEvent {
  int code, gadget, window, subtype;
  std::vector<std::wstring> paths;  // of a drop
};

struct EventFields {
  int gadget;
  int window;
  int subtype;
  int pending;  // code set during a dispatch, returned by the running wait
  WPARAM wParam;
  LPARAM lParam;
};

struct ThreadEventState {
  EventFields current = {};
  EventFields snapshot = {};               // what the event accessors read
  std::vector<std::wstring> droppedPaths;  // of the event last returned
  std::deque<AppEvent> queue;
};

ThreadEventState& CurrentEventState();
void SetCurrentEventWindow(int window);
