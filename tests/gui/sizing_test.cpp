#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/keep_value.h"
#include "gui_test_support.h"

namespace {

// A sizable window with a minimum, and window contents shown while dragging
// (Wine's default is off; put back afterwards). Keys go to a text field.
class SizingTest : public GadgetTest {
 protected:
  void SetUp() override {
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &saved_, 0);
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    GadgetTest::SetUp();
    SetAppWindowBounds(0, 400, 300, KeepValue, KeepValue);
    start_ = minimum_ = WindowRect(window_);
    minimum_.right -= 176;  // inner 576 x 422 down to 400 x 300
    minimum_.bottom -= 122;
    SetFocus(NewTextField(1, 10, 10, 100, 20, L"", 0));
  }
  void TearDown() override {
    GadgetTest::TearDown();
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, saved_, nullptr, 0);
  }
  // Runs the wait until the window has the rectangle; the size events seen.
  int SizeEventsUntil(const RECT& expected) {
    std::vector<SeenEvent> seen;
    WaitForEvent(
        [&](const SeenEvent&) {
          const RECT r = WindowRect(window_);
          return EqualRect(&r, &expected) != 0;
        },
        1000, &seen);
    for (const SeenEvent& e : CollectEvents(30)) seen.push_back(e);  // queued behind
    const RECT r = WindowRect(window_);
    EXPECT_TRUE(EqualRect(&r, &expected))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    return CountEvents(seen, EventSize, 0, 0);
  }
  // Under Wine the pointer placed by SetCursorPos arrives a moment later,
  // and the next arrow key starts from where it is; so wait for it.
  static bool PointerReaches(POINT expected) {
    for (int i = 0; i < 50; ++i) {
      POINT p;
      GetCursorPos(&p);
      if (p.x == expected.x && p.y == expected.y) return true;
      CollectEvents(10);
    }
    return false;
  }
  // Wine reports a pointer place set by SetCursorPos late, sometimes after the
  // next one, which would size the window back to an older place; Windows
  // hands out only the latest. Keyboard sizing needs no mouse moves at all.
  static LRESULT CALLBACK DropMoves(int code, WPARAM wParam, LPARAM lParam) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && msg->message == WM_MOUSEMOVE) msg->message = WM_NULL;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static HCURSOR Cursor(LPCWSTR shape) { return LoadCursorW(nullptr, shape); }

  BOOL saved_ = FALSE;
  RECT start_ = {}, minimum_ = {};  // outer rectangles; the minimum has the same top left
};

// The mouse messages are posted to the window that holds the capture: Wine
// sometimes delivers a SendInput move only with the next input.
TEST_F(SizingTest, MouseSizingFollowsThePointerAndClampsAtTheMinimum) {
  PostMessageW(window_, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0);
  CollectEvents(30);
  EXPECT_EQ(GetCapture(), window_);
  const RECT& s = start_;
  const struct {
    POINT pointer;
    RECT rect;
  } steps[] = {
      {{s.right + 40, s.bottom + 20}, {s.left, s.top, s.right + 42, s.bottom + 22}},
      {{s.right - 20, s.bottom + 20}, {s.left, s.top, s.right - 18, s.bottom + 22}},
      {{s.left + 10, s.top + 10}, minimum_},
  };
  auto post = [this](UINT message, POINT screen) {
    ScreenToClient(window_, &screen);
    PostMessageW(window_, message, 0, MAKELPARAM(screen.x, screen.y));
  };
  for (const auto& step : steps) {
    post(WM_MOUSEMOVE, step.pointer);
    EXPECT_GE(SizeEventsUntil(step.rect), 1) << "size events follow every step";
  }
  post(WM_LBUTTONUP, steps[2].pointer);
  CollectEvents(30);
  EXPECT_EQ(GetCapture(), nullptr);
  post(WM_MOUSEMOVE, {s.right + 100, s.bottom + 100});
  EXPECT_EQ(CountEvents(CollectEvents(100), EventSize, 0, 0), 0) << "the release ended the sizing";
}

TEST_F(SizingTest, KeyboardSizingPicksTheCornerAndStepsByTenPixels) {
  // Wine sometimes holds a SendInput mouse move back until the next input;
  // one from an earlier test must not arrive during the sizing.
  SendKeyStroke(VK_SHIFT);
  CollectEvents(50);
  const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, DropMoves, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  PostMessageW(window_, WM_SYSCOMMAND, SC_SIZE, 0);  // what the Window menu's Size sends
  CollectEvents(30);
  EXPECT_EQ(GetCursor(), Cursor(IDC_SIZEALL));
  POINT before;
  GetCursorPos(&before);
  SendKeyStroke(VK_RIGHT);
  EXPECT_TRUE(PointerReaches({start_.right - 2, before.y}));
  EXPECT_EQ(GetCursor(), Cursor(IDC_SIZEWE));
  SendKeyStroke(VK_DOWN);
  POINT pointer = {start_.right - 2, start_.bottom - 2};
  EXPECT_TRUE(PointerReaches(pointer));
  EXPECT_EQ(GetCursor(), Cursor(IDC_SIZENWSE));
  RECT r = WindowRect(window_);
  EXPECT_TRUE(EqualRect(&r, &start_)) << "picking alone does not size";

  const struct {
    WORD key;
    int width, height;  // change against the start
  } steps[] = {
      {VK_RIGHT, 10, 0}, {VK_DOWN, 10, 10}, {VK_LEFT, 0, 10}, {VK_UP, 0, 0}, {VK_UP, 0, -10}};
  for (const auto& step : steps) {
    SendKeyStroke(step.key);
    r = start_;
    r.right += step.width;
    r.bottom += step.height;
    EXPECT_GE(SizeEventsUntil(r), 1) << "after key " << step.key;
    pointer = {start_.right - 2 + step.width, start_.bottom - 2 + step.height};
    EXPECT_TRUE(PointerReaches(pointer)) << "after key " << step.key;
  }
  for (int i = 0; i < 20; ++i) {
    SendKeyStroke(VK_LEFT);
    pointer.x -= 10;
    PointerReaches(pointer);
  }
  r = minimum_;
  r.bottom = start_.bottom - 10;
  SizeEventsUntil(r);  // clamped at the minimum width
  SendKeyStroke(VK_RETURN);
  CollectEvents(50);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(WindowRect(window_).bottom, start_.bottom - 10) << "Enter keeps the size reached";
  EXPECT_EQ(GetFocus(), GadgetHandle(1));
  UnhookWindowsHookEx(hook);
}

}  // namespace
