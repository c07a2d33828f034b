#pragma once
#include <windows.h>

#include <deque>

// Per-thread event state behind the event queue and the wait.

struct AppEvent {
  int code, gadget, window, subtype;
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
  EventFields snapshot = {};  // what the event accessors read
  std::deque<AppEvent> queue;
};

ThreadEventState& CurrentEventState();
void SetCurrentEventWindow(int window);
