// The main window's layout follows its size.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/main_window_table.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui/toolbox/display_scale.h"
#include "support/program_env.h"

namespace {

std::vector<RECT> AllRects() {
  std::vector<RECT> rects;
  for (const GadgetRow& row : MainGadgetRows) {
    if (rects.size() <= static_cast<size_t>(row.gadget)) rects.resize(row.gadget + 1u);
    rects[static_cast<size_t>(row.gadget)] = GadgetRect(row.gadget);
  }
  return rects;
}

void ResizeInner(int width, int height) {
  HWND window = AppWindowHandle(MainWindow);
  RECT r = {0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE, 0);
  SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER);
  RunLoopFor(80);
}

void ExpectShift(const std::vector<RECT>& before, int gadget, int dx, int dy, int dw, int dh) {
  const RECT now = GadgetRect(gadget);
  const RECT& was = before[static_cast<size_t>(gadget)];
  EXPECT_EQ(now.left - was.left, dx) << "x of gadget " << gadget;
  EXPECT_EQ(now.top - was.top, dy) << "y of gadget " << gadget;
  EXPECT_EQ((now.right - now.left) - (was.right - was.left), dw) << "width of gadget " << gadget;
  EXPECT_EQ((now.bottom - now.top) - (was.bottom - was.top), dh) << "height of gadget " << gadget;
}

TEST(Layout, SizeEventAtCreationSizeMovesOnlyTheRunButton) {
  ResizeInner(576, 422);
  HWND window = AppWindowHandle(MainWindow);
  ShowWindow(window, SW_MINIMIZE);
  RunLoopFor(80);
  ShowWindow(window, SW_RESTORE);
  RunLoopFor(120);
  ASSERT_EQ(AppWindowInnerWidth(MainWindow), 576);
  const RECT run = GadgetRect(RunButton);
  EXPECT_EQ(run.left, 216);
  EXPECT_EQ(run.top, 385);
  const RECT contents = GadgetRect(ContentsList);
  EXPECT_EQ(contents.right - contents.left, 460);
  EXPECT_EQ(contents.bottom - contents.top, 215);
  EXPECT_EQ(GadgetRect(BrowseButton).left, 480);
}

TEST(Layout, EnlargingMovesAndStretchesTheNamedGadgets) {
  ResizeInner(576, 422);
  const std::vector<RECT> before = AllRects();
  ResizeInner(676, 472);
  ASSERT_EQ(AppWindowInnerWidth(MainWindow), 676);
  ASSERT_EQ(AppWindowInnerHeight(MainWindow), 472);
  // 100 wider and 50 higher: each gadget as its anchor says, a centred one by half.
  for (const GadgetRow& row : MainGadgetRows) {
    const unsigned a = row.anchor;
    ExpectShift(before, row.gadget,
                (a & AnchorFollowRight)    ? 100
                : (a & AnchorCentreAcross) ? 50
                                           : 0,
                (a & AnchorFollowBottom) ? 50 : 0, (a & AnchorStretchRight) ? 100 : 0,
                (a & AnchorStretchDown) ? 50 : 0);
  }
  // The same, spelt out for the gadgets that move.
  ExpectShift(before, BrowseButton, 100, 0, 0, 0);
  ExpectShift(before, ContentsList, 0, 0, 100, 50);
  ExpectShift(before, RunButton, 50, 50, 0, 0);
  ResizeInner(576, 422);
}

// Windows sends WM_DPICHANGED with the new scale and the outer rectangle it
// suggests (here: the creation size at that scale); Wine never does, so it is
// sent the same way here.
RECT MoveToScale(int dpi) {
  HWND window = AppWindowHandle(MainWindow);
  RECT suggested = {0, 0, MulDiv(576, dpi, 96), MulDiv(422, dpi, 96)}, outer;
  AdjustWindowRectForDpi(&suggested, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                         FALSE, 0, dpi);
  GetWindowRect(window, &outer);
  OffsetRect(&suggested, outer.left - suggested.left, outer.top - suggested.top);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RunLoopFor(100);
  return suggested;
}

// This process draws the frame at its own scale, not at the one sent, so the
// inner size at 144 comes out a little larger than the creation size there:
// the layout is compared with the one at 96 DPI at the same inner size.
TEST(Layout, AMoveToAnotherDisplayScaleLaysOutAtItWithItsFont) {
  HWND window = AppWindowHandle(MainWindow);
  ResizeInner(576, 422);
  const std::vector<RECT> before = AllRects();
  const LONG font = ControlFontHeight(GadgetHandle(RunButton));
  const RECT suggested = MoveToScale(144);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_TRUE(EqualRect(&outer, &suggested)) << "the window takes the suggested rectangle";
  MINMAXINFO limits = {};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left) << "the minimum at the scale";
  EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
  EXPECT_EQ(ControlFontHeight(GadgetHandle(PackageList)), MulDiv(font, 144, 96));
  const std::vector<RECT> scaled = AllRects();
  const int width = AppWindowInnerWidth(MainWindow), height = AppWindowInnerHeight(MainWindow);

  MoveToScale(96);
  const std::vector<RECT> back = AllRects();
  EXPECT_EQ(ControlFontHeight(GadgetHandle(PackageList)), font);
  ResizeInner(width, height);
  const std::vector<RECT> same = AllRects();
  for (size_t g = 0; g < same.size(); ++g) {
    EXPECT_TRUE(EqualRect(&back[g], &before[g])) << "gadget " << g << " back at 96 DPI";
    const int at96[] = {same[g].left, same[g].top, same[g].right, same[g].bottom};
    const int at144[] = {scaled[g].left, scaled[g].top, scaled[g].right, scaled[g].bottom};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(at144[i], MulDiv(at96[i], 144, 96), 1) << g;
  }
  ResizeInner(576, 422);
}

TEST(Layout, MinimisingLaysNothingOut) {
  ResizeInner(576, 422);
  const std::vector<RECT> before = AllRects();
  HWND window = AppWindowHandle(MainWindow);
  ShowWindow(window, SW_MINIMIZE);
  RunLoopFor(100);
  const std::vector<RECT> during = AllRects();
  for (size_t g = 0; g < before.size(); ++g) {
    EXPECT_TRUE(EqualRect(&before[g], &during[g])) << "gadget " << g;
  }
  ShowWindow(window, SW_RESTORE);
  RunLoopFor(100);
}

}  // namespace
