#include "gui/core/event_state.h"

ThreadEventState& CurrentEventState() {
  thread_local ThreadEventState state;
  return state;
}

void SetCurrentEventWindow(int window) { CurrentEventState().current.window = window; }
