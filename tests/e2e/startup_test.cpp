// The program as it comes up: where its window stands, what it shows, how
// the keyboard walks it, and how closing it ends the process.
#include "app/main_window_table.h"
#include "e2e/e2e_fixture.h"
#include "support/gadget_table_view.h"
#include "support/sequence.h"

namespace {

using StartUpTest = E2eTest;

TEST_F(StartUpTest, MainWindowIsCentredWithItsInitialValues) {
  RECT outer = {};
  GetWindowRect(Main(), &outer);
  RECT client = {};
  GetClientRect(Main(), &client);
  EXPECT_EQ(client.right, 576);
  EXPECT_EQ(client.bottom, 422);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

  EXPECT_EQ(WindowText(G(SourcePathField)), L"");
  EXPECT_TRUE(Checked(G(BySizeOption)));
  EXPECT_FALSE(Checked(G(ByCountOption)));
  EXPECT_EQ(WindowText(G(PackageCountSpin)), L"10");
  EXPECT_EQ(WindowText(G(PackageSizeSpin)), L"700");
  EXPECT_EQ(ComboItems(G(SizeUnitCombo)),
            std::vector<std::wstring>(std::begin(SizeUnits), std::end(SizeUnits)));
  EXPECT_EQ(ComboSelection(G(SizeUnitCombo)), 2);
  EXPECT_TRUE(Checked(G(CopyOption)));
  EXPECT_FALSE(Checked(G(MoveOption)));
  EXPECT_TRUE(ListLines(G(PackageList)).empty());
  EXPECT_TRUE(ListLines(G(ContentsList)).empty());
  EXPECT_EQ(WindowText(G(ContentsFrame)), ContentsCaption);
  EXPECT_EQ(WindowText(G(PreviewButton)), PreviewButtonText);
  EXPECT_EQ(WindowText(G(RunButton)), RunButtonText);
}

TEST_F(StartUpTest, TabWalksTheGadgetsInCreationOrder) {
  // The gadgets that take the focus, in the order the window was built.
  auto walk = [&](const std::vector<SequenceEntry<int>>& order) {
    std::vector<int> walked;
    for (const SequenceEntry<int>& stop : order) {
      KeyStroke(VK_TAB);
      walked.push_back(FocusedGadget(stop.value));
    }
    return walked;
  };
  ClickGadget(SourcePathField);
  ASSERT_EQ(FocusedGadget(SourcePathField), SourcePathField);
  std::vector<SequenceEntry<int>> expected = TabWalkFromFirst(MainGadgetTable);
  ASSERT_EQ(TabStops(MainGadgetTable).front().value, SourcePathField);
  EXPECT_TRUE(MatchesSequence(walk(expected), expected, "Tab from the source field"));
  KeyStroke(VK_TAB, VK_SHIFT);
  EXPECT_EQ(FocusedGadget(RunButton), RunButton) << "Shift+Tab from the first goes to the last";

  // Choosing moving changes only its own group, and the walk follows it.
  ASSERT_NO_FATAL_FAILURE(ChooseOption(MoveOption));
  EXPECT_FALSE(Settled([&] { return Checked(G(CopyOption)); }, false));
  EXPECT_TRUE(Checked(G(BySizeOption)));
  ClickGadget(SourcePathField);
  ASSERT_EQ(FocusedGadget(SourcePathField), SourcePathField);
  for (SequenceEntry<int>& stop : expected) {
    if (stop.value == CopyOption) stop.value = MoveOption;
  }
  EXPECT_TRUE(MatchesSequence(walk(expected), expected, "Tab with moving chosen"));
}

}  // namespace
