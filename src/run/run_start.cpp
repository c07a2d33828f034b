#include "run/run_start.h"

#include "run/packaging_worker.h"
#include "run/progress_display.h"
#include "run/progress_window.h"
#include "run/thread_registry.h"

void StartPackagingRun(TransferMode mode, FileList& files, const std::wstring& source, HWND owner) {
  OpenProgressWindow(mode, owner);
  SetPackagingPlan(&files, source);
  AttachProgressDisplay();
  SetRunInProgress(true);
  SetRunWorkerThreadId(0);
  SetRunClosing(false);
  // Here, not in the worker: a close handled before the worker's first step
  // must not be wiped out by it.
  SetAbortRequested(0);
  if (StartThread(PackagingWorker, mode) == 0) SetRunInProgress(false);
}
