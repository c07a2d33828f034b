#include <windows.h>

#include <commctrl.h>

#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_kind.h"

namespace {

int ReadPosition(GadgetRecord& g) {
  if (g.positionHeld) return g.heldPosition;
  return static_cast<int>(SendMessageW(g.handle, PBM_GETPOS, 0, 0));
}

// Pixel of the client width that the fill reaches at this position.
long long FillPixel(long long position, long long minimum, long long maximum, long long width) {
  return (position - minimum) * width / (maximum - minimum);
}

// Hands a held position to the control.
void ReleaseHeldPosition(GadgetRecord& g) {
  if (!g.positionHeld) return;
  g.positionHeld = FALSE;
  SendMessageW(g.handle, PBM_SETPOS, static_cast<WPARAM>(g.heldPosition), 0);
}

void WritePosition(GadgetRecord& g, int value) {
  // The control repaints at once on every change, and a run steps it once per
  // file: with many files to a pixel most of those paints draw the same bar,
  // and under Wine each costs more than the message that asked for it. A
  // position whose fill lies within the pixel the control shows is kept here
  // instead (ReadState returns it), so the bar lags by less than a pixel and
  // shows the end of the range exactly.
  const int minimum = static_cast<int>(SendMessageW(g.handle, PBM_GETRANGE, TRUE, 0));
  const int maximum = static_cast<int>(SendMessageW(g.handle, PBM_GETRANGE, FALSE, 0));
  if (minimum < maximum) {
    // Kept within the range, as the control keeps its own.
    value = value < minimum ? minimum : value > maximum ? maximum : value;
    const int shown = static_cast<int>(SendMessageW(g.handle, PBM_GETPOS, 0, 0));
    RECT client = {};
    GetClientRect(g.handle, &client);
    const long long width = client.right - client.left;
    if (value != maximum &&
        FillPixel(shown, minimum, maximum, width) == FillPixel(value, minimum, maximum, width)) {
      g.positionHeld = value != shown;
      g.heldPosition = value;
      return;
    }
  }
  g.positionHeld = FALSE;
  SendMessageW(g.handle, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

int ReadRangeEnd(GadgetRecord& g, int attribute) {
  if (attribute != ProgressMinimum && attribute != ProgressMaximum) return 0;
  const WPARAM low = attribute == ProgressMinimum ? TRUE : FALSE;
  return static_cast<int>(SendMessageW(g.handle, PBM_GETRANGE, low, 0));
}

void WriteRangeEnd(GadgetRecord& g, int attribute, int value) {
  // The control fits its position into the new range; a held one goes first.
  ReleaseHeldPosition(g);
  if (attribute == ProgressMinimum) {
    const LRESULT maximum = SendMessageW(g.handle, PBM_GETRANGE, FALSE, 0);
    SendMessageW(g.handle, PBM_SETRANGE32, static_cast<WPARAM>(value), maximum);
  } else if (attribute == ProgressMaximum) {
    const LRESULT minimum = SendMessageW(g.handle, PBM_GETRANGE, TRUE, 0);
    SendMessageW(g.handle, PBM_SETRANGE32, static_cast<WPARAM>(minimum), value);
  }
}

class ProgressBarGadget final : public GadgetKind {
 public:
  int ReadState(GadgetRecord& g) const override { return ReadPosition(g); }
  void WriteState(GadgetRecord& g, int value) const override { WritePosition(g, value); }
  void WriteAttribute(GadgetRecord& g, int attribute, int value) const override {
    WriteRangeEnd(g, attribute, value);
  }
  int ReadAttribute(GadgetRecord& g, int attribute) const override {
    return ReadRangeEnd(g, attribute);
  }
};

const GadgetKind& ProgressBarKind() {
  static const ProgressBarGadget kind{};
  return kind;
}

}  // namespace

HWND NewProgressBar(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                    unsigned flags) {
  const HWND bar = CreateSimpleGadget(gadget, &ProgressBarKind(), PROGRESS_CLASSW, nullptr, 0,
                                      flags | ProgressBarStyle, x, y, width, height, 0);
  if (bar) SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  return bar;
}
