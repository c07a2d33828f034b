#include <windows.h>

#include <commctrl.h>

#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui_test_support.h"
#include "support/sequence.h"

namespace {

// Every kind of gadget, in an order unlike the numbers.
class FocusTest : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    NewFrame(0, 5, 5, 300, 200, L"Rahmen");
    NewLabel(1, 10, 20, 60, 15, L"Datei:");
    NewTextField(2, 10, 40, 100, 20, L"", TextFieldReadOnly);
    NewButton(3, 120, 40, 80, 25, L"Durchsuchen");
    NewOption(5, 10, 70, 100, 15, L"Eins");
    NewOption(4, 10, 90, 100, 15, L"Zwei");
    NewSpinField(6, 120, 70, 85, 20, 1, 10, 3);
    NewComboBox(7, 120, 100, 80, 20);
    NewProgressBar(8, 10, 130, 200, 15, 0, 100, 1);
    NewListBox(9, 220, 40, 80, 100);
  }
  // The gadget that has the focus after a Tab or Shift+Tab typed by the user.
  static int TabTo(bool shift) {
    SendKeyStroke(VK_TAB, shift ? VK_SHIFT : 0);
    CollectEvents(50);
    for (int g = 0; g < 10; ++g) {
      if (GadgetHandle(g) && GadgetHandle(g) == GetFocus()) return g;
    }
    return -1;
  }
};

TEST_F(FocusTest, TabFollowsCreationOrderAndWraps) {
  const std::vector<int> order = {2, 3, 5, 4, 6, 7, 9};
  std::vector<int> forwards, backwards;
  for (size_t i = 0; i < order.size() + 2; ++i) forwards.push_back(TabTo(false));
  EXPECT_TRUE(
      MatchesSequence(forwards, {2, 3, 5, 4, 6, 7, 9, 2, 3}, "Tab, no current unit: the first"));
  SetFocus(GadgetHandle(2));
  for (size_t i = 0; i < order.size() + 1; ++i) backwards.push_back(TabTo(true));
  EXPECT_TRUE(MatchesSequence(backwards, {9, 7, 6, 4, 5, 3, 2, 9}, "Shift+Tab from the first"));
}

TEST_F(FocusTest, DisabledAndHiddenGadgetsAreSkipped) {
  EnableWindow(GadgetHandle(3), FALSE);
  ShowWindow(GadgetHandle(5), SW_HIDE);
  SetFocus(GadgetHandle(2));
  EXPECT_EQ(TabTo(false), 4);
  EXPECT_EQ(TabTo(true), 2);
  // From the list box, which takes arrow keys itself but not Tab.
  SetFocus(GadgetHandle(9));
  EXPECT_EQ(TabTo(false), 2);
}

}  // namespace
