#include "run/progress_window.h"

#include <windows.h>

#include <string>

#include "gui/app_window.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "run/packaging_worker.h"
#include "run/progress_display.h"
#include "run/thread_registry.h"

namespace {
const wchar_t AbortSuffix[] = L" (Abbruch l\u00e4uft...)";

BOOL CALLBACK CloseWorkerWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  // A question with "Ja" and "Nein" ignores a close request: it is answered "Nein".
  if (GetDlgItem(window, IDNO)) PostMessageW(window, WM_COMMAND, IDNO, 0);
  PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}
}  // namespace

void StartPackagingRun(TransferMode mode, FileList& files, const std::wstring& source, HWND owner) {
  const wchar_t* title = mode == TransferCopy ? L"Dateien kopieren..." : L"Dateien verschieben...";
  if (OpenAppWindow(ProgressWindow, 0, 0, 400, 103, title, ProgressWindowFlags, owner)) {
    NewLabel(FileLabel, 10, 10, 35, 15, L"Datei:");
    NewLabel(CurrentFileText, 40, 10, 350, 20, L"");
    NewProgressBar(ProgressBar, 10, 30, 380, 15, 0, 100, ProgressSmooth);
    NewButton(CancelButton, 155, 60, 90, 25, L"Abbrechen");
  }
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

void RequestAbort() {
  SetAbortRequested(1);
  const std::wstring title = GetAppWindowTitle(ProgressWindow);
  if (title.find(AbortSuffix) == std::wstring::npos) {
    SetAppWindowTitle(ProgressWindow, (title + AbortSuffix).c_str());
  }
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

namespace {
void WaitTurn() { WaitAppEvent(10); }

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
      EnumThreadWindows(worker, CloseWorkerWindow, 0);
      lastSweep = GetTickCount();
    }
    turn();
  }
  return true;
}
}  // namespace

void FinishRunBeforeExit() {
  SetProgramEnding(true);
  WaitForWorker(INFINITE, WaitTurn);
}

bool CancelRunWithin(DWORD timeoutMs, void (*turn)()) {
  if (!RunInProgress()) return true;
  RequestAbort();
  return WaitForWorker(timeoutMs, turn);
}
