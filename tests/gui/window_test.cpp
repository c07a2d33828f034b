#include <thread>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui_test_support.h"

namespace {

using WindowTest = GadgetTest;  // for its clean-up; window 0 is opened anew where needed

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)); }

TEST_F(WindowTest, FlagWordsBecomeStylesAndEachNumberItsClass) {
  struct Case {
    unsigned flags;
    DWORD frameBits;  // style & 0x00FF0000
    bool visible, toolWindow;
  } const cases[] = {
      {0x10CF0001, 0x00CF0000, false, false},  // the main window
      {0x10000002, 0x00C00000, false, false},  // caption added, no system menu
      {0x00CF0004, 0x00CC0000, true, true},    // a tool window has neither box
      {0x80080008, 0x00080000, true, false},   // no caption added beside another bit
  };
  for (const Case& c : cases) {
    const HWND hwnd = OpenAppWindow(2, 10, 10, 200, 100, L"Flags", c.flags, nullptr);
    ASSERT_NE(hwnd, nullptr) << std::hex << c.flags;
    EXPECT_EQ(StyleOf(hwnd) & 0x00FF0000u, c.frameBits) << std::hex << c.flags;
    EXPECT_EQ(IsWindowVisible(hwnd) != 0, c.visible) << std::hex << c.flags;
    EXPECT_EQ((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, c.toolWindow);
    EXPECT_EQ(AppWindowInnerWidth(2), 200);
    EXPECT_EQ(AppWindowInnerHeight(2), 100);
    EXPECT_EQ(LayerWindowNumberOf(hwnd), 2);
  }
  WNDCLASSW wc = {};
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"WindowClass_2", &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  EXPECT_EQ(wc.hCursor, LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(wc.hIcon, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
}

TEST_F(WindowTest, ClosingDestroysGadgetsUnregistersAndActivatesTheOwner) {
  const HWND owned = OpenAppWindow(1, 0, 0, 200, 100, L"Fortschritt", 0x00000002, window_);
  const HWND button = NewButton(20, 5, 5, 80, 25, L"Abbrechen");
  BringToFront(owned);
  ASSERT_EQ(GetActiveWindow(), owned);
  CloseAppWindow(1);
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(GadgetHandle(20), nullptr);
  EXPECT_EQ(AppWindowHandle(1), nullptr);
  EXPECT_EQ(GetActiveWindow(), window_);
  WNDCLASSW wc;
  EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), L"WindowClass_1", &wc));
  // Opening a number that is open closes what it held first.
  const HWND again = OpenAppWindow(0, 0, 0, 100, 100, L"Neu", 0, nullptr);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(AppWindowHandle(0), again);
  EXPECT_EQ(GetAppWindowTitle(0), L"Neu");
}

TEST_F(WindowTest, CentringOnTheScreenOrTheParent) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(window_, nullptr, 101, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  struct Case {
    int width, height;
    unsigned flags;
    HWND parent;
  } const cases[] = {
      {301, 201, 0x10CF0001, nullptr},
      {screenWidth + 300, screenHeight + 200, 0x10CF0001, nullptr},  // cut to the screen
      {400, 103, 0x10000002, window_},
      {screenWidth, 103, 0x10000002, window_},  // would start left of the screen
  };
  for (const Case& c : cases) {
    const HWND hwnd = OpenAppWindow(1, 435, 191, c.width, c.height, L"", c.flags, c.parent);
    ASSERT_NE(hwnd, nullptr);
    const RECT r = WindowRect(hwnd);
    RECT area = {0, 0, screenWidth, screenHeight};
    if (c.parent) area = WindowRect(c.parent);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (!c.parent) {
      EXPECT_LE(width, screenWidth);
      EXPECT_LE(height, screenHeight);
    }
    const int x = area.left + ((area.right - area.left) - width) / 2;
    const int y = area.top + ((area.bottom - area.top) - height) / 2;
    EXPECT_EQ(r.left, x < 0 ? 0 : x) << c.width;
    EXPECT_EQ(r.top, y < 0 ? 0 : y) << c.width;
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), c.parent);
  }
}

TEST_F(WindowTest, OperationsOnNumbersWithoutWindowDoNothing) {
  for (int number : {-1, 7, 100000}) {
    EXPECT_EQ(AppWindowHandle(number), nullptr) << number;
    EXPECT_EQ(AppWindowInnerWidth(number), 0) << number;
    EXPECT_EQ(AppWindowInnerHeight(number), 0) << number;
    EXPECT_EQ(GetAppWindowTitle(number), L"") << number;
    SetAppWindowTitle(number, L"x");
    SetAppWindowHidden(number, 0);
    SetAppWindowBounds(number, 1, 1, 2, 2);
    CloseAppWindow(number);
  }
  EXPECT_EQ(OpenAppWindow(-1, 0, 0, 10, 10, L"", 0, nullptr), nullptr);
  SetAppWindowTitle(0, L"Dateien kopieren... (Abbruch l\u00e4uft...)");
  SetAppWindowTitle(0, nullptr);
  EXPECT_EQ(GetAppWindowTitle(0), L"Dateien kopieren... (Abbruch l\u00e4uft...)");
}

TEST_F(WindowTest, HiddenWindowAppearsWhenShownInTheStateItHad) {
  const HWND hwnd = OpenAppWindow(1, 0, 0, 200, 100, L"Versteckt", 0x10CF0002, window_);
  DrainEvents();
  EXPECT_FALSE(IsWindowVisible(hwnd));
  SetAppWindowHidden(1, 0);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  ShowWindow(hwnd, SW_MINIMIZE);
  SetAppWindowHidden(1, 1);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetActiveWindow(), window_);
  SetAppWindowHidden(1, 0);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(IsIconic(hwnd));
}

// Drags with real input from a helper thread, so that a sizing loop running
// inside a dispatch sees it as it happens.
void DragCorner(HWND hwnd, int dx, int dy) {
  const RECT r = WindowRect(hwnd);
  POINT from = {r.right - 1, r.bottom - 1};
  for (int inset = 1; inset < 10; ++inset) {
    from = {r.right - inset, r.bottom - inset};
    if (SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(from.x, from.y)) == HTBOTTOMRIGHT) break;
  }
  std::thread hand([=] {
    MoveMouseTo(from.x, from.y);
    Sleep(50);
    PressMouse();
    for (int step = 1; step <= 5; ++step) {
      Sleep(40);
      MoveMouseTo(from.x + dx * step / 5, from.y + dy * step / 5);
    }
    Sleep(50);
    ReleaseMouse();
  });
  CollectEvents(600);
  hand.join();
  CollectEvents(50);
}

TEST_F(WindowTest, BorderDragStopsAtTheMinimumAndGrowsFreely) {
  const HWND hwnd = OpenAppWindow(0, 0, 0, 300, 200, L"Ziehen", 0x10CF0001, nullptr);
  SetAppWindowBounds(0, AppWindowInnerWidth(0), AppWindowInnerHeight(0), KeepValue, KeepValue);
  SetAppWindowHidden(0, 0);
  BringToFront(hwnd);
  const RECT before = WindowRect(hwnd);
  DragCorner(hwnd, -150, -120);
  EXPECT_EQ(AppWindowInnerWidth(0), 300);
  EXPECT_EQ(AppWindowInnerHeight(0), 200);
  DragCorner(hwnd, 100, 60);
  EXPECT_EQ(AppWindowInnerWidth(0), 400);
  EXPECT_EQ(AppWindowInnerHeight(0), 260);
  EXPECT_EQ(WindowRect(hwnd).left, before.left);
  EXPECT_EQ(WindowRect(hwnd).top, before.top);
  // A maximum set later applies as an outer size as well.
  SetAppWindowBounds(0, KeepValue, KeepValue, 700, KeepValue);
  MINMAXINFO info = {};
  info.ptMaxTrackSize = {3000, 2000};
  SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, 700 + (before.right - before.left) - 300);
  EXPECT_EQ(info.ptMaxTrackSize.y, 2000);
}

}  // namespace
