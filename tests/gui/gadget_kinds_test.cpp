#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/keep_value.h"
#include "gui_test_support.h"
#include "support/program_texts.h"

namespace {

std::vector<int> OptionStates() {
  return {ReadState(4), ReadState(6), ReadState(9), ReadState(10)};
}

// The main window's two option groups, each started after another kind of
// gadget. Wine's buttons also uncheck their group on BM_SETCHECK (Windows
// does not), so under Wine the written states hold without the layer's walk.
TEST_F(GadgetTest, OptionGroupsByProgramAndByClick) {
  NewFrame(3, 5, 60, 565, 80, L"Einstellungen f\u00fcr die Paketierung");
  NewOption(4, 15, 80, 195, 15, L"Paketieren anhand der Paketanzahl:");
  NewOption(6, 15, 107, 195, 15, L"Paketieren anhand der Paketgr\u00f6\u00dfe:");
  NewComboBox(8, 310, 105, 80, 20);
  NewOption(9, 415, 80, 105, 20, L"Dateien kopieren");
  NewOption(10, 415, 107, 122, 20, L"Dateien verschieben");
  std::vector<int> groups;
  for (int g : {4, 6, 9, 10})
    groups.push_back((GetWindowLongW(GadgetHandle(g), GWL_STYLE) & WS_GROUP) != 0);
  EXPECT_EQ(groups, (std::vector<int>{1, 0, 1, 0}));
  struct Step {
    int gadget, value;
    bool click;
    std::vector<int> expected;  // states of 4, 6, 9, 10
  } const steps[] = {
      {6, 1, false, {0, 1, 0, 0}},  {9, 1, false, {0, 1, 1, 0}}, {4, 1, false, {1, 0, 1, 0}},
      {10, 5, false, {1, 0, 0, 1}}, {4, 0, false, {0, 0, 0, 1}}, {6, 1, true, {0, 1, 0, 1}},
      {9, 1, true, {0, 1, 1, 0}},   {4, 1, true, {1, 0, 1, 0}},
  };
  for (const Step& s : steps) {
    if (!s.click) {
      WriteState(s.gadget, s.value);
    } else {
      DrainEvents();
      const RECT r = WindowRect(GadgetHandle(s.gadget));
      ClickAt(POINT{r.left + 6, (r.top + r.bottom) / 2});
      std::vector<SeenEvent> seen;
      EXPECT_TRUE(WaitForEvent(
          [&](const SeenEvent& e) { return e.code == EventGadget && e.gadget == s.gadget; }, 1000,
          &seen))
          << Describe(seen);
      EXPECT_TRUE(EventSubtype() == 0 && EventWindowNumber() == 0) << Describe(seen);
    }
    EXPECT_EQ(OptionStates(), s.expected)
        << "gadget " << s.gadget << (s.click ? " clicked" : " written");
  }
}

HWND Arrows() { return GetWindow(GadgetHandle(5), GW_HWNDNEXT); }

TEST_F(GadgetTest, ReadOnlySpinFieldStepsWithinItsRangeAndRefusesTyping) {
  const HWND text = NewSpinField(5, 215, 78, 85, 20, 1, 3, 3);
  wchar_t arrowClass[64] = {};
  GetClassNameW(Arrows(), arrowClass, 64);
  ASSERT_STREQ(arrowClass, UPDOWN_CLASSW);
  EXPECT_EQ(GetDlgCtrlID(Arrows()), 5);
  WriteState(5, 2);
  const std::pair<WORD, int> steps[] = {
      {VK_UP, 3}, {VK_UP, 3}, {VK_DOWN, 2}, {VK_DOWN, 1}, {VK_DOWN, 1}};
  for (const auto& step : steps) {
    SetFocus(text);
    DrainEvents();
    SendKeyStroke(step.first);
    std::vector<int> events = GadgetSubtypes(5, 120);
    events.erase(
        std::remove_if(events.begin(), events.end(), [](int s) { return s != 1 && s != -1; }),
        events.end());
    // At an end of the range the step is still reported, the value stays.
    EXPECT_EQ(events, std::vector<int>{step.first == VK_UP ? 1 : -1}) << "to " << step.second;
    EXPECT_EQ(ReadState(5), step.second);
    EXPECT_EQ(ReadText(5), std::to_wstring(step.second));
  }
  SendKeyStroke('7');
  CollectEvents(60);
  SendMessageW(text, WM_CHAR, '8', 0);
  EXPECT_EQ(ReadText(5), L"1");
  NewSpinField(7, 215, 105, 87, 20, 1, 9999999, 3);
  WriteState(7, 9999999);
  EXPECT_EQ(ReadText(7), L"9999999") << "no thousands separators";
}

TEST_F(GadgetTest, SpinArrowsSitAtTheRightAndFollowEnabling) {
  const HWND text = NewSpinField(5, 215, 78, 85, 20, 1, 9999999, 3);
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
    const RECT t = ControlRect(text), a = ControlRect(Arrows());
    const int half = (c.text.bottom - c.text.top) / 2;
    const RECT arrows = {t.right, t.top, t.right + half, t.bottom};
    EXPECT_TRUE(EqualRect(&t, &c.text))
        << t.left << "," << t.top << "," << t.right << "," << t.bottom;
    EXPECT_TRUE(EqualRect(&a, &arrows))
        << a.left << "," << a.top << "," << a.right << "," << a.bottom;
    EXPECT_EQ(GadgetOuterWidth(5), (t.right - t.left) + half);
  }
  // Read-only, but enabled: painted like a writable field.
  const HDC dc = GetDC(text);
  auto brush = [&] {
    return SendMessageW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(text));
  };
  EXPECT_EQ(brush(), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
  EnableWindow(text, FALSE);
  EXPECT_FALSE(IsWindowEnabled(Arrows()));
  EXPECT_NE(brush(), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNHIGHLIGHT)));
  EnableWindow(text, TRUE);
  EXPECT_TRUE(IsWindowEnabled(Arrows()));
  ReleaseDC(text, dc);
  const HWND arrows = Arrows();
  NewSpinField(5, 215, 78, 85, 20, 1, 10, 3);  // the number again
  EXPECT_FALSE(IsWindow(text) || IsWindow(arrows));
}

TEST_F(GadgetTest, ListBoxItemsSelectionAndMouseEvents) {
  const HWND list = NewListBox(12, 10, 160, 80, 215);
  EXPECT_EQ(ReadState(12), -1);
  BeginItemFill(12, 3);
  for (const wchar_t* text : {L"Paket 2", L"Paket 10", L"Paket 1"}) InsertItem(12, -1, text);
  EndItemFill(12);
  InsertItem(12, 0, L"Erstes");
  const wchar_t* expected[] = {L"Erstes", L"Paket 2", L"Paket 10", L"Paket 1"};
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
  for (int i = 0; i < 4; ++i) {
    WriteState(12, i);
    EXPECT_EQ(ReadState(12), i);
    EXPECT_EQ(ReadText(12), expected[i]);
  }
  DrainEvents();
  // The list box reports its own selection changes (subtype 0) too; the
  // release event comes on top, for a plain press on an item only.
  RECT item;
  SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  auto events = [&](UINT press, WPARAM keys, LPARAM moveTo) {
    PostMessageW(list, press, MK_LBUTTON | keys, at);
    if (moveTo) PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON | keys, moveTo);
    PostMessageW(list, WM_LBUTTONUP, keys, at);
    return GadgetSubtypes(12, 80);
  };
  const std::vector<int> plain = events(WM_LBUTTONDOWN, 0, 0);
  const std::vector<int> shifted = events(WM_LBUTTONDOWN, MK_SHIFT, 0);
  EXPECT_EQ(plain.size(), shifted.size() + 1);
  EXPECT_EQ(std::count(plain.begin(), plain.end(), 0), static_cast<long>(plain.size()));
  EXPECT_EQ(events(WM_LBUTTONDOWN, MK_CONTROL, 0).size(), shifted.size());
  const std::vector<int> twice = events(WM_LBUTTONDBLCLK, 0, 0);
  EXPECT_EQ(std::count(twice.begin(), twice.end(), LBN_DBLCLK), 1);
  const std::vector<int> drag = events(WM_LBUTTONDOWN, 0, at + GetSystemMetrics(SM_CXDRAG) + 1);
  EXPECT_EQ(std::count(drag.begin(), drag.end(), SubtypeDragStart), 1);
  EXPECT_EQ(drag.size(), shifted.size() + 1) << "the drag ends the tracking: no release";
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(ReadState(12), 1);
  WriteState(12, -1);
  EXPECT_EQ(ReadText(12), L"");
  ClearItems(12);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
}

// The room a fill asks the list box for; the box itself reserves nothing, so
// the test does not take gigabytes.
LPARAM askedRoom = 0;
WNDPROC listProc = nullptr;

LRESULT CALLBACK NoteInitStorage(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != LB_INITSTORAGE) return CallWindowProcW(listProc, list, message, wParam, lParam);
  askedRoom = lParam;
  return LB_ERRSPACE;
}

TEST_F(GadgetTest, ListFillAsksForRoomWithoutOverflow) {
  const HWND list = NewListBox(12, 10, 160, 80, 215);
  listProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteInitStorage)));
  // At 64 bytes an item, a 32-bit count turns negative at the first and
  // wraps to 64 bytes at the second.
  for (const int items : {33554432, 67108865}) {
    askedRoom = 0;
    BeginItemFill(12, items);
    EndItemFill(12);
    EXPECT_EQ(static_cast<int64_t>(askedRoom),
              std::min<int64_t>(items * int64_t{64}, std::numeric_limits<LPARAM>::max()))
        << items << " items";
  }
  SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
}

TEST_F(GadgetTest, ComboBoxTextHeightAndItems) {
  const HWND box = NewComboBox(8, 310, 105, 80, 20);
  EXPECT_EQ(ReadText(8), L"");
  for (const wchar_t* unit : SizeUnits) InsertItem(8, -1, unit);
  InsertItem(8, -1, L"mb (1000)");
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
  const RECT placed = ControlRect(box), expected = {5, 105, 125, 131};
  EXPECT_TRUE(EqualRect(&placed, &expected)) << placed.right << "," << placed.bottom;
  ClearItems(8);
  EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 0);
}

}  // namespace
