#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui_test_support.h"

namespace {

// The settings frame of the main window: two option groups, each started
// after another kind of gadget.
class OptionGroupTest : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    NewFrame(3, 5, 60, 565, 80, L"Einstellungen f\u00fcr die Paketierung");
    NewOption(4, 15, 80, 195, 15, L"Paketieren anhand der Paketanzahl:");
    NewOption(6, 15, 107, 195, 15, L"Paketieren anhand der Paketgr\u00f6\u00dfe:");
    NewSpinField(5, 215, 78, 85, 20, 1, 9999999, 3);
    NewComboBox(8, 310, 105, 80, 20);
    NewOption(9, 415, 80, 105, 20, L"Dateien kopieren");
    NewOption(10, 415, 107, 122, 20, L"Dateien verschieben");
  }
  static std::vector<int> States() { return {ReadState(4), ReadState(6), ReadState(9), ReadState(10)}; }
};

// Wine's buttons uncheck their group on BM_SETCHECK themselves (Windows does
// not), so under Wine the states hold with or without the layer's own walk.
TEST_F(OptionGroupTest, WritingAStateChecksWithinItsGroupOnly) {
  std::vector<int> groups;
  for (int g : {4, 6, 9, 10}) groups.push_back((GetWindowLongW(GadgetHandle(g), GWL_STYLE) & WS_GROUP) != 0);
  EXPECT_EQ(groups, (std::vector<int>{1, 0, 1, 0}));
  struct Step {
    int gadget, value;
    std::vector<int> expected;  // states of 4, 6, 9, 10
  } const steps[] = {
      {6, 1, {0, 1, 0, 0}},  {9, 1, {0, 1, 1, 0}}, {4, 1, {1, 0, 1, 0}}, {10, 5, {1, 0, 0, 1}},
      {6, 1, {0, 1, 0, 1}},  {6, 0, {0, 0, 0, 1}}, {4, 0, {0, 0, 0, 1}}, {9, 1, {0, 0, 1, 0}},
  };
  for (const Step& s : steps) {
    WriteState(s.gadget, s.value);
    EXPECT_EQ(States(), s.expected) << "after gadget " << s.gadget << " = " << s.value;
  }
}

TEST_F(OptionGroupTest, ClickingChecksWithinItsGroupAndReportsIt) {
  WriteState(6, 1);
  WriteState(9, 1);
  DrainEvents();
  struct Click {
    int gadget;
    std::vector<int> expected;
  } const clicks[] = {{10, {0, 1, 0, 1}}, {4, {1, 0, 0, 1}}};
  for (const Click& c : clicks) {
    const RECT r = WindowRect(GadgetHandle(c.gadget));
    const POINT p = {r.left + 6, (r.top + r.bottom) / 2};
    ASSERT_EQ(WindowFromPoint(p), GadgetHandle(c.gadget));
    ClickAt(p);
    std::vector<SeenEvent> seen;
    EXPECT_TRUE(WaitForEvent([&](const SeenEvent& e) { return e.code == EventGadget && e.gadget == c.gadget; },
                             1000, &seen)) << Describe(seen);
    EXPECT_EQ(EventSubtype(), 0);
    EXPECT_EQ(EventWindowNumber(), 0);
    EXPECT_EQ(States(), c.expected) << c.gadget;
  }
}

class SpinFieldTest : public GadgetTest {
 protected:
  static HWND Arrows() { return GetWindow(GadgetHandle(5), GW_HWNDNEXT); }
  // One arrow key in the text part; the step events (1 or -1) it gave.
  static std::vector<int> Step(WORD vk) {
    SetFocus(GadgetHandle(5));
    DrainEvents();
    PressKey(vk);
    std::vector<int> steps = GadgetSubtypes(5, 120);
    steps.erase(std::remove_if(steps.begin(), steps.end(), [](int s) { return s != 1 && s != -1; }),
                steps.end());
    return steps;
  }
};

TEST_F(SpinFieldTest, ReadOnlyFieldStepsWithinItsRangeAndRefusesTyping) {
  const HWND text = NewSpinField(5, 215, 78, 85, 20, 1, 3, 3);
  wchar_t arrowClass[64] = {};
  GetClassNameW(Arrows(), arrowClass, 64);
  ASSERT_STREQ(arrowClass, UPDOWN_CLASSW);
  EXPECT_EQ(GetDlgCtrlID(Arrows()), 5);
  WriteState(5, 2);
  struct Case {
    WORD key;
    int value;
  } const steps[] = {{VK_UP, 3}, {VK_UP, 3}, {VK_DOWN, 2}, {VK_DOWN, 1}, {VK_DOWN, 1}};
  for (const Case& c : steps) {
    const std::vector<int> events = Step(c.key);
    EXPECT_EQ(ReadState(5), c.value);
    EXPECT_EQ(ReadText(5), std::to_wstring(c.value));
    // At an end of the range Windows may still report the step.
    EXPECT_EQ(events, std::vector<int>{c.key == VK_UP ? 1 : -1}) << "to " << c.value;
  }
  PressKey('7');
  CollectEvents(60);
  SendMessageW(text, WM_CHAR, '8', 0);
  EXPECT_EQ(ReadText(5), L"1");
  NewSpinField(7, 215, 105, 87, 20, 1, 9999999, 3);
  WriteState(7, 9999999);
  EXPECT_EQ(ReadText(7), L"9999999") << "no thousands separators";
}

TEST_F(SpinFieldTest, ArrowPartSitsAtTheRightHalfAsWideAsHigh) {
  NewSpinField(5, 215, 78, 85, 20, 1, 9999999, 3);
  struct Case {
    int x, y, width, height;
    RECT text;
  } const cases[] = {
      {KeepValue, KeepValue, KeepValue, KeepValue, {215, 78, 290, 98}},  // as created
      {KeepValue, KeepValue, 120, 30, {215, 78, 320, 108}},
      {10, 20, KeepValue, KeepValue, {10, 20, 115, 50}},
      {10, 20, 61, 21, {10, 20, 61, 41}},
  };
  for (const Case& c : cases) {
    PlaceGadget(5, c.x, c.y, c.width, c.height);
    const RECT t = RectInParent(GadgetHandle(5)), a = RectInParent(Arrows());
    const int half = (c.text.bottom - c.text.top) / 2;
    EXPECT_TRUE(EqualRect(&t, &c.text)) << t.left << "," << t.top << "," << t.right << "," << t.bottom;
    const RECT arrows = {t.right, t.top, t.right + half, t.bottom};
    EXPECT_TRUE(EqualRect(&a, &arrows)) << a.left << "," << a.top << "," << a.right << "," << a.bottom;
    EXPECT_EQ(GadgetOuterWidth(5), (t.right - t.left) + half);
  }
}

TEST_F(SpinFieldTest, ArrowsFollowEnablingAndTheTextDoesNotLookDisabled) {
  const HWND text = NewSpinField(5, 215, 78, 85, 20, 1, 10, 3);
  const HDC dc = GetDC(text);
  auto colourAnswer = [&] {
    return SendMessageW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text));
  };
  EXPECT_EQ(colourAnswer(), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
  EnableWindow(text, FALSE);
  EXPECT_FALSE(IsWindowEnabled(Arrows()));
  EXPECT_NE(colourAnswer(), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNHIGHLIGHT)));
  EnableWindow(text, TRUE);
  EXPECT_TRUE(IsWindowEnabled(Arrows()));
  ReleaseDC(text, dc);
  const HWND arrows = Arrows();
  NewSpinField(5, 215, 78, 85, 20, 1, 10, 3);  // the number again
  EXPECT_FALSE(IsWindow(text));
  EXPECT_FALSE(IsWindow(arrows));
}

class ListTest : public GadgetTest {
 protected:
  static LPARAM ItemPoint(HWND list, int index) {
    RECT r;
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
  }
};

TEST_F(ListTest, ItemsKeepInsertionOrder) {
  const HWND list = NewListBox(12, 10, 160, 80, 215);
  EXPECT_EQ(ReadState(12), -1);
  BeginItemFill(12, 3);
  for (const wchar_t* text : {L"Paket 2", L"Paket 10", L"Paket 1"}) InsertItem(12, -1, text);
  EndItemFill(12);
  InsertItem(12, 0, L"Erstes");
  InsertItem(12, -1, nullptr);
  const wchar_t* expected[] = {L"Erstes", L"Paket 2", L"Paket 10", L"Paket 1", L""};
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i) {
    WriteState(12, i);
    EXPECT_EQ(ReadState(12), i);
    EXPECT_EQ(ReadText(12), expected[i]);
  }
  WriteState(12, -1);
  EXPECT_EQ(ReadState(12), -1);
  EXPECT_EQ(ReadText(12), L"");
  ClearItems(12);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListTest, ReleaseDoubleClickAndDragGiveEvents) {
  const HWND list = NewListBox(12, 10, 160, 80, 215);
  for (const wchar_t* text : {L"Paket 1", L"Paket 2"}) InsertItem(12, -1, text);
  WriteState(12, 1);
  DrainEvents();
  // The list box reports its own selection changes (subtype 0) too; the
  // release event comes on top, for a plain press on an item only.
  auto events = [&](UINT press, WPARAM keys, LPARAM at, LPARAM moveTo) {
    PostMessageW(list, press, MK_LBUTTON | keys, at);
    if (moveTo) PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON | keys, moveTo);
    PostMessageW(list, WM_LBUTTONUP, keys, at);
    return GadgetSubtypes(12, 80);
  };
  const LPARAM item = ItemPoint(list, 1);
  const std::vector<int> plain = events(WM_LBUTTONDOWN, 0, item, 0);
  const std::vector<int> shifted = events(WM_LBUTTONDOWN, MK_SHIFT, item, 0);
  EXPECT_EQ(plain.size(), shifted.size() + 1);
  EXPECT_EQ(std::count(plain.begin(), plain.end(), 0), static_cast<long>(plain.size()));
  EXPECT_EQ(events(WM_LBUTTONDOWN, MK_CONTROL, item, 0).size(), shifted.size());
  const std::vector<int> twice = events(WM_LBUTTONDBLCLK, 0, item, 0);
  EXPECT_EQ(std::count(twice.begin(), twice.end(), LBN_DBLCLK), 1);
  const int away = GetSystemMetrics(SM_CXDRAG) + 1;
  const std::vector<int> drag = events(WM_LBUTTONDOWN, 0, item, MAKELPARAM(LOWORD(item) + away, HIWORD(item)));
  EXPECT_EQ(std::count(drag.begin(), drag.end(), SubtypeDragStart), 1);
  EXPECT_EQ(drag.size(), shifted.size() + 1) << "the drag ends the tracking: no release";
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(ReadState(12), 1);
}

TEST_F(GadgetTest, ComboBoxTextHeightAndItems) {
  const HWND box = NewComboBox(8, 310, 105, 80, 20);
  EXPECT_EQ(ReadText(8), L"");
  for (const wchar_t* unit : {L"B", L"KiB (1024)", L"MiB (1024)", L"GiB (1024)", L"KB (1000)",
                              L"MB (1000)", L"GB (1000)", L"mb (1000)"}) {
    InsertItem(8, -1, unit);
  }
  EXPECT_EQ(ReadState(8), -1);
  WriteState(8, 2);
  EXPECT_EQ(ReadText(8), L"MiB (1024)");
  const std::pair<const wchar_t*, int> writes[] = {
      {L"mb (1000)", 7}, {L"MB (1000)", 5}, {L"Mb (1000)", 5}, {L"MB", 5}, {L"B", 0}, {L"", -1}};
  for (const auto& w : writes) {
    WriteText(8, w.first);
    EXPECT_EQ(ReadState(8), w.second) << "after writing item " << w.second;
  }
  EXPECT_EQ(WindowRect(box).bottom - WindowRect(box).top, 20);
  RECT dropped;
  SendMessageW(box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GT(dropped.bottom - dropped.top, 100);
  EXPECT_LE(dropped.bottom - dropped.top, 350);
  PlaceGadget(8, KeepValue, KeepValue, 120, 26);
  PlaceGadget(8, 5, KeepValue, KeepValue, KeepValue);
  const RECT placed = RectInParent(box), expected = {5, 105, 125, 131};
  EXPECT_TRUE(EqualRect(&placed, &expected)) << placed.right << "," << placed.bottom;
  ClearItems(8);
  EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 0);
}

}  // namespace
