#include "gui/core/event_queue.h"
#include "gui/core/event_state.h"
#include "gui/event_codes.h"
#include "gui/event_queue.h"

#include <utility>

void QueueAppEvent(int code, int gadget, int window, int subtype) {
  std::deque<AppEvent>& queue = CurrentEventState().queue;
  if (!queue.empty()) {
    const AppEvent& last = queue.back();
    if (last.code == code && last.gadget == gadget && last.window == window &&
        last.subtype == subtype) {
      return;
    }
  }
  queue.push_back(AppEvent{code, gadget, window, subtype, {}});
}

void QueueDropEvent(int window, std::vector<std::wstring> paths) {
  // Never merged: each drop carries its own paths.
  CurrentEventState().queue.push_back(AppEvent{EventFilesDropped, 0, window, 0, std::move(paths)});
}

void SetPendingGadgetEvent(int gadget, int subtype) {
  EventFields& current = CurrentEventState().current;
  current.pending = EventGadget;
  current.gadget = gadget;
  current.subtype = subtype;
}
