#include <thread>

#include "gui/app_window.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/keep_value.h"
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
      {MainWindowFlags, WS_OVERLAPPEDWINDOW, false, false},
      {ProgressWindowFlags, WS_CAPTION, false, false},  // caption added, no system menu
      // A tool window has neither box.
      {WS_OVERLAPPEDWINDOW | WindowToolWindow, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, true, true},
      // No caption added beside another bit.
      {WS_POPUP | WS_SYSMENU | WindowNoGadgetTarget, WS_SYSMENU, true, false},
  };
  static_assert((WS_OVERLAPPEDWINDOW | WindowToolWindow) == 0x00CF0004, "tool window flags");
  static_assert((WS_CAPTION | WS_SYSMENU | WS_THICKFRAME) == 0x00CC0000, "tool window frame");
  static_assert((WS_POPUP | WS_SYSMENU | WindowNoGadgetTarget) == 0x80080008, "pop-up flags");
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

TEST_F(WindowTest, HidingShowingAndClosingAnOwnedWindow) {
  const HWND owned =
      OpenAppWindow(1, 0, 0, 200, 100, L"Fortschritt",
                    WS_OVERLAPPEDWINDOW | WindowCentreOnParent | WindowHidden, window_);
  const HWND button = NewButton(20, 5, 5, 80, 25, L"Abbrechen");
  DrainEvents();
  EXPECT_FALSE(IsWindowVisible(owned));
  SetAppWindowHidden(1, 0);
  EXPECT_TRUE(IsWindowVisible(owned) && !IsIconic(owned));
  ShowWindow(owned, SW_MINIMIZE);
  SetAppWindowHidden(1, 1);
  EXPECT_FALSE(IsWindowVisible(owned));
  EXPECT_EQ(GetActiveWindow(), window_) << "hiding activates the owner";
  SetAppWindowHidden(1, 0);
  EXPECT_TRUE(IsWindowVisible(owned) && IsIconic(owned)) << "shown again as it was";
  ShowWindow(owned, SW_RESTORE);
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
      {301, 201, MainWindowFlags, nullptr},
      {screenWidth + 300, screenHeight + 200, MainWindowFlags, nullptr},  // cut to the screen
      {400, 103, ProgressWindowFlags, window_},
      {screenWidth, 103, ProgressWindowFlags, window_},  // would start left of the screen
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

// The press is 2 pixels inside the corner: there the layer's own sizing puts
// the edge where it was (it places the edge 2 pixels beyond the pointer).
void DragCorner(HWND hwnd, int dx, int dy) {
  const RECT r = WindowRect(hwnd);
  const POINT from = {r.right - 2, r.bottom - 2};
  ASSERT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(from.x, from.y)), HTBOTTOMRIGHT);
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

// Both with the system's sizing loop and with the layer's own, which runs
// when window contents are shown while dragging.
TEST_F(WindowTest, BorderDragStopsAtTheMinimumAndGrowsFreely) {
  BOOL saved = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &saved, 0);
  for (BOOL full : {FALSE, TRUE}) {
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, full, nullptr, 0);
    const HWND hwnd = OpenAppWindow(0, 0, 0, 300, 200, L"Ziehen", MainWindowFlags, nullptr);
    SetAppWindowBounds(0, AppWindowInnerWidth(0), AppWindowInnerHeight(0), KeepValue, KeepValue);
    SetAppWindowHidden(0, 0);
    BringToFront(hwnd);
    const RECT before = WindowRect(hwnd);
    DragCorner(hwnd, -150, -120);
    EXPECT_EQ(AppWindowInnerWidth(0), 300) << "contents shown: " << full;
    EXPECT_EQ(AppWindowInnerHeight(0), 200) << "contents shown: " << full;
    DragCorner(hwnd, 100, 60);
    EXPECT_EQ(AppWindowInnerWidth(0), 400) << "contents shown: " << full;
    EXPECT_EQ(AppWindowInnerHeight(0), 260) << "contents shown: " << full;
    EXPECT_EQ(WindowRect(hwnd).left, before.left);
    EXPECT_EQ(WindowRect(hwnd).top, before.top);
  }
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, saved, nullptr, 0);
  // A maximum applies as an outer size as well.
  SetAppWindowBounds(0, KeepValue, KeepValue, 700, KeepValue);
  MINMAXINFO info = {};
  info.ptMaxTrackSize = {3000, 2000};
  SendMessageW(AppWindowHandle(0), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  const RECT r = WindowRect(AppWindowHandle(0));
  EXPECT_EQ(info.ptMaxTrackSize.x, 700 + (r.right - r.left) - AppWindowInnerWidth(0));
  EXPECT_EQ(info.ptMaxTrackSize.y, 2000);
}

}  // namespace
