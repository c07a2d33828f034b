// Tab moves and border sizing on the program's own main window.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/main_window_table.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "support/gadget_table_view.h"
#include "support/input.h"
#include "support/program_env.h"
#include "support/read.h"
#include "support/sequence.h"

namespace {

void Key(WORD vk, bool shift) {
  SendKeyStroke(vk, shift ? VK_SHIFT : 0);
  RunLoopFor(40);
}

class MainWindowInput : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreStartSettings();
    window_ = AppWindowHandle(MainWindow);
    SetForegroundWindow(window_);
    RunLoopUntil([this] { return GetForegroundWindow() == window_; }, 2000);
  }
  HWND window_ = nullptr;
};

TEST_F(MainWindowInput, TabFollowsCreationOrderAndWrapsBothWays) {
  // Frames never take the focus, and of each option group only the checked
  // button is a stop (the button control itself moves WS_TABSTOP with the check).
  const std::vector<SequenceEntry<int>> stops = TabWalkFromFirst(MainGadgetTable);
  ASSERT_EQ(TabStops(MainGadgetTable).front().value, SourcePathField);
  SetFocus(GadgetHandle(SourcePathField));
  std::vector<int> seen;
  for (size_t i = 0; i < stops.size(); ++i) {
    Key(VK_TAB, false);
    seen.push_back(FocusedGadget(window_));
  }
  EXPECT_TRUE(MatchesSequence(seen, stops, "Tab from the source field"));
  ASSERT_EQ(FocusedGadget(window_), SourcePathField);
  Key(VK_TAB, true);
  EXPECT_EQ(FocusedGadget(window_), RunButton) << "Shift+Tab from the first goes to the last";
  Key(VK_TAB, true);
  EXPECT_EQ(FocusedGadget(window_), PreviewButton);
}

TEST_F(MainWindowInput, BorderSizingLaysTheWindowOutOnEveryStep) {
  BOOL saved = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &saved, 0);
  // Wine's default is off; with it off the system would size the window.
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
  RECT start;
  GetWindowRect(window_, &start);
  auto move = [this](LONG x, LONG y) {
    POINT p = {x, y};
    ScreenToClient(window_, &p);
    PostMessageW(window_, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    RunLoopFor(80);
  };
  PostMessageW(window_, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0);
  RunLoopFor(50);
  move(start.right + 58, start.bottom + 38);
  EXPECT_EQ(AppWindowInnerWidth(MainWindow), 576 + 60);
  EXPECT_EQ(AppWindowInnerHeight(MainWindow), 422 + 40);
  const RECT contents = [] {
    RECT r;
    GetWindowRect(GadgetHandle(ContentsList), &r);
    return r;
  }();
  EXPECT_EQ(contents.right - contents.left, 460 + 60) << "the contents list follows the border";
  move(start.left + 20, start.top + 20);
  EXPECT_EQ(AppWindowInnerWidth(MainWindow), 576) << "clamped at the creation size";
  EXPECT_EQ(AppWindowInnerHeight(MainWindow), 422);
  PostMessageW(window_, WM_LBUTTONUP, 0, 0);
  RunLoopFor(50);
  EXPECT_EQ(GetCapture(), nullptr);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, saved, nullptr, 0);
}

}  // namespace
