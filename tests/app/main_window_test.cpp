// The main window as the program builds it: texts, values, geometry, order.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/main_window_table.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "support/gadget_table_view.h"
#include "support/program_env.h"
#include "support/program_texts.h"
#include "support/sequence.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(AppWindowHandle(MainWindow), nullptr);
    RestoreStartSettings();
  }
};

TEST_F(MainWindowTest, TitleSizeAndCentredPlacement) {
  HWND window = AppWindowHandle(MainWindow);
  wchar_t title[64];
  GetWindowTextW(window, title, 64);
  EXPECT_STREQ(title, MainTitle);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(AppWindowInnerWidth(MainWindow), 576);
  EXPECT_EQ(AppWindowInnerHeight(MainWindow), 422);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & 0x00CF0000u, 0x00CF0000u);
  RECT outer;
  GetWindowRect(window, &outer);
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - h) / 2);
}

TEST_F(MainWindowTest, GadgetsStoodWhereCreatedWithTheirTexts) {
  const auto& initial = InitialGadgets();
  ASSERT_EQ(initial.size(), std::size(MainGadgetRows));
  for (const GadgetRow& row : MainGadgetRows) {
    const GadgetSnapshot& seen = initial[static_cast<size_t>(row.gadget)];
    const RECT drawn = DrawnRect(row);
    EXPECT_EQ(seen.rect.left, drawn.left) << "gadget " << row.gadget;
    EXPECT_EQ(seen.rect.top, drawn.top) << "gadget " << row.gadget;
    EXPECT_EQ(seen.rect.right, drawn.right) << "gadget " << row.gadget;
    EXPECT_EQ(seen.rect.bottom, drawn.bottom) << "gadget " << row.gadget;
    EXPECT_EQ(seen.text, DrawnText(row)) << "gadget " << row.gadget;
  }
  // The first layout centres the run button; the snapshot was taken before.
  EXPECT_EQ(initial[RunButton].rect.left, 210);
  EXPECT_EQ(initial[RunButton].rect.top, 385);
  EXPECT_EQ(initial[RunButton].text, RunButtonText);
}

TEST_F(MainWindowTest, InitialValuesRangesAndUnitItems) {
  const auto& initial = InitialGadgets();
  for (const GadgetRow& row : MainGadgetRows) {
    const int state = initial[static_cast<size_t>(row.gadget)].state;
    if (row.startValue != NoStartValue) {
      EXPECT_EQ(state, row.startValue) << "gadget " << row.gadget;
    } else if (row.type == GadgetType::Option) {
      EXPECT_EQ(state, 0) << "gadget " << row.gadget;
    } else if (row.type == GadgetType::ListBox) {
      EXPECT_EQ(state, -1) << "gadget " << row.gadget;
    }
    if (row.type == GadgetType::SpinField) {
      HWND arrows = GetWindow(GadgetHandle(row.gadget), GW_HWNDNEXT);
      ASSERT_EQ(GetDlgCtrlID(arrows), row.gadget);
      int low = 0, high = 0;
      SendMessageW(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                   reinterpret_cast<LPARAM>(&high));
      EXPECT_EQ(low, 1) << "gadget " << row.gadget;
      EXPECT_EQ(high, 9999999) << "gadget " << row.gadget;
    }
  }
  EXPECT_EQ(initial[BySizeOption].state, 1);
  EXPECT_EQ(initial[CopyOption].state, 1);
  EXPECT_EQ(initial[PackageCountSpin].state, 10);
  EXPECT_EQ(initial[PackageSizeSpin].state, 700);
  HWND combo = GadgetHandle(SizeUnitCombo);
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(std::size(SizeUnits)));
  for (size_t i = 0; i < std::size(SizeUnits); ++i) {
    wchar_t item[32] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, SizeUnits[i]) << "item " << i;
  }
  EXPECT_EQ(initial[SizeUnitCombo].state, 2);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(combo, GWL_STYLE)) & 3u,
            static_cast<DWORD>(CBS_DROPDOWNLIST));
}

TEST_F(MainWindowTest, ControlsFollowCreationOrderNotNumbers) {
  std::vector<int> ids;
  for (HWND c = GetWindow(AppWindowHandle(MainWindow), GW_CHILD); c;
       c = GetWindow(c, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(c));
  }
  // Each spin field is a text part followed by its arrows, both numbered.
  EXPECT_TRUE(MatchesSequence(ids, {0, 1, 2, 3, 4, 6, 5, 5, 7, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                              "children of the main window in z order"));
}

TEST_F(MainWindowTest, OptionGroupsAreIndependent) {
  PostGadgetClick(MoveOption);
  EXPECT_EQ(ReadState(MoveOption), 1);
  EXPECT_EQ(ReadState(CopyOption), 0);
  EXPECT_EQ(ReadState(BySizeOption), 1);
  PostGadgetClick(ByCountOption);
  EXPECT_EQ(ReadState(ByCountOption), 1);
  EXPECT_EQ(ReadState(BySizeOption), 0);
  EXPECT_EQ(ReadState(MoveOption), 1);
  PostGadgetClick(CopyOption);
  PostGadgetClick(BySizeOption);
  EXPECT_EQ(ReadState(CopyOption), 1);
  EXPECT_EQ(ReadState(BySizeOption), 1);
  EXPECT_EQ(ReadState(ByCountOption), 0);
}

TEST_F(MainWindowTest, TypingIntoSpinFieldsChangesNothing) {
  for (int spin : {PackageCountSpin, PackageSizeSpin}) {
    const int before = ReadState(spin);
    HWND edit = GadgetHandle(spin);
    SetFocus(edit);
    SendMessageW(edit, WM_CHAR, L'5', 0);
    SendMessageW(edit, WM_CHAR, L'1', 0);
    RunLoopFor(30);
    EXPECT_EQ(ReadState(spin), before) << "spin " << spin;
    EXPECT_EQ(ReadText(spin), std::to_wstring(before));
  }
}

TEST_F(MainWindowTest, CannotBeMadeSmallerThanCreated) {
  HWND window = AppWindowHandle(MainWindow);
  MINMAXINFO info = {};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  RECT frame = {0, 0, 576, 422};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE, 0);
  EXPECT_EQ(info.ptMinTrackSize.x, frame.right - frame.left);
  EXPECT_EQ(info.ptMinTrackSize.y, frame.bottom - frame.top);
}

}  // namespace
