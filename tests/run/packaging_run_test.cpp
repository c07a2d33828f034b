// Whole packaging runs through the main window: the run button, the worker's
// requesters answered from a helper thread, the progress window, the disk.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "app/main_window.h"
#include "app/program_state.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui/toolbox/scoped.h"
#include "run/packaging_run_fixture.h"
#include "run/packaging_worker.h"
#include "run/progress_window.h"
#include "run/run_start.h"
#include "run/run_state.h"
#include "run/run_stop.h"
#include "support/chunked_copy.h"
#include "support/dialog_driver.h"
#include "support/program_env.h"
#include "support/program_texts.h"
#include "support/pump.h"
#include "support/run_end.h"
#include "support/sized_file.h"
#include "support/system_folder_views.h"
#include "support/temp_dir.h"

namespace {

// Holds the next worker thread, before its routine runs, until the abort
// flag is set: the moment between a worker's creation and its first step.
std::atomic<bool> holdNextWorker{false};
std::atomic<DWORD> heldThread{0};

bool StartsWorker() {
  using QueryThread = LONG(NTAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryThread>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
  constexpr int StartAddress = 9;  // ThreadQuerySetWin32StartAddress
  PVOID start = nullptr;
  return query && query(GetCurrentThread(), StartAddress, &start, sizeof start, nullptr) == 0 &&
         start == reinterpret_cast<PVOID>(PackagingWorker);
}

void NTAPI HoldNewThread(PVOID, DWORD reason, PVOID) {
  if (reason != DLL_THREAD_ATTACH || !holdNextWorker || !StartsWorker()) return;
  holdNextWorker = false;
  for (int waited = 0; AbortRequested() == 0 && waited < 10000; waited += 5) Sleep(5);
  if (AbortRequested() != 0) heldThread = GetCurrentThreadId();
}
extern "C" __attribute__((section(".CRT$XLF"), used))
const PIMAGE_TLS_CALLBACK holdNewThreadCallback = HoldNewThread;

TEST_F(PackagingRunTest, CopyRunFillsOneFolderPerPackageFlat) {
  source_.WriteSizedFile(L"a.txt", 1000, 1);
  source_.WriteSizedFile(L"Sub\\b.bin", 70000, 2);
  source_.WriteSizedFile(L"Sub\\Deeper\\c.dat", 0, 3);
  source_.WriteSizedFile(L"z.txt", 5, 4);
  UseCount(2);
  std::wstring done;
  bool progressOpen = true;
  DialogAnswerer answers(DefaultAnswers(dest_.Path(), &done, &progressOpen));
  const RunSeen seen = Run();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_TRUE(seen.ended);
  EXPECT_TRUE(seen.progressShown);
  EXPECT_EQ(done, Completed);
  EXPECT_FALSE(progressOpen) << "the completion message comes after the window closed";
  // Dealt in scan order a.txt, b.bin, c.dat, z.txt over two packages.
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 1\\a.txt")), ReadWholeFile(source_ / L"a.txt"));
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 1\\c.dat")), "");
  EXPECT_TRUE(FileExists(Dest(L"Paket 1\\c.dat")));
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 2\\b.bin")), ReadWholeFile(source_ / L"Sub\\b.bin"));
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 2\\z.txt")), ReadWholeFile(source_ / L"z.txt"));
  EXPECT_TRUE(FileExists(source_ / L"Sub\\b.bin")) << "copying keeps the sources";
}

TEST_F(PackagingRunTest, MoveRunTakesTheSourcesAway) {
  source_.WriteSizedFile(L"one.bin", 3000, 7);
  source_.WriteSizedFile(L"Sub\\two.bin", 4000, 8);
  const std::string one = ReadWholeFile(source_ / L"one.bin");
  const std::string two = ReadWholeFile(source_ / L"Sub\\two.bin");
  PostGadgetClick(MoveOption);
  std::wstring done;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerText(L"Teil #-#")},
                          {FolderChooserMatch(), AnswerFolder(dest_.Path())},
                          MessageStep(&done, nullptr)});
  Run();
  PostGadgetClick(CopyOption);
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(done, Completed);
  EXPECT_EQ(ReadWholeFile(Dest(L"Teil 1-1\\one.bin")), one);
  EXPECT_EQ(ReadWholeFile(Dest(L"Teil 1-1\\two.bin")), two);
  EXPECT_FALSE(FileExists(source_ / L"one.bin"));
  EXPECT_FALSE(FileExists(source_ / L"Sub\\two.bin"));
}

TEST_F(PackagingRunTest, MoveTitleNamesTheMode) {
  source_.WriteFile(L"a", "a");
  PostGadgetClick(MoveOption);
  std::wstring title;
  std::wstring warning;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption),
                           [&title](HWND dialog) {
                             title = GetAppWindowTitle(ProgressWindow);
                             PostKey(dialog, VK_RETURN);
                           }},
                          {FolderChooserMatch(), AnswerCancel()},
                          MessageStep(&warning, nullptr)});
  Run();
  PostGadgetClick(CopyOption);
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(title, MoveTitle);
}

TEST_F(PackagingRunTest, UnfitPatternIsExplainedAndAskedForAgain) {
  source_.WriteFile(L"a", "a");
  struct Case {
    const wchar_t* typed;  // nullptr: the requester is closed
    std::wstring notice;
    const wchar_t* offeredNext;
    const wchar_t* typedNext;  // nullptr: the offered pattern is kept
  };
  const Case cases[] = {{L"Teil", CounterAdded, L"Teil #", nullptr},
                        {L"Teil   ", CounterAdded, L"Teil #", nullptr},
                        {nullptr, CounterAdded, L" #", nullptr},
                        {L"..\\..\\#", BadCharacters, L"..\\..\\#", L".. #"},
                        {L"Paket #.", BadNameEnd, L"Paket #.", L"Band #"},
                        {L"com#.txt", DeviceNameRefused(L"com1.txt"), L"com#.txt", L"C#"}};
  for (const Case& c : cases) {
    TempDir dest;
    std::wstring notice, offered, done;
    DialogAnswerer answers(
        {{TextRequesterMatch(ProgramCaption),
          c.typed ? AnswerText(c.typed) : DialogAction([](HWND d) { PostKey(d, VK_ESCAPE); })},
         MessageStep(&notice, nullptr),
         {TextRequesterMatch(ProgramCaption),
          [&offered, &c](HWND dialog) {
            offered = ReadEditText(FindDescendant(dialog, L"Edit"));
            if (c.typedNext) SetEditText(FindDescendant(dialog, L"Edit"), c.typedNext);
            PostKey(dialog, VK_RETURN);
          }},
         {FolderChooserMatch(), AnswerFolder(dest.Path())},
         MessageStep(&done, nullptr)});
    Run();
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    EXPECT_EQ(notice, c.notice);
    EXPECT_EQ(offered, c.offeredNext) << (c.typed ? c.typed : L"(closed)");
    std::wstring folder = c.typedNext ? c.typedNext : c.offeredNext;
    folder.replace(folder.find(L'#'), 1, L"1");
    EXPECT_TRUE(FolderExists(dest / folder)) << (c.typed ? c.typed : L"(closed)");
  }
}

TEST_F(PackagingRunTest, CancelledDestinationWarnsAndTouchesNothing) {
  source_.WriteFile(L"a", "a");
  std::wstring warning;
  bool progressOpen = false;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                          {FolderChooserMatch(), AnswerCancel()},
                          MessageStep(&warning, &progressOpen)});
  const RunSeen seen = Run();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_TRUE(seen.ended);
  EXPECT_EQ(warning, NoDestination);
  EXPECT_TRUE(progressOpen) << "the warning comes while the window still exists";
  EXPECT_FALSE(seen.progressShown);
  EXPECT_FALSE(FolderExists(Dest(L"Paket 1")));
  EXPECT_TRUE(FileExists(source_ / L"a"));
}

TEST_F(PackagingRunTest, EmptyPlanAsksBothQuestionsAndCompletes) {
  source_.MakeFolder(L"only\\empty");
  std::wstring done;
  DialogAnswerer answers(DefaultAnswers(dest_.Path(), &done));
  const RunSeen seen = Run();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(done, Completed);
  EXPECT_FALSE(seen.progressShown);
  EXPECT_FALSE(FolderExists(Dest(L"Paket 1")));
}

TEST_F(PackagingRunTest, FailedMoveStopsAndKeepsWhatWasMoved) {
  source_.WriteFile(L"a.txt", "first");
  source_.WriteFile(L"b.txt", "second");
  source_.WriteFile(L"c.txt", "third");
  PostGadgetClick(MoveOption);
  std::wstring warning, fileShown;
  LRESULT position = -1, maximum = -1;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption),
                           [this](HWND requester) {
                             // After the plan: a folder takes the planned file's place.
                             DeleteFileW((source_ / L"b.txt").c_str());
                             source_.WriteFile(L"b.txt\\inner.txt", "second");
                             PostKey(requester, VK_RETURN);
                           }},
                          {FolderChooserMatch(), AnswerFolder(dest_.Path())},
                          {MessageBoxMatch(ProgramCaption), [&](HWND box) {
                             // The progress window is still open behind the warning.
                             HWND bar = GadgetHandle(ProgressBar);
                             position = SendMessageW(bar, PBM_GETPOS, 0, 0);
                             maximum = SendMessageW(bar, PBM_GETRANGE, FALSE, 0);
                             fileShown = WindowText(GadgetHandle(CurrentFileText));
                             warning = MessageBoxText(box);
                             PostButtonCommand(box, IDOK);
                           }}});
  Run();
  PostGadgetClick(CopyOption);
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(warning, MoveFailed);
  EXPECT_EQ(position, 1) << "one file done";
  EXPECT_EQ(maximum, 3) << "the bar counts files";
  EXPECT_EQ(fileShown, L"b.txt");
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 1\\a.txt")), "first");
  EXPECT_FALSE(FileExists(source_ / L"a.txt"));
  EXPECT_FALSE(FileExists(Dest(L"Paket 1\\b.txt")));
  EXPECT_EQ(ReadWholeFile(source_ / L"b.txt\\inner.txt"), "second");
  EXPECT_EQ(ReadWholeFile(source_ / L"c.txt"), "third");
  EXPECT_FALSE(FileExists(Dest(L"Paket 1\\c.txt")));
}

TEST_F(PackagingRunTest, ADestinationInTheSourceIsRefusedAndAskedAgain) {
  source_.WriteFile(L"a.txt", "a");
  source_.MakeFolder(L"Ziel");
  std::wstring refusal, done;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                          {FolderChooserMatch(), AnswerFolder(source_ / L"Ziel")},
                          MessageStep(&refusal, nullptr),
                          {FolderChooserMatch(), AnswerFolder(dest_.Path())},
                          MessageStep(&done, nullptr)});
  Run();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(refusal, DestinationInSource);
  EXPECT_EQ(done, Completed);
  EXPECT_FALSE(FolderExists(source_ / L"Ziel\\Paket 1")) << "nothing is written into the source";
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 1\\a.txt")), "a");
}

// Under WoW64 the copy takes System32's own file, not SysWOW64's of that name.
TEST_F(PackagingRunTest, CopyTakesTheRealSystemFileUnderWow64) {
  const SystemFolderViews views = ViewsOfSystemFolder();
  if (!views.untestable.empty()) GTEST_SKIP() << views.untestable;
  const std::string native = ReadWholeFile(views.native + L"\\drivers\\mountmgr.sys");
  if (native == ReadWholeFile(views.named + L"\\drivers\\mountmgr.sys")) {
    GTEST_SKIP() << "System32 and SysWOW64 hold the same mountmgr.sys";
  }
  std::wstring done;
  DialogAnswerer answers(DefaultAnswers(dest_.Path(), &done));
  RunFrom(views.named + L"\\drivers");
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(done, Completed);
  EXPECT_TRUE(ReadWholeFile(Dest(L"Paket 1\\mountmgr.sys")) == native)
      << "the copy is not System32's own file";
}

TEST_F(PackagingRunTest, SameNameInDifferentPackagesIsNoClash) {
  source_.WriteFile(L"A\\same.txt", "one");
  source_.WriteFile(L"B\\same.txt", "two");
  UseCount(2);
  std::wstring done;
  DialogAnswerer answers(DefaultAnswers(dest_.Path(), &done));
  Run();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(done, Completed);
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 1\\same.txt")), "one");
  EXPECT_EQ(ReadWholeFile(Dest(L"Paket 2\\same.txt")), "two");
}

TEST_F(PackagingRunTest, LongDestinationPatternAndNameTogether) {
  // Destination, folder name and file name add up to well over 260.
  const std::wstring deep = std::wstring(90, L'd') + L"\\" + std::wstring(90, L'e');
  dest_.MakeFolder(deep);
  const std::wstring name = std::wstring(80, L'n') + L".txt";
  source_.WriteFile(name, "long way");
  const std::wstring pattern = std::wstring(60, L'p') + L" #";
  std::wstring done;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerText(pattern)},
                          {FolderChooserMatch(), AnswerFolder(dest_ / deep)},
                          MessageStep(&done, nullptr)});
  Run();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(done, Completed);
  const std::wstring target = dest_ / (deep + L"\\" + std::wstring(60, L'p') + L" 1\\" + name);
  EXPECT_GT(target.size(), 300u);
  EXPECT_EQ(ReadWholeFile(target), "long way");
}

TEST_F(PackagingRunTest, CancelTwiceStopsInTheFileInHand) {
  const ChunkedCopies windowsCopies;
  // Large enough that the copy of the first file is still going when the
  // cancel button is pressed.
  for (const wchar_t* name : {L"1.bin", L"2.bin", L"3.bin"}) {
    ASSERT_TRUE(WriteSizedFile(source_ / name, 400LL * 1024 * 1024, FileFill::Hole));
  }
  std::wstring unexpected;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                          {FolderChooserMatch(), AnswerFolder(dest_.Path())}});
  SetSource(source_.Path());
  PostGadgetClick(RunButton);
  ASSERT_TRUE(RunUntilProgressShown());
  // The button's handler, twice before the loop runs again: the cancel ends
  // the run at once now, and the title must be read while the window is there.
  RequestAbort();
  RequestAbort();
  EXPECT_EQ(GetAppWindowTitle(ProgressWindow), CopyCancellingTitle);
  EXPECT_EQ(AbortRequested(), 1);
  DialogAnswerer noMessage(MessageBoxMatch(ProgramCaption), AnswerOk(&unexpected), 3000);
  ASSERT_TRUE(RunUntilEnded(60000));
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_FALSE(noMessage.Answered()) << "an abort shows no message, saw: " << noMessage.Report();
  // The file in hand is undone; nothing after it is begun.
  EXPECT_FALSE(FileExists(Dest(L"Paket 1\\1.bin")));
  EXPECT_FALSE(FileExists(Dest(L"Paket 1\\2.bin")));
  EXPECT_FALSE(FileExists(Dest(L"Paket 1\\3.bin")));
  EXPECT_EQ(AbortRequested(), 1) << "the flag stays set after the run";
}

TEST_F(PackagingRunTest, TheMainWindowCanBeActivatedDuringARun) {
  for (const wchar_t* name : {L"1.bin", L"2.bin", L"3.bin", L"4.bin"}) {
    ASSERT_TRUE(WriteSizedFile(source_ / name, 200LL * 1024 * 1024, FileFill::Hole));
  }
  std::wstring message;
  DialogAnswerer answers(DefaultAnswers(dest_.Path(), &message));
  SetSource(source_.Path());
  PostGadgetClick(RunButton);
  ASSERT_TRUE(RunUntilProgressShown());
  HWND mainWindow = AppWindowHandle(MainWindow);
  SetForegroundWindow(mainWindow);
  ASSERT_TRUE(RunLoopUntil([mainWindow] { return GetForegroundWindow() == mainWindow; }));
  // Each further file must not pull the progress window to the front again.
  bool taken = false;
  ASSERT_TRUE(RunLoopUntil(
      [&taken] {
        HWND progress = AppWindowHandle(ProgressWindow);
        if (progress && GetForegroundWindow() == progress) taken = true;
        return RunHasEnded();
      },
      60000));
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_FALSE(taken) << "the progress window took the activation back";
  EXPECT_EQ(message, Completed);
  EXPECT_TRUE(FileExists(Dest(L"Paket 1\\4.bin")));
}

TEST_F(PackagingRunTest, PlanButtonsAreIgnoredWhileARunGoesOn) {
  for (int i = 0; i < 3; ++i) source_.WriteFile(L"f" + std::to_wstring(i), "x");
  UseCount(3);
  SetSource(source_.Path());
  PostGadgetClick(PreviewButton);
  ASSERT_EQ(ListLines(PackageList).size(), 3u);
  // Hold the worker in its first requester while the main window is used.
  DialogAnswerer hold({{TextRequesterMatch(ProgramCaption),
                        [](HWND dialog) {
                          Sleep(1500);
                          PostKey(dialog, VK_ESCAPE);
                        }},
                       {MessageBoxMatch(ProgramCaption), AnswerOk()},
                       {TextRequesterMatch(ProgramCaption), AnswerEnter()},
                       {FolderChooserMatch(), AnswerCancel()},
                       {MessageBoxMatch(ProgramCaption), AnswerOk()}});
  PostGadgetClick(RunButton);
  ASSERT_TRUE(RunInProgress());
  // The requester disables the main window; these arrive anyway, as events
  // posted by another program would.
  UseCount(1);
  PostMessageW(GadgetHandle(PreviewButton), BM_CLICK, 0, 0);
  PostMessageW(GadgetHandle(RunButton), BM_CLICK, 0, 0);
  SelectListLine(PackageList, 1);
  RunLoopFor(200);
  EXPECT_EQ(ListLines(PackageList).size(), 3u) << "the plan was rebuilt during the run";
  EXPECT_TRUE(ListLines(ContentsList).empty()) << "the list was walked during the run";
  ASSERT_TRUE(RunUntilEnded());
  EXPECT_TRUE(hold.Answered()) << hold.Report();
  PostGadgetClick(PreviewButton);
  EXPECT_EQ(ListLines(PackageList).size(), 1u);
}

// The main thread made slow: the label's first update after the progress
// window appeared keeps it busy until the run's last file has arrived (or 8 s
// passed). The display is read when the worker asks to close the window.
struct SlowDisplay {
  std::wstring lastTarget;
  bool held = false;
  bool heldWhileCopying = false;
  bool arrivedWhileHeld = false;
  std::wstring lastName;
  LRESULT position = -1;
};

LRESULT CALLBACK SlowDisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data) {
  SlowDisplay& slow = *reinterpret_cast<SlowDisplay*>(data);
  if (message == WM_SETTEXT && window == GadgetHandle(CurrentFileText) && !slow.held &&
      IsWindowVisible(GetParent(window))) {
    slow.held = true;
    slow.heldWhileCopying = !FileExists(slow.lastTarget);
    const DWORD start = GetTickCount();
    while (!FileExists(slow.lastTarget) && GetTickCount() - start < 8000) Sleep(20);
    slow.arrivedWhileHeld = FileExists(slow.lastTarget);
  }
  if (message == WM_CLOSE) {
    slow.lastName = WindowText(GadgetHandle(CurrentFileText));
    slow.position = SendMessageW(GadgetHandle(ProgressBar), PBM_GETPOS, 0, 0);
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, SlowDisplayProc, id);
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(PackagingRunTest, ASlowDisplayHoldsUpNoFileAndEndsExact) {
  // Of some size, so the copies outlast the display's first refresh; copied
  // in scan order, f99 last.
  for (int i = 10; i < 100; ++i) source_.WriteSizedFile(L"f" + std::to_wstring(i), 1024 * 1024, i);
  SlowDisplay slow;
  slow.lastTarget = Dest(L"Paket 1\\f99");
  std::atomic<bool> watching{false};
  std::wstring done;
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption),
                           [&watching](HWND dialog) {
                             while (!watching) Sleep(10);
                             PostKey(dialog, VK_RETURN);
                           }},
                          {FolderChooserMatch(), AnswerFolder(dest_.Path())},
                          MessageStep(&done, nullptr)});
  SetSource(source_.Path());
  PostGadgetClick(RunButton);
  const auto data = reinterpret_cast<DWORD_PTR>(&slow);
  SetWindowSubclass(AppWindowHandle(ProgressWindow), SlowDisplayProc, 1, data);
  SetWindowSubclass(GadgetHandle(CurrentFileText), SlowDisplayProc, 2, data);
  watching = true;
  ASSERT_TRUE(RunUntilEnded(60000));
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(done, Completed);
  EXPECT_TRUE(slow.heldWhileCopying) << "no refresh came while files went by";
  EXPECT_TRUE(slow.arrivedWhileHeld) << "the worker waited for the display";
  EXPECT_EQ(slow.lastName, L"f99");
  EXPECT_EQ(slow.position, 90) << "the bar is full";
}

TEST_F(PackagingRunTest, CompletionWaitsForAModalLoopOfTheMainThread) {
  source_.WriteFile(L"a", "a");
  bool early = true;
  bool progressOpen = true;
  std::wstring done;
  DialogAnswerer answers(DefaultAnswers(dest_.Path(), &done, &progressOpen));
  DialogAnswerer hold(MessageBoxMatch(L"Halt"), [&early](HWND box) {
    Sleep(6000);  // longer than any time-out the worker could give up at
    early = FindWindowW(L"#32770", ProgramCaption) != nullptr;
    PostButtonCommand(box, IDOK);
  });
  SetSource(source_.Path());
  PostGadgetClick(RunButton);
  // The run happens while the main thread is in this box's loop, which serves
  // the worker's window requests but not the close event.
  MessageBoxW(AppWindowHandle(MainWindow), L"", L"Halt", MB_OK);
  ASSERT_TRUE(RunUntilEnded());
  ASSERT_TRUE(answers.Answered() && hold.Answered()) << answers.Report() << hold.Report();
  EXPECT_FALSE(early) << "the completion message came while the progress window was open";
  EXPECT_EQ(done, Completed);
  EXPECT_FALSE(progressOpen);
}

TEST_F(PackagingRunTest, EndingTheProgramOrTheSessionDuringACopyUndoesTheFileInHand) {
  const ChunkedCopies windowsCopies;
  // The program's close, and Windows asking whether the session may end.
  for (const bool session : {false, true}) {
    SCOPED_TRACE(session ? "session end" : "program end");
    TempDir dest;
    for (const wchar_t* name : {L"1.bin", L"2.bin"}) {
      ASSERT_TRUE(WriteSizedFile(source_ / name, 1LL << 30, FileFill::Hole));
    }
    DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                            {FolderChooserMatch(), AnswerFolder(dest.Path())}});
    SetSource(source_.Path());
    PostGadgetClick(RunButton);
    ASSERT_TRUE(RunUntilProgressShown());
    Sleep(200);  // inside the first file
    const DWORD start = GetTickCount();
    if (session) {
      EXPECT_EQ(SendMessageW(AppWindowHandle(MainWindow), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF),
                TRUE);
      // Told that the end was called off: the program goes on.
      SendMessageW(AppWindowHandle(MainWindow), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
      EXPECT_NE(AppWindowHandle(MainWindow), nullptr);
    } else {
      FinishRunBeforeExit();
    }
    EXPECT_FALSE(RunInProgress());
    EXPECT_LT(GetTickCount() - start, 3000u) << "the end waited for the file";
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    EXPECT_FALSE(FileExists(dest / L"Paket 1\\1.bin"));
    EXPECT_FALSE(FileExists(dest / L"Paket 1\\2.bin"));
    // An ending program leaves the worker's close request unhandled.
    CloseProgressWindow();
    SetProgramEnding(false);
  }
}

TEST_F(PackagingRunTest, EndingTheProgramWhileTheWorkerAsksClosesItsRequester) {
  // At the naming requester, and at the question about same names.
  for (const bool sameNames : {false, true}) {
    TempDir source;
    source.WriteFile(L"A\\a", "a");
    source.WriteFile(sameNames ? L"B\\a" : L"B\\b", "b");
    std::vector<DialogStep> steps;
    if (sameNames) {
      steps = {{TextRequesterMatch(ProgramCaption), AnswerEnter()},
               {FolderChooserMatch(), AnswerFolder(dest_.Path())}};
    }
    DialogAnswerer answers(steps);
    SetSource(source.Path());
    PostGadgetClick(RunButton);
    const auto asking = [sameNames] {
      HWND question = FindWindowW(sameNames ? L"#32770" : TextRequesterClass, ProgramCaption);
      return question && (!sameNames || FindDescendant(question, nullptr, ChoiceSecond));
    };
    ASSERT_TRUE(RunLoopUntil(asking)) << sameNames;
    FinishRunBeforeExit();
    EXPECT_FALSE(RunInProgress());
    EXPECT_FALSE(asking()) << "the question is still open: " << sameNames;
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    CloseProgressWindow();
    SetProgramEnding(false);
    EXPECT_FALSE(FolderExists(Dest(L"Paket 1")));
  }
}

TEST_F(PackagingRunTest, EndingTheProgramBeforeTheWorkerStartsStopsIt) {
  // Without the guard the worker would ask for its pattern for ever; end the
  // test program then rather than at its time-out.
  const ScopedHandle ended(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::thread watchdog([event = ended.Get()] {
    if (WaitForSingleObject(event, 30000) == WAIT_OBJECT_0) return;
    std::fputs("the ending program waits for ever for its worker\n", stderr);
    ExitProcess(1);
  });
  holdNextWorker = true;
  StartPackagingRun(TransferCopy, *Program().Files, L"", AppWindowHandle(MainWindow));
  FinishRunBeforeExit();
  SetEvent(ended.Get());
  watchdog.join();
  EXPECT_FALSE(RunInProgress());
  EXPECT_EQ(heldThread.load(), RunWorkerThreadId()) << "the worker started before the close";
  CloseProgressWindow();
}

}  // namespace
