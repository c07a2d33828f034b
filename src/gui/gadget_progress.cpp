#include <windows.h>

#include <commctrl.h>

#include "gui/gadget_internal.h"
#include "gui/gadgets.h"

namespace {

int ReadPosition(GadgetRecord& g) { return static_cast<int>(SendMessageW(g.handle, PBM_GETPOS, 0, 0)); }

void WritePosition(GadgetRecord& g, int value) {
  SendMessageW(g.handle, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void WriteRangeEnd(GadgetRecord& g, int attribute, int value) {
  if (attribute == ProgressMinimum) {
    const LRESULT maximum = SendMessageW(g.handle, PBM_GETRANGE, FALSE, 0);
    SendMessageW(g.handle, PBM_SETRANGE32, static_cast<WPARAM>(value), maximum);
  } else if (attribute == ProgressMaximum) {
    const LRESULT minimum = SendMessageW(g.handle, PBM_GETRANGE, TRUE, 0);
    SendMessageW(g.handle, PBM_SETRANGE32, static_cast<WPARAM>(minimum), value);
  }
}

}  // namespace

const GadgetKind& ProgressBarKind() {
  static const GadgetKind kind = [] {
    GadgetKind k = {};
    k.readState = ReadPosition;
    k.writeState = WritePosition;
    k.writeAttribute = WriteRangeEnd;
    return k;
  }();
  return kind;
}

HWND NewProgressBar(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                    unsigned flags) {
  const HWND bar = CreateSimpleGadget(gadget, &ProgressBarKind(), PROGRESS_CLASSW, nullptr, 0,
                                      flags | 0x50000000u, x, y, width, height, 0);
  if (bar) SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  return bar;
}
