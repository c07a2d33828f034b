// The program on a display at 125, 150 and 200 %: the scale set before it
// starts, its windows laid out at that scale, and every text within its
// control at the font it then uses.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e/e2e_fixture.h"
#include "e2e/scaled_display.h"
#include "gui/toolbox/scoped.h"
#include "support/main_window_layout.h"
#include "support/temp_dir.h"

namespace {

using ScopedFont = Scoped<NullEmptyTraits<HFONT, DeleteObject>>;
using ScopedMemoryDc = Scoped<NullEmptyTraits<HDC, DeleteDC>>;

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

// The control stands where the 96-DPI rectangle is at dpi, within a pixel.
void ExpectScaled(HWND control, int x, int y, int w, int h, int dpi, const std::string& what) {
  ASSERT_NE(control, nullptr) << what;
  const RECT r = ControlRect(control);
  EXPECT_NEAR(r.left, Scaled(x, dpi), 1) << what;
  EXPECT_NEAR(r.top, Scaled(y, dpi), 1) << what;
  EXPECT_NEAR(r.right - r.left, Scaled(w, dpi), 1) << what;
  EXPECT_NEAR(r.bottom - r.top, Scaled(h, dpi), 1) << what;
}

void ExpectClientScaled(HWND window, int w, int h, int dpi, const std::string& what) {
  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_NEAR(client.right, Scaled(w, dpi), 1) << what;
  EXPECT_NEAR(client.bottom, Scaled(h, dpi), 1) << what;
}

// The program's font at dpi: the default GUI font, its height scaled from the
// scale this test program started at.
ScopedFont GuiFontAt(int dpi) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  const HDC screen = GetDC(nullptr);
  font.lfHeight = MulDiv(font.lfHeight, dpi, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return ScopedFont(CreateFontIndirectW(&font));
}

SIZE TextSize(HDC dc, HFONT font, const std::wstring& text) {
  SelectObject(dc, font);
  SIZE extent = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent;
}

// Every caption of the window's buttons, options, frames and labels fits its
// control: its extent at the font, with what the control draws beside it
// (button edges, an option's circle, a frame's line), within the control.
// A control already too narrow at 96 DPI may cut its text as much at the
// scale, no more; it is named in the output.
void ExpectTextsFit(HWND window, int dpi) {
  const ScopedFont font = GuiFontAt(dpi), font96 = GuiFontAt(96);
  const ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::wstring cls = ClassNameOf(c), text = WindowText(c);
    const LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
    int besides = 0;  // a label's text has the whole control
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
      besides = type == BS_GROUPBOX ? 20 : type == BS_AUTORADIOBUTTON ? 16 : 4;
    } else if (_wcsicmp(cls.c_str(), L"Static") != 0) {
      continue;
    }
    const RECT r = ControlRect(c);
    const int width = r.right - r.left;
    const SIZE size = TextSize(dc.Get(), font.Get(), text);
    const int room = width - Scaled(besides, dpi) - size.cx;
    const int room96 = MulDiv(width, 96, dpi) - besides - TextSize(dc.Get(), font96.Get(), text).cx;
    if (room96 < 0) printf("too narrow at 96 DPI by %d: %ls\n", -room96, text.c_str());
    EXPECT_GE(room, std::min(0, Scaled(room96, dpi)) - 1) << "width of " << text;
    if (type != BS_GROUPBOX) {
      EXPECT_LE(size.cy, r.bottom - r.top) << "height of " << text;
    }
  }
}

class DisplayScaleTest : public E2eTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {}  // the test starts the program with its source folder
  ScaledDisplay display_{GetParam()};
};

TEST_P(DisplayScaleTest, WindowsAreLaidOutAtTheScaleAndEveryTextFits) {
  const int dpi = GetParam();
  TempDir source;
  source.WriteSizedFile(L"a.txt", 10, 1);
  ASSERT_NO_FATAL_FAILURE(StartApp(L"\"" + source.Path() + L"\""));

  ExpectClientScaled(Main(), 576, 422, dpi, "main window");
  for (const CreatedGadget& e : CreationLayout) {
    ExpectScaled(G(e.gadget), e.x, e.y, e.w, e.h, dpi, "gadget " + std::to_string(e.gadget));
  }
  // At 216 once laid out, at 210 before (Wine lays the window out as it first shows it).
  const int runX = std::abs(ControlRect(G(RunButton)).left - Scaled(216, dpi)) <= 1 ? 216 : 210;
  ExpectScaled(G(RunButton), runX, 385, 145, 30, dpi, "run button");
  // A list box's lines are as high as its font: the font at the scale.
  const ScopedFont font = GuiFontAt(dpi);
  const ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
  EXPECT_EQ(SendWithin(G(PackageList), LB_GETITEMHEIGHT, 0, 0),
            TextSize(dc.Get(), font.Get(), L"Paket 1").cy);
  ExpectTextsFit(Main(), dpi);

  // The naming requester, with the progress window still hidden behind it.
  ClickGadget(RunButton);
  HWND requester = WaitForWindow(app_.Id(), L"InputRequester", ProgramCaption);
  ASSERT_NE(requester, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(requester, TextRequesterOk) != nullptr; }));
  WaitIdle(requester);
  RECT outer = {};
  GetWindowRect(requester, &outer);
  EXPECT_NEAR(outer.right - outer.left, Scaled(300, dpi), 1);
  EXPECT_NEAR(outer.bottom - outer.top, Scaled(130, dpi), 1);
  ExpectScaled(GetDlgItem(requester, 0), 10, 10, 280, 22, dpi, "prompt");
  ExpectScaled(GetDlgItem(requester, TextRequesterEntry), 10, 32, 275, 21, dpi, "entry");
  ExpectScaled(GetDlgItem(requester, TextRequesterOk), 110, 67, 80, 25, dpi, "OK");
  ExpectTextsFit(requester, dpi);

  HWND progress = ProgressWindow();
  ASSERT_NE(progress, nullptr);
  ExpectClientScaled(progress, 400, 103, dpi, "progress window");
  ExpectScaled(FindDescendant(progress, nullptr, FileLabel), 10, 10, 35, 15, dpi, "file label");
  ExpectScaled(FindDescendant(progress, nullptr, CurrentFileText), 40, 10, 350, 20, dpi, "file");
  ExpectScaled(FindDescendant(progress, nullptr, ProgressBar), 10, 30, 380, 15, dpi, "bar");
  ExpectScaled(FindDescendant(progress, nullptr, CancelButton), 155, 60, 90, 25, dpi, "cancel");
  ExpectTextsFit(progress, dpi);
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScaleTest, ::testing::Values(120, 144, 192));

}  // namespace
