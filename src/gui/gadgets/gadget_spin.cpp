// Spin fields: a text part ("EDIT") with an arrow part ("msctls_updown32")
// at its right, half as wide as the field is high.
#include <windows.h>

#include <commctrl.h>

#include "gui/event_codes.h"
#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_kind.h"
#include "gui/toolbox/display_scale.h"

namespace {

RECT TextPartRect(GadgetRecord& g) { return ControlRectInParent(g.handle); }

int SpinOuterWidth(GadgetRecord& g) {
  const RECT r = TextPartRect(g);
  return (r.right - r.left) + (r.bottom - r.top) / 2;
}

RECT SpinRect(GadgetRecord& g) {
  RECT r = TextPartRect(g);
  r.right = r.left + SpinOuterWidth(g);
  return r;
}

void PlaceSpin(GadgetRecord& g, int x, int y, int width, int height) {
  ResolvePlacement(g, &x, &y, &width, &height);
  const int arrowWidth = height / 2;
  const UINT redraw = RDW_ERASE | RDW_INTERNALPAINT | RDW_INVALIDATE;
  MoveWindow(g.handle, x, y, width - arrowWidth, height, TRUE);
  RedrawWindow(g.handle, nullptr, nullptr, redraw);
  if (g.second) {
    MoveWindow(g.second, x + width - arrowWidth, y, arrowWidth, height, TRUE);
    RedrawWindow(g.second, nullptr, nullptr, redraw);
  }
}

int ReadValue(GadgetRecord& g) {
  if (!g.second) return 0;
  return static_cast<int>(SendMessageW(g.second, UDM_GETPOS32, 0, 0));
}

void WriteValue(GadgetRecord& g, int value) {
  if (g.second) SendMessageW(g.second, UDM_SETPOS32, 0, value);
}

bool OnParentMessage(int gadget, GadgetRecord& g, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) {
  switch (message) {
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom != g.second || header->code != UDN_DELTAPOS) return false;
      const NMUPDOWN* step = reinterpret_cast<const NMUPDOWN*>(lParam);
      QueueGadgetEvent(g.handle, gadget, step->iDelta > 0 ? 1 : -1);
      *result = 0;  // let the step happen
      return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) != g.second) return false;
      *result = 0;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      // A read-only edit asks for static colours and would look disabled.
      if (reinterpret_cast<HWND>(lParam) != g.handle || !IsWindowEnabled(g.handle)) return false;
      if (g.background != -1 || g.textColour != -1) return false;
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      *result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNHIGHLIGHT));
      return true;
    }
    default:
      return false;
  }
}

class SpinFieldGadget final : public GadgetKind {
 public:
  int ReadState(GadgetRecord& g) const override { return ReadValue(g); }
  void WriteState(GadgetRecord& g, int value) const override { WriteValue(g, value); }
  void Place(GadgetRecord& g, int x, int y, int width, int height) const override {
    PlaceSpin(g, x, y, width, height);
  }
  RECT CurrentRect(GadgetRecord& g) const override { return SpinRect(g); }
  int OuterWidth(GadgetRecord& g) const override { return SpinOuterWidth(g); }
  bool ParentMessage(int gadget, GadgetRecord& g, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) const override {
    return OnParentMessage(gadget, g, message, wParam, lParam, result);
  }
  bool ControlMessage(int, GadgetRecord& g, HWND, UINT message, WPARAM wParam, LPARAM,
                      LRESULT*) const override {
    if (message == WM_ENABLE && g.second) EnableWindow(g.second, static_cast<BOOL>(wParam));
    return false;
  }
  void Release(GadgetRecord& g) const override {
    if (g.second && IsWindow(g.second)) DestroyWindow(g.second);
    g.second = nullptr;
  }
};

const GadgetKind& SpinFieldKind() {
  static const SpinFieldGadget kind{};
  return kind;
}

}  // namespace

HWND NewSpinField(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                  unsigned flags) {
  if (gadget < 0) return nullptr;
  const DWORD textStyle = SpinTextStyle | ((flags & SpinReadOnly) ? ES_READONLY : 0);
  const HWND text =
      CreateGadgetControl(L"EDIT", nullptr, WS_EX_CLIENTEDGE, textStyle, 0, 0, 0, 0, -1);
  if (!text) return nullptr;
  GadgetRecord* record = AllocateGadget(gadget);
  const DWORD arrowStyle = SpinArrowStyle | ((flags & SpinShowsPosition) ? UDS_SETBUDDYINT : 0);
  const HWND arrows =
      CreateGadgetControl(UPDOWN_CLASSW, nullptr, 0, arrowStyle, 0, 0, 0, 0, gadget);
  if (arrows) {
    SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(text), 0);
    SendMessageW(arrows, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  }
  record->second = arrows;
  RegisterGadget(gadget, record, text, &SpinFieldKind());
  const int dpi = TargetDpi();
  PlaceSpin(*record, ScaleForDpi(x, dpi), ScaleForDpi(y, dpi), ScaleForDpi(width, dpi),
            ScaleForDpi(height, dpi));
  return text;
}
