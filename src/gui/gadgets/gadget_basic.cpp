// Frames, text fields, push buttons and labels.
#include "gui/event_codes.h"
#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_button_base.h"
#include "gui/gadgets/gadget_kind.h"

namespace {

class FrameGadget final : public GadgetKind {
 public:
  void Place(GadgetRecord& g, int x, int y, int width, int height) const override {
    GadgetKind::Place(g, x, y, width, height);
    // The parent paints behind a group box; without this old frame lines stay.
    const RECT r = ControlRectInParent(g.handle);
    InvalidateRect(GetParent(g.handle), &r, TRUE);
  }
};

class TextFieldGadget final : public GadgetKind {
 public:
  bool ControlMessage(int gadget, GadgetRecord&, HWND control, UINT message, WPARAM, LPARAM,
                      LRESULT*) const override {
    if (message == WM_SETFOCUS) {
      QueueGadgetEvent(control, gadget, SubtypeFocusGained);
    } else if (message == WM_KILLFOCUS) {
      QueueGadgetEvent(control, gadget, SubtypeFocusLost);
    }
    return false;
  }
};

class ButtonGadget final : public ButtonGadgetBase {
 public:
  void WriteState(GadgetRecord& g, int value) const override {
    SendMessageW(g.handle, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
};

class LabelGadget final : public GadgetKind {
 public:
  void Place(GadgetRecord& g, int x, int y, int width, int height) const override {
    GadgetKind::Place(g, x, y, width, height);
    InvalidateRect(g.handle, nullptr, FALSE);
  }
};

const GadgetKind& FrameKind() {
  static const FrameGadget kind{};
  return kind;
}

const GadgetKind& TextFieldKind() {
  static const TextFieldGadget kind{};
  return kind;
}

const GadgetKind& ButtonKind() {
  static const ButtonGadget kind{};
  return kind;
}

const GadgetKind& LabelKind() {
  static const LabelGadget kind{};
  return kind;
}

}  // namespace

HWND NewFrame(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  return CreateSimpleGadget(gadget, &FrameKind(), L"Button", text, 0, FrameStyle, x, y, width,
                            height);
}

HWND NewTextField(int gadget, int x, int y, int width, int height, const wchar_t* text,
                  unsigned flags) {
  return CreateSimpleGadget(gadget, &TextFieldKind(), L"Edit", text, WS_EX_CLIENTEDGE,
                            flags | TextFieldStyle, x, y, width, height);
}

HWND NewButton(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  return CreateSimpleGadget(gadget, &ButtonKind(), L"Button", text, 0, ButtonStyle, x, y, width,
                            height);
}

HWND NewLabel(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  return CreateSimpleGadget(gadget, &LabelKind(), L"Static", text, 0, LabelStyle, x, y, width,
                            height);
}
