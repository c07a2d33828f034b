#include "gui/events.h"
#include "gui/core/event_state.h"
#include "gui/windows/focus.h"
#include "gui/windows/live_sizing.h"

#include <utility>

namespace {

// 0x1FF: keys, mouse, posted, timer, paint, sent and hot-key messages, and
// QS_ALLPOSTMESSAGE, which also wakes for a posted message that an earlier
// peek saw but did not take. Spelt out because QS_ALLINPUT differs with the
// headers' Windows version (raw input; touch and pointer bits that Windows 7
// does not know).
constexpr DWORD WakeMask = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER |
                           QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY | QS_ALLPOSTMESSAGE;
static_assert(WakeMask == 0x1FF, "the wait's wake mask");

// Takes one message of this thread; sent messages of other threads are served
// on the way. False when none arrived in time.
bool FetchMessage(int timeoutMs, MSG* msg) {
  if (timeoutMs == -1) return GetMessageW(msg, nullptr, 0, 0) != -1;
  if (PeekMessageW(msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) return true;
  if (timeoutMs == 0) return false;
  const DWORD woke =
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), WakeMask);
  if (woke == WAIT_TIMEOUT) return false;
  return PeekMessageW(msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD) != 0;
}

void Dispatch(MSG* msg) {
  if (LiveSizingTakesKey(*msg)) return;
  // Only keyboard messages can be accelerators; the choice costs a few calls.
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    HWND target = nullptr;
    const HACCEL accelerators = ChooseAccelerators(&target);
    if (accelerators && TranslateAcceleratorW(target, accelerators, msg)) return;
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
}

int Return(ThreadEventState& state, int code, std::vector<std::wstring> droppedPaths = {}) {
  state.snapshot = state.current;
  state.droppedPaths = std::move(droppedPaths);
  return code;
}

// The oldest queued event becomes the current one.
int TakeQueued(ThreadEventState& state) {
  AppEvent event = std::move(state.queue.front());
  state.queue.pop_front();
  state.current.gadget = event.gadget;
  state.current.window = event.window;
  state.current.subtype = event.subtype;
  state.current.wParam = 0;
  state.current.lParam = 0;
  return Return(state, event.code, std::move(event.paths));
}

}  // namespace

int WaitAppEvent(int timeoutMs) {
  ThreadEventState& state = CurrentEventState();
  state.current.subtype = -1;
  state.current.pending = 0;
  if (!state.queue.empty()) return TakeQueued(state);
  MSG msg;
  if (!FetchMessage(timeoutMs, &msg)) return 0;
  Dispatch(&msg);
  if (state.current.pending) {
    const int code = state.current.pending;
    state.current.pending = 0;
    return Return(state, code);
  }
  // A message that became an event is that event, not a raw message as
  // well: a posted WM_CLOSE (16) would otherwise be handled twice.
  if (!state.queue.empty()) return TakeQueued(state);
  state.current.wParam = msg.wParam;
  state.current.lParam = msg.lParam;
  return Return(state, static_cast<int>(msg.message));
}

int PollAppEvent() { return WaitAppEvent(0); }

int EventGadgetNumber() { return CurrentEventState().snapshot.gadget; }
int EventWindowNumber() { return CurrentEventState().snapshot.window; }
int EventSubtype() { return CurrentEventState().snapshot.subtype; }
const std::vector<std::wstring>& EventDroppedPaths() { return CurrentEventState().droppedPaths; }
