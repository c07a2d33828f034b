#include "app/shut_down.h"
#include "app/program_state.h"
#include "gui/layer.h"
#include "run/run_stop.h"
#include "run/taskbar_progress.h"
#include "run/thread_registry.h"

void ShutDown() {
  // A worker still copying or moving stops in its file and undoes it, so no
  // half-written file is left behind and the end does not wait for the file.
  FinishRunBeforeExit();
  EmptyThreadRegistry();
  ReleaseTaskbarButton();  // while COM still runs
  ShutDownGuiLayer();
  if (Program().ProgramHeap) HeapDestroy(Program().ProgramHeap);
  ExitProcess(0);
}
