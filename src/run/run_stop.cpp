#include "run/run_stop.h"

#include <string>

#include "gui/app_window.h"
#include "gui/events.h"
#include "gui/requesters.h"
#include "run/progress_window.h"
#include "run/run_state.h"

namespace {
const wchar_t AbortSuffix[] = L" (Abbruch l\u00e4uft...)";

// The worker may be waiting for an answer in one of its requesters; they are
// closed (as Esc or Cancel would) so it can see the flag. Its requests to the
// progress window are served by the turns.
bool WaitForWorker(DWORD timeoutMs, void (*turn)()) {
  const DWORD start = GetTickCount();
  DWORD lastSweep = start - 1000;
  while (RunInProgress()) {
    if (timeoutMs != INFINITE && GetTickCount() - start >= timeoutMs) return false;
    const DWORD worker = RunWorkerThreadId();
    if (worker && GetTickCount() - lastSweep >= 200) {
      DismissRequestersOf(worker);
      lastSweep = GetTickCount();
    }
    turn();
  }
  return true;
}

// The program is ending: the events of its windows are taken and dropped, as
// no handler may run any more (the close that ends it is being handled).
void DropEventsTurn() { WaitAppEvent(10); }
}  // namespace

void RequestAbort() {
  SetAbortRequested(1);
  const std::wstring title = GetAppWindowTitle(ProgressWindow);
  if (title.find(AbortSuffix) == std::wstring::npos) {
    SetAppWindowTitle(ProgressWindow, (title + AbortSuffix).c_str());
  }
}

bool CancelRunWithin(DWORD timeoutMs, void (*turn)()) {
  if (!RunInProgress()) return true;
  RequestAbort();
  return WaitForWorker(timeoutMs, turn);
}

void FinishRunBeforeExit() {
  SetProgramEnding(true);
  WaitForWorker(INFINITE, DropEventsTurn);
}
