#include "run/progress_window.h"

#include "gui/app_window.h"
#include "gui/gadget_rows.h"
#include "run/progress_display.h"
#include "run/progress_window_table.h"
#include "run/run_state.h"
#include "run/run_stop.h"

const wchar_t* ProgressWindowTitle(TransferMode mode) {
  return mode == TransferCopy ? L"Dateien kopieren..." : L"Dateien verschieben...";
}

bool OpenProgressWindow(TransferMode mode, HWND owner) {
  if (!OpenAppWindow(ProgressWindow, 0, 0, ProgressWindowWidth, ProgressWindowHeight,
                     ProgressWindowTitle(mode), ProgressWindowFlags, owner)) {
    return false;
  }
  CreateGadgetRows(ProgressGadgetTable);
  return true;
}

void CloseProgressWindow() {
  // Alt+F4 or a close from outside during a run: the window stays until the
  // worker's own close, so a run never goes on unseen.
  if (RunInProgress() && !RunClosing()) {
    RequestAbort();
    return;
  }
  DetachProgressDisplay();
  CloseAppWindow(ProgressWindow);
}
