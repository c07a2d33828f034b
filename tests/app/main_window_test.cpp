// The main window as the program builds it: texts, values, geometry, order.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "support/main_window_layout.h"
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
  ASSERT_EQ(initial.size(), 17u);
  for (const CreatedGadget& e : CreationLayout) {
    const GadgetSnapshot& seen = initial[static_cast<size_t>(e.gadget)];
    EXPECT_EQ(seen.rect.left, e.x) << "gadget " << e.gadget;
    EXPECT_EQ(seen.rect.top, e.y) << "gadget " << e.gadget;
    EXPECT_EQ(seen.rect.right - seen.rect.left, e.w) << "gadget " << e.gadget;
    EXPECT_EQ(seen.rect.bottom - seen.rect.top, e.h) << "gadget " << e.gadget;
    EXPECT_EQ(seen.text, e.text) << "gadget " << e.gadget;
  }
  EXPECT_EQ(initial[RunButton].rect.left, 210);
  EXPECT_EQ(initial[RunButton].rect.top, 385);
  EXPECT_EQ(initial[RunButton].text, RunButtonText);
}

TEST_F(MainWindowTest, InitialValuesAndUnitItems) {
  const auto& initial = InitialGadgets();
  EXPECT_EQ(initial[ByCountOption].state, 0);
  EXPECT_EQ(initial[BySizeOption].state, 1);
  EXPECT_EQ(initial[CopyOption].state, 1);
  EXPECT_EQ(initial[MoveOption].state, 0);
  EXPECT_EQ(initial[PackageCountSpin].state, 10);
  EXPECT_EQ(initial[PackageSizeSpin].state, 700);
  EXPECT_EQ(initial[SizeUnitCombo].state, 2);
  EXPECT_EQ(initial[PackageList].state, -1);
  EXPECT_EQ(initial[ContentsList].state, -1);
  HWND combo = GadgetHandle(SizeUnitCombo);
  const wchar_t* units[] = {L"B",         L"KiB (1024)", L"MiB (1024)", L"GiB (1024)",
                            L"KB (1000)", L"MB (1000)",  L"GB (1000)"};
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 7);
  for (int i = 0; i < 7; ++i) {
    wchar_t item[32] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, units[i]) << "item " << i;
  }
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
