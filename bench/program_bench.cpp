#include "program_bench.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "bench_clock.h"
#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "plan/file_list.h"
#include "run/progress_window.h"
#include "run/run_state.h"
#include "support/dialog_driver.h"
#include "support/program_env.h"
#include "support/program_texts.h"
#include "support/run_end.h"

namespace {

// When the worker set the bar's maximum and when its close request arrived,
// as the main thread served them.
double barMaximumAt = 0.0;
double closeRequestAt = 0.0;
double shownAt = 0.0;  // the progress window appeared, showing the first file
// The label's new texts between the two, seen through the subclass of this id.
constexpr UINT_PTR LabelWatch = 3;
double lastTextAt = 0.0;
double longestTextGap = 0.0;
long long texts = 0;

// Watches the progress window, its bar and its label; a subclass costs nothing
// measurable, unlike a message hook (under Wine every hooked message makes a
// server call).
LRESULT CALLBACK WatchRun(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR) {
  if (message == PBM_SETRANGE32) lastTextAt = barMaximumAt = Now();
  if (message == WM_SHOWWINDOW && wParam && shownAt == 0.0) shownAt = Now();
  const bool newName = message == WM_SETTEXT && id == LabelWatch;
  if ((newName || message == WM_CLOSE) && barMaximumAt > 0.0 && closeRequestAt == 0.0) {
    const double at = Now();
    longestTextGap = std::max(longestTextGap, at - lastTextAt);
    lastTextAt = at;
    if (newName) ++texts;
  }
  if (message == WM_CLOSE) closeRequestAt = Now();
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, WatchRun, id);
  return DefSubclassProc(window, message, wParam, lParam);
}

// Runs the program's loop until the event of this gadget has been handled.
double DispatchUntilHandled(int gadget, double start) {
  for (;;) {
    // The handlers measured here run no loop of their own, so the event's
    // fields are still the ones the turn took.
    if (RunEventLoopOnce(10) == EventGadget && EventGadgetNumber() == gadget) return Now() - start;
    if (Now() - start > 1800.0) return -1.0;
  }
}

}  // namespace

void StartProgramForBench() {
  StartProgramOnce();
  RunLoopFor(200);
}

double ClearPlan() {
  const double start = Now();
  ClearItems(PackageList);
  ClearItems(ContentsList);
  Program().Files->ClearEntries();
  return Now() - start;
}

double TimePreview(const std::wstring& source, int sizeValue, int unitIndex) {
  SetSource(source);
  UseSize(sizeValue, unitIndex);
  RunLoopFor(50);
  const double start = Now();
  PostMessageW(GadgetHandle(PreviewButton), BM_CLICK, 0, 0);
  return DispatchUntilHandled(PreviewButton, start);
}

PackageChoice LargestPackage() {
  std::map<int, long long> files;
  FileList& list = *Program().Files;
  list.Rewind();
  while (const FileEntry* entry = list.Advance()) ++files[entry->Package];
  PackageChoice choice{0, 0};
  for (const auto& package : files) {
    if (package.second > choice.files) choice = {package.first, package.second};
  }
  return choice;
}

double TimeSelection(int package, long long* listed) {
  HWND list = GadgetHandle(PackageList);
  RunLoopFor(50);
  const double start = Now();
  // What a click on the line does: select it, then tell the window.
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(package - 1), 0);
  PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  const double seconds = DispatchUntilHandled(PackageList, start);
  *listed = SendMessageW(GadgetHandle(ContentsList), LB_GETCOUNT, 0, 0);
  return seconds;
}

bool TimeRun(bool move, const std::wstring& source, const std::wstring& destination, int packages,
             RunFigures* figures) {
  SetSource(source);
  UseCount(packages);
  // Automatic option buttons do not uncheck each other when set by message.
  WriteState(CopyOption, move ? 0 : 1);
  WriteState(MoveOption, move ? 1 : 0);
  RunLoopFor(50);
  std::wstring ending;
  DialogAnswerer questions({{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                            {FolderChooserMatch(), AnswerFolder(destination)}},
                           1800000);
  barMaximumAt = closeRequestAt = shownAt = lastTextAt = longestTextGap = 0.0;
  texts = 0;
  const double start = Now();
  PostMessageW(GadgetHandle(RunButton), BM_CLICK, 0, 0);
  // The handler opens the progress window and starts the worker, which then
  // waits for its requesters: time enough to start watching.
  DispatchUntilHandled(RunButton, start);
  SetWindowSubclass(AppWindowHandle(ProgressWindow), WatchRun, 1, 0);
  SetWindowSubclass(GadgetHandle(ProgressBar), WatchRun, 2, 0);
  SetWindowSubclass(GadgetHandle(CurrentFileText), WatchRun, LabelWatch, 0);
  // The completion message is answered by a helper started only after the
  // files: one looking for it during the run would enumerate the windows
  // every 20 ms, a load on the wineserver that the floors do not carry. (A
  // warning about a failed file comes before the close request.)
  DWORD lookedAt = GetTickCount();
  RunLoopUntil(
      [&lookedAt] {
        if (closeRequestAt > 0.0 || !RunInProgress()) return true;
        if (GetTickCount() - lookedAt < 1000) return false;
        lookedAt = GetTickCount();
        return FindWindowW(L"#32770", ProgramCaption) != nullptr;
      },
      1800000);
  DialogAnswerer completion(MessageBoxMatch(ProgramCaption), AnswerOk(&ending), 60000);
  const bool ended = RunLoopUntil([] { return closeRequestAt > 0.0 && RunHasEnded(); }, 60000);
  WriteState(CopyOption, 1);
  WriteState(MoveOption, 0);
  if (!questions.Answered() || !completion.Answered() || !ended) return false;
  if (ending != Completed) return false;
  *figures = {closeRequestAt - barMaximumAt, shownAt - barMaximumAt, texts, longestTextGap};
  return true;
}
