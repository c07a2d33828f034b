#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "gui/app_window.h"
#include "gui/event_codes.h"
#include "gui/events.h"
#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/keep_value.h"
#include "gui_test_support.h"
#include "support/dialog_driver.h"
#include "support/program_texts.h"

namespace {

TEST_F(GadgetTest, EachKindIsItsControlWithItsStylesAndText) {
  struct Case {
    const char* kind;
    HWND handle;
    const wchar_t* windowClass;
    DWORD style, exStyle;
  } const cases[] = {
      {"frame", NewFrame(0, 5, 5, 565, 50, L"Rahmen"), L"Button", FrameStyle, 0},
      {"text", NewTextField(1, 15, 25, 455, 20, L"C:\\", TextFieldReadOnly), L"Edit",
       TextFieldStyle | TextFieldReadOnly, WS_EX_CLIENTEDGE},
      {"button", NewButton(2, 480, 21, 80, 25, L"Durchsuchen"), L"Button", ButtonStyle, 0},
      {"option", NewOption(4, 15, 80, 195, 15, L"Eins"), L"Button", OptionStyle | WS_GROUP, 0},
      {"spin", NewSpinField(5, 215, 78, 85, 20, 1, 9999999, SpinReadOnly | SpinShowsPosition),
       L"Edit", SpinTextStyle | ES_READONLY, WS_EX_CLIENTEDGE},
      {"combo", NewComboBox(8, 310, 105, 80, 20), L"ComboBox", ComboBoxStyle, 0},
      {"list", NewListBox(12, 10, 160, 80, 215), L"ListBox", ListBoxStyle, WS_EX_CLIENTEDGE},
      {"label", NewLabel(17, 10, 10, 35, 15, L"Datei:"), L"Static", LabelStyle, 0},
      {"progress", NewProgressBar(19, 10, 30, 380, 15, 0, 100, ProgressSmooth), PROGRESS_CLASSW,
       ProgressBarStyle | ProgressSmooth, 0},
  };
  static_assert((TextFieldStyle | TextFieldReadOnly) == 0x50030880, "read-only text field");
  static_assert((OptionStyle | WS_GROUP) == 0x50030009, "first option of a group");
  static_assert((ProgressBarStyle | ProgressSmooth) == 0x50000001, "smooth progress bar");
  static_assert(WS_EX_CLIENTEDGE == 0x200, "sunken edge");
  for (const Case& c : cases) {
    ASSERT_NE(c.handle, nullptr) << c.kind;
    wchar_t name[64] = {};
    GetClassNameW(c.handle, name, 64);
    EXPECT_EQ(_wcsicmp(name, c.windowClass), 0) << c.kind;
    // List and combo boxes manage their scroll-bar and border bits themselves.
    const DWORD style = static_cast<DWORD>(GetWindowLongW(c.handle, GWL_STYLE)) & ~0x00B00000u;
    EXPECT_EQ(style & (c.style | 0xFFFF0000u), c.style & ~0x00B00000u)
        << c.kind << std::hex << style;
    EXPECT_EQ(GetWindowLongW(c.handle, GWL_EXSTYLE) & c.exStyle, static_cast<LONG>(c.exStyle));
    EXPECT_EQ(SendMessageW(c.handle, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)))
        << c.kind;
    EXPECT_EQ(LayerWindowNumberOf(c.handle), 0) << c.kind;
    EXPECT_EQ(GadgetHandle(GetDlgCtrlID(c.handle)), c.handle) << c.kind;
  }
  EXPECT_EQ(ReadText(1), L"C:\\");
  const wchar_t* text = L"Inhalt des markierten Pakets (12,50 MiB) \u00e4\u00f6\u00fc\u00df";
  for (int gadget : {0, 1, 2, 17}) {
    WriteText(gadget, text);
    EXPECT_EQ(ReadText(gadget), text) << gadget;
    WriteText(gadget, nullptr);
    EXPECT_EQ(ReadText(gadget), L"") << gadget;
  }
  WriteState(17, 1);  // a label has no state
  EXPECT_EQ(ReadState(17), 0);
}

TEST_F(GadgetTest, NumbersWithoutWindowOrGadgetDoNothing) {
  for (int number : {-1, 7, 1000, 1 << 20}) {
    WriteText(number, L"x");
    WriteState(number, 1);
    InsertItem(number, -1, L"x");
    ClearItems(number);
    WriteAttribute(number, 2, 10);
    PlaceGadget(number, 1, 2, 3, 4);
    SetAppWindowTitle(number, L"x");
    SetAppWindowHidden(number, 0);
    SetAppWindowBounds(number, 1, 1, 2, 2);
    CloseAppWindow(number);
    EXPECT_TRUE(ReadText(number).empty() && GetAppWindowTitle(number).empty()) << number;
    EXPECT_EQ(ReadState(number), 0) << number;
    EXPECT_EQ(GadgetOuterWidth(number), 0) << number;
    EXPECT_EQ(AppWindowInnerWidth(number), 0) << number;
    EXPECT_EQ(AppWindowInnerHeight(number), 0) << number;
    EXPECT_TRUE(!GadgetHandle(number) && !AppWindowHandle(number)) << number;
  }
  EXPECT_EQ(OpenAppWindow(-1, 0, 0, 10, 10, L"", 0, nullptr), nullptr);
  SetAppWindowTitle(0, CopyCancellingTitle);
  SetAppWindowTitle(0, nullptr);
  EXPECT_EQ(GetAppWindowTitle(0), CopyCancellingTitle);
}

TEST_F(GadgetTest, ReusedNumbersAndTheTargetWindow) {
  const HWND first = NewButton(6, 5, 5, 80, 25, L"Alt");
  const HWND second = NewListBox(6, 5, 40, 80, 100);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GadgetHandle(6), second);
  DestroyWindow(second);
  EXPECT_EQ(GadgetHandle(6), nullptr) << "a destroyed control frees its number";
  OpenAppWindow(1, 600, 0, 200, 100, L"Werkzeug", WS_OVERLAPPEDWINDOW | WindowNoGadgetTarget,
                nullptr);
  EXPECT_EQ(GetParent(NewButton(3, 5, 5, 80, 25, L"Hier")), window_)
      << "WindowNoGadgetTarget keeps the target";
  const HWND other = OpenAppWindow(2, 600, 200, 200, 100, L"Neu", WS_OVERLAPPEDWINDOW, nullptr);
  EXPECT_EQ(GetParent(NewButton(4, 5, 5, 80, 25, L"Dort")), other);
}

TEST_F(GadgetTest, ProgressBarRangeEndsAndPlacing) {
  const HWND bar = NewProgressBar(19, 10, 30, 380, 15, 5, 100, 1);
  auto range = [bar] {
    return std::make_pair(SendMessageW(bar, PBM_GETRANGE, TRUE, 0),
                          SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
  };
  EXPECT_EQ(range(), std::make_pair(LRESULT{5}, LRESULT{100}));
  WriteAttribute(19, ProgressMaximum, 123456);
  EXPECT_EQ(range(), std::make_pair(LRESULT{5}, LRESULT{123456}));
  WriteAttribute(19, ProgressMinimum, 2);
  WriteAttribute(19, 3, 7);  // no such attribute
  EXPECT_EQ(range(), std::make_pair(LRESULT{2}, LRESULT{123456}));
  WriteState(19, 777);
  EXPECT_EQ(ReadState(19), 777);
  PlaceGadget(19, KeepValue, KeepValue, 200, 20);
  PlaceGadget(19, 7, KeepValue, KeepValue, KeepValue);
  const RECT r = ControlRect(bar), expected = {7, 30, 207, 50};
  EXPECT_TRUE(EqualRect(&r, &expected))
      << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  EXPECT_EQ(GadgetOuterWidth(19), 200);
}

TEST_F(GadgetTest, ReadAttributeGivesAProgressBarsRangeEndsAndZeroElsewhere) {
  NewProgressBar(19, 10, 30, 380, 15, 5, 100, ProgressSmooth);
  NewButton(2, 480, 21, 80, 25, L"Durchsuchen");
  EXPECT_EQ(ReadAttribute(19, ProgressMinimum), 5);
  EXPECT_EQ(ReadAttribute(19, ProgressMaximum), 100);
  WriteAttribute(19, ProgressMaximum, 123456);
  WriteAttribute(19, ProgressMinimum, 2);
  int fromOtherThread = 0;
  RunOnOtherThread([&] { fromOtherThread = ReadAttribute(19, ProgressMaximum); });
  EXPECT_EQ(fromOtherThread, 123456) << "asked from another thread, answered by the owner";
  EXPECT_EQ(ReadAttribute(19, ProgressMinimum), 2);
  EXPECT_EQ(ReadAttribute(19, 3), 0) << "no such attribute";
  for (int gadget : {2, 7}) {  // a button has no range; 7 is no gadget
    EXPECT_EQ(ReadAttribute(gadget, ProgressMinimum), 0) << gadget;
    EXPECT_EQ(ReadAttribute(gadget, ProgressMaximum), 0) << gadget;
  }
}

// A gadget's number is its control's identifier, which any child window may
// carry as well: a stranger with the same one gives no gadget event.
TEST_F(GadgetTest, OnlyTheLayersOwnControlIsTheGadget) {
  const HWND gadget = NewButton(2, 5, 5, 80, 25, L"Echt");
  const HWND stranger =
      CreateWindowExW(0, L"Button", L"Fremd", WS_CHILD | WS_VISIBLE, 5, 40, 80, 25, window_,
                      reinterpret_cast<HMENU>(INT_PTR{2}), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(stranger, nullptr);
  const std::pair<HWND, int> cases[] = {{gadget, 1}, {stranger, 0}};
  for (const auto& [control, events] : cases) {
    DrainEvents();
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    const std::vector<int> subtypes = GadgetSubtypes(2, 60);
    EXPECT_EQ(std::count(subtypes.begin(), subtypes.end(), BN_CLICKED), events)
        << (control == gadget ? "gadget" : "stranger");
  }
  DestroyWindow(stranger);
}

TEST_F(GadgetTest, ProgressBarPaintsOnlyWholePixelsButCountsEveryStep) {
  const HWND bar = NewProgressBar(19, 10, 30, 380, 15, 0, 1, 1);
  WriteAttribute(19, ProgressMaximum, 100000);
  RECT client = {};
  GetClientRect(bar, &client);
  const LRESULT perPixel = 100000 / (client.right - client.left) + 1;
  auto shown = [bar] { return SendMessageW(bar, PBM_GETPOS, 0, 0); };
  for (int i = 1; i <= 3000; ++i) {
    WriteState(19, ReadState(19) + 1);
    ASSERT_EQ(ReadState(19), i);
    ASSERT_LE(i - shown(), perPixel) << "the bar lags by more than a pixel at " << i;
  }
  EXPECT_LT(shown(), 3000) << "every step was handed to the control";
  WriteState(19, 3001);
  WriteAttribute(19, ProgressMaximum, 200000);  // a held step goes to the control first
  EXPECT_EQ(shown(), 3001);
  WriteState(19, 200000);
  EXPECT_EQ(shown(), 200000) << "the end of the range is shown exactly";
  WriteState(19, 250000);
  EXPECT_EQ(ReadState(19), 200000) << "kept within the range";
}

TEST_F(GadgetTest, TextFieldReportsFocusAndEditing) {
  SetFocus(NewTextField(1, 5, 5, 100, 20, L"", 0));
  NewTextField(2, 5, 35, 100, 20, L"", 0);
  DrainEvents();
  SetFocus(GadgetHandle(2));
  std::vector<SeenEvent> seen;
  for (const SeenEvent& e : CollectEvents(60)) {
    if (e.code == EventGadget) seen.push_back(e);
  }
  ASSERT_EQ(seen.size(), 2u) << Describe(seen);
  EXPECT_TRUE(seen[0].gadget == 1 && seen[0].subtype == SubtypeFocusLost) << Describe(seen);
  EXPECT_TRUE(seen[1].gadget == 2 && seen[1].subtype == SubtypeFocusGained) << Describe(seen);
  SendKeyStroke('A');
  const std::vector<int> typing = GadgetSubtypes(2, 100);
  EXPECT_NE(std::find(typing.begin(), typing.end(), EN_CHANGE), typing.end());
  EXPECT_EQ(ReadText(2), L"a");
}

}  // namespace
