// Frames, text fields, push buttons and labels.
#include "gui/event_codes.h"
#include "gui/gadget_internal.h"
#include "gui/gadgets.h"

namespace {

void PlaceFrame(GadgetRecord& g, int x, int y, int width, int height) {
  PlaceGenerically(g, x, y, width, height);
  // The parent paints behind a group box; without this old frame lines stay.
  const RECT r = ControlRectInParent(g.handle);
  InvalidateRect(GetParent(g.handle), &r, TRUE);
}

bool TextFieldControlMessage(int gadget, GadgetRecord&, HWND control, UINT message, WPARAM,
                             LPARAM, LRESULT*) {
  if (message == WM_SETFOCUS) {
    QueueGadgetEvent(control, gadget, SubtypeFocusGained);
  } else if (message == WM_KILLFOCUS) {
    QueueGadgetEvent(control, gadget, SubtypeFocusLost);
  }
  return false;
}

int ReadCheck(GadgetRecord& g) {
  return static_cast<int>(SendMessageW(g.handle, BM_GETCHECK, 0, 0) & 1);
}

void WriteCheck(GadgetRecord& g, int value) {
  SendMessageW(g.handle, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void PlaceButton(GadgetRecord& g, int x, int y, int width, int height) {
  PlaceGenerically(g, x, y, width, height);
  RedrawWindow(g.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE);
}

void PlaceLabel(GadgetRecord& g, int x, int y, int width, int height) {
  PlaceGenerically(g, x, y, width, height);
  InvalidateRect(g.handle, nullptr, FALSE);
}

}  // namespace

const GadgetKind& FrameKind() {
  static const GadgetKind kind = [] {
    GadgetKind k = {};
    k.place = PlaceFrame;
    return k;
  }();
  return kind;
}

const GadgetKind& TextFieldKind() {
  static const GadgetKind kind = [] {
    GadgetKind k = {};
    k.controlMessage = TextFieldControlMessage;
    return k;
  }();
  return kind;
}

const GadgetKind& ButtonKind() {
  static const GadgetKind kind = [] {
    GadgetKind k = {};
    k.readState = ReadCheck;
    k.writeState = WriteCheck;
    k.place = PlaceButton;
    return k;
  }();
  return kind;
}

const GadgetKind& LabelKind() {
  static const GadgetKind kind = [] {
    GadgetKind k = {};
    k.place = PlaceLabel;
    return k;
  }();
  return kind;
}

HWND NewFrame(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  return CreateSimpleGadget(gadget, &FrameKind(), L"Button", text, 0, 0x50020007, x, y, width,
                            height);
}

HWND NewTextField(int gadget, int x, int y, int width, int height, const wchar_t* text,
                  unsigned flags) {
  return CreateSimpleGadget(gadget, &TextFieldKind(), L"Edit", text, WS_EX_CLIENTEDGE,
                            flags | 0x50030080u, x, y, width, height);
}

HWND NewButton(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  return CreateSimpleGadget(gadget, &ButtonKind(), L"Button", text, 0, 0x50030000, x, y, width,
                            height);
}

HWND NewLabel(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  return CreateSimpleGadget(gadget, &LabelKind(), L"Static", text, 0, 0x50020000, x, y, width,
                            height);
}
