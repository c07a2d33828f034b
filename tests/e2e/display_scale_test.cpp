// The program on a display at 125, 150 and 200 %: the scale set before it
// starts, its windows laid out at that scale, and every text within its
// control at the font of that scale.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/main_window_table.h"
#include "e2e/e2e_fixture.h"
#include "e2e/scaled_display.h"
#include "gui/toolbox/scoped.h"
#include "run/progress_window_table.h"
#include "support/gadget_table_view.h"
#include "support/temp_dir.h"

namespace {

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

// A control, or by its client area a window, with its rectangle at 96 DPI:
// it stands there scaled, within a pixel.
struct Place {
  HWND hwnd;
  int x, y, w, h;
};
void ExpectScaled(const std::vector<Place>& places, int dpi) {
  for (const Place& p : places) {
    RECT r = ControlRect(p.hwnd);
    if (!(GetWindowLongW(p.hwnd, GWL_STYLE) & WS_CHILD)) GetClientRect(p.hwnd, &r);
    const int seen[] = {r.left, r.top, r.right - r.left, r.bottom - r.top},
              at96[] = {p.x, p.y, p.w, p.h};
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(seen[i], Scaled(at96[i], dpi), 1) << i << " of " << WindowText(p.hwnd);
    }
  }
}

// Width of a text at the default GUI font of dpi (this program runs at 96).
int TextWidth(const std::wstring& text, int dpi, int* height) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = Scaled(font.lfHeight, dpi);
  const Scoped<NullEmptyTraits<HFONT, DeleteObject>> scaled(CreateFontIndirectW(&font));
  const Scoped<NullEmptyTraits<HDC, DeleteDC>> dc(CreateCompatibleDC(nullptr));
  SelectObject(dc.Get(), scaled.Get());
  SIZE size = {};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  *height = size.cy;
  return size.cx;
}

// Every caption of the window's buttons, options, frames and labels fits its
// control, with what the control draws beside it (button edges, an option's
// circle, a frame's line). One already too narrow at 96 DPI may cut its text
// as much at the scale, no more; it is named in the output.
void ExpectTextsFit(HWND window, int dpi) {
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::wstring kind = ClassNameOf(c), text = WindowText(c);
    const LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
    int besides = 0;  // a label's text has the whole control
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      besides = type == BS_GROUPBOX ? 20 : type == BS_AUTORADIOBUTTON ? 16 : 4;
    } else if (_wcsicmp(kind.c_str(), L"Static") != 0) {
      continue;
    }
    const RECT r = ControlRect(c);
    int height = 0, height96 = 0;
    const int room = r.right - r.left - Scaled(besides, dpi) - TextWidth(text, dpi, &height);
    const int room96 = MulDiv(r.right - r.left, 96, dpi) - besides - TextWidth(text, 96, &height96);
    if (room96 < 0) printf("too narrow at 96 DPI by %d: %ls\n", -room96, text.c_str());
    EXPECT_GE(room, std::min(0, Scaled(room96, dpi)) - 1) << "width of " << text;
    if (type != BS_GROUPBOX) {
      EXPECT_LE(height, r.bottom - r.top) << "height of " << text;
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
  std::vector<Place> main = {{Main(), 0, 0, 576, 422}};
  for (const GadgetRow& row : MainGadgetRows) {
    if (row.gadget == RunButton) continue;  // moved by the first layout, below
    const RECT r = DrawnRect(row);
    main.push_back({G(row.gadget), r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  // At 216 once laid out, at 210 before (Wine lays the window out as it first shows it).
  const int runX = std::abs(ControlRect(G(RunButton)).left - Scaled(216, dpi)) <= 1 ? 216 : 210;
  main.push_back({G(RunButton), runX, 385, 145, 30});
  ExpectScaled(main, dpi);
  ExpectTextsFit(Main(), dpi);

  // The naming requester, with the progress window still hidden behind it.
  ClickGadget(RunButton);
  HWND requester = WaitForWindow(app_.Id(), TextRequesterClass, ProgramCaption);
  ASSERT_NE(requester, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(requester, TextRequesterOk) != nullptr; }));
  WaitIdle(requester);
  RECT outer = {};
  GetWindowRect(requester, &outer);
  EXPECT_NEAR(outer.right - outer.left, Scaled(300, dpi), 1);
  EXPECT_NEAR(outer.bottom - outer.top, Scaled(130, dpi), 1);
  ExpectScaled({{GetDlgItem(requester, 0), 10, 10, 280, 22},
                {GetDlgItem(requester, TextRequesterEntry), 10, 32, 275, 21},
                {GetDlgItem(requester, TextRequesterOk), 110, 67, 80, 25}},
               dpi);
  ExpectTextsFit(requester, dpi);
  HWND progress = ProgressWindow();
  ASSERT_NE(progress, nullptr);
  auto in = [progress](int gadget) { return FindDescendant(progress, nullptr, gadget); };
  std::vector<Place> progressPlaces = {{progress, 0, 0, 400, 103}};
  for (const GadgetRow& row : ProgressGadgetRows) {
    progressPlaces.push_back({in(row.gadget), row.x, row.y, row.width, row.height});
  }
  ExpectScaled(progressPlaces, dpi);
  ExpectTextsFit(progress, dpi);
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScaleTest, ::testing::Values(120, 144, 192));

}  // namespace
