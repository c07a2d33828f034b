#include <windows.h>

#include <commctrl.h>

#include <thread>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/event_queue.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui_test_support.h"
#include "support/program_texts.h"
#include "support/sequence.h"

namespace {

using EventTest = GadgetTest;

using MsgWaitFn = DWORD(WINAPI*)(DWORD, const HANDLE*, BOOL, DWORD, DWORD);
MsgWaitFn realMsgWait = nullptr;
DWORD wakeMaskSeen = 0;

DWORD WINAPI RecordingMsgWait(DWORD count, const HANDLE* handles, BOOL all, DWORD ms, DWORD mask) {
  wakeMaskSeen = mask;
  return realMsgWait(count, handles, all, ms, mask);
}

// Puts value into this program's import slot that holds function (the slot
// that the linked-in layer calls through); returns what it held, or null.
void* SwapImport(void* function, void* value) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const DWORD table = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table); d->Name; ++d) {
    for (auto* slot = reinterpret_cast<void**>(base + d->FirstThunk); *slot; ++slot) {
      if (*slot != function) continue;
      DWORD was = 0;
      VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
      *slot = value;
      VirtualProtect(slot, sizeof *slot, was, &was);
      return function;
    }
  }
  return nullptr;
}

TEST_F(EventTest, WaitTimesOutAndKeepsTheLastEventsNumbers) {
  CollectEvents(100);  // let the window settle: a wake-up without a message ends a wait early
  QueueAppEvent(EventGadget, 7, 3, 5);
  ASSERT_EQ(WaitAppEvent(10), EventGadget);
  for (int timeout : {10, 10, 0}) {
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    EXPECT_EQ(WaitAppEvent(timeout), 0);
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    const double took =
        1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    EXPECT_TRUE(took >= timeout * 0.8 && took < timeout + 100.0) << took << " ms for " << timeout;
    EXPECT_EQ(EventGadgetNumber(), 7);
    EXPECT_EQ(EventWindowNumber(), 3);
    EXPECT_EQ(EventSubtype(), 5);
  }
}

TEST_F(EventTest, TheWaitWakesForEveryPostedMessage) {
  realMsgWait = reinterpret_cast<MsgWaitFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "MsgWaitForMultipleObjects")));
  auto* const recorder = reinterpret_cast<void*>(RecordingMsgWait);
  ASSERT_NE(SwapImport(reinterpret_cast<void*>(realMsgWait), recorder), nullptr);
  DrainEvents();
  for (int i = 0; i < 20 && !wakeMaskSeen; ++i) WaitAppEvent(10);
  SwapImport(recorder, reinterpret_cast<void*>(realMsgWait));
  // QS_ALLPOSTMESSAGE also wakes for a posted message an earlier peek saw.
  EXPECT_EQ(wakeMaskSeen, 0x1FFu);
}

TEST_F(EventTest, NotifyWithoutAHeaderIsIgnored) {
  // Any process can send it so; there is no header to read, and no event comes.
  DrainEvents();
  EXPECT_EQ(SendMessageW(window_, WM_NOTIFY, 0, 0), 0);
  EXPECT_EQ(WaitAppEvent(10), 0);
}

TEST_F(EventTest, AnEventEqualToTheLastUnreadOneIsDropped) {
  SendMessageW(window_, WM_MOVE, 0, MAKELPARAM(20, 20));
  SendMessageW(window_, WM_MOVE, 0, MAKELPARAM(21, 20));
  std::vector<SeenEvent> seen = CollectEvents(60);
  EXPECT_EQ(CountEvents(seen, EventMove, 0, 0), 1) << Describe(seen);
  SendMessageW(window_, WM_MOVE, 0, MAKELPARAM(22, 20));
  SendMessageW(window_, WM_CLOSE, 0, 0);
  SendMessageW(window_, WM_MOVE, 0, MAKELPARAM(23, 20));
  seen = CollectEvents(60);
  EXPECT_EQ(CountEvents(seen, EventMove, 0, 0), 2) << Describe(seen);
  EXPECT_EQ(CountEvents(seen, EventClose, 0, 0), 1) << Describe(seen);
}

// WM_MOVE, WM_SIZE and WM_CLOSE have the numbers of the events they give:
// the message must not come back beside its event (taskkill posts WM_CLOSE).
TEST_F(EventTest, APostedMessageGivesItsEventOnce) {
  const std::pair<UINT, int> cases[] = {
      {WM_CLOSE, EventClose}, {WM_MOVE, EventMove}, {WM_SIZE, EventSize}};
  for (const auto& c : cases) {
    DrainEvents();
    PostMessageW(window_, c.first, 0, 0);
    const std::vector<SeenEvent> seen = CollectEvents(100);
    int count = 0;
    for (const SeenEvent& e : seen) count += e.code == c.second;
    EXPECT_EQ(count, 1) << c.first << ": " << Describe(seen);
  }
}

TEST_F(EventTest, CloseBoxGivesOneCloseEventAndTheWindowStays) {
  const RECT r = WindowRect(window_);
  POINT box = {-1, -1};
  for (int y = r.top; y < r.top + 40 && box.x < 0; ++y) {
    for (int x = r.right - 1; x > r.right - 80 && box.x < 0; --x) {
      if (SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) box = {x - 3, y + 3};
    }
  }
  ASSERT_GE(box.x, 0) << "no close box found";
  ClickAt(box);
  std::vector<SeenEvent> seen = CollectEvents(400);
  EXPECT_EQ(CountEvents(seen, EventClose, 0, 0), 1) << Describe(seen);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(AppWindowHandle(0), window_);
}

TEST_F(EventTest, MinimiseRestoreAndMaximise) {
  SendMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  std::vector<SeenEvent> seen = CollectEvents(150);
  EXPECT_EQ(CountEvents(seen, EventMinimize, 0, 0), 1) << Describe(seen);
  EXPECT_EQ(CountEvents(seen, EventSize, 0, 0), 0) << Describe(seen);
  const std::pair<WPARAM, int> steps[] = {
      {SC_RESTORE, EventRestore}, {SC_MAXIMIZE, EventMaximize}, {SC_RESTORE, EventRestore}};
  for (const auto& step : steps) {
    SendMessageW(window_, WM_SYSCOMMAND, step.first, 0);
    seen = CollectEvents(150);
    std::vector<int> order;
    for (const SeenEvent& e : seen) {
      if (e.code == step.second || e.code == EventSize) order.push_back(e.code);
    }
    EXPECT_TRUE(MatchesSequence(order, {step.second, EventSize}, Describe(seen)));
  }
}

// The program's worker drives the progress window while the main thread
// waits, and ends with WM_CLOSE.
TEST_F(EventTest, AnotherThreadsOperationsAreServedDuringTheWait) {
  ASSERT_NE(OpenAppWindow(1, 0, 0, 400, 103, CopyTitle, ProgressWindowFlags, window_), nullptr);
  NewLabel(18, 40, 10, 350, 20, L"");
  NewProgressBar(19, 10, 30, 380, 15, 0, 100, 1);
  DrainEvents();
  int readBack = -1;
  bool done = false;
  std::thread worker([&] {
    WriteAttribute(19, ProgressMaximum, 250);
    for (int i = 1; i <= 20; ++i) {
      WriteText(18, L"C:\\Quelle\\gr\u00f6\u00dfer.txt");
      WriteState(19, i);
    }
    readBack = ReadState(19);
    SetAppWindowHidden(1, 0);
    SendMessageW(AppWindowHandle(1), WM_CLOSE, 0, 0);
    done = true;
  });
  std::vector<SeenEvent> seen;
  const bool closed =
      WaitForEvent([](const SeenEvent& e) { return e.code == EventClose; }, 5000, &seen);
  worker.join();
  ASSERT_TRUE(closed) << Describe(seen);
  EXPECT_TRUE(done);
  EXPECT_EQ(EventWindowNumber(), 1);
  seen = CollectEvents(100);
  EXPECT_EQ(CountEvents(seen, EventClose, 1, 1), 0) << "one close event: " << Describe(seen);
  EXPECT_EQ(readBack, 20);
  EXPECT_EQ(ReadText(18), L"C:\\Quelle\\gr\u00f6\u00dfer.txt");
  EXPECT_EQ(SendMessageW(GadgetHandle(19), PBM_GETRANGE, FALSE, 0), 250);
  EXPECT_TRUE(IsWindowVisible(AppWindowHandle(1))) << "closing is the program's decision";
}

}  // namespace
