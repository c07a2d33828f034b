#include "app/event_loop.h"

#include "app/browse_source.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/plan_handlers.h"
#include "app/program_state.h"
#include "app/shut_down.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "run/progress_window.h"
#include "run/run_state.h"
#include "run/run_stop.h"

namespace {

using Handler = void (*)();

struct GadgetHandlerRow {
  int gadget;
  Handler handler;
  // Handlers that clear, rebuild, re-sort or walk the file list, or start a
  // run, must not run while a worker walks that list.
  bool ignoredDuringRun;
};

// One row a line, as a table reads.
// clang-format off
const GadgetHandlerRow GadgetHandlerRows[] = {
    {BrowseButton, BrowseSourceFolder, false},
    {PackageList, ShowSelectedPackage, true},
    {PreviewButton, PreviewPlan, true},
    {RunButton, RunPackaging, true},
    {CancelButton, RequestAbort, false},
};
// clang-format on

struct CloseRow {
  int window;
  Handler handler;
};

const CloseRow CloseRows[] = {
    {MainWindow, ShutDown},
    {ProgressWindow, CloseProgressWindow},
};

}  // namespace

void DispatchAppEvent(int code) {
  switch (code) {
    case EventGadget: {
      const int gadget = EventGadgetNumber();
      for (const GadgetHandlerRow& row : GadgetHandlerRows) {
        if (row.gadget != gadget) continue;
        if (!(row.ignoredDuringRun && RunInProgress())) row.handler();
        return;
      }
      return;
    }
    case EventSize:
      LayoutMainWindow();
      return;
    case EventFilesDropped:
      if (EventWindowNumber() == MainWindow) TakeDroppedSource();
      return;
    case EventClose: {
      const int window = EventWindowNumber();
      for (const CloseRow& row : CloseRows) {
        if (row.window == window) {
          row.handler();
          return;
        }
      }
      return;
    }
    default:
      return;
  }
}

int RunEventLoopOnce(int timeoutMs) {
  Program().CurrentEvent = WaitAppEvent(timeoutMs);
  DispatchAppEvent(Program().CurrentEvent);
  return Program().CurrentEvent;
}

void RunEventLoop() {
  for (;;) RunEventLoopOnce(10);
}
