// Drop-down lists ("ComboBox", CBS_DROPDOWNLIST).
#include <atomic>

#include "gui/core/layer_dpi.h"
#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_item_base.h"
#include "gui/keep_value.h"
#include "gui/toolbox/display_scale.h"
#include "gui/toolbox/window_text.h"

namespace {

// Outer height of a closed box minus its selection field's height; measured
// when a box is created, because it depends on the theme and the font.
std::atomic<int> itemHeightOverhead{0};

constexpr int DroppedHeight = 350;

constexpr ItemMessages ComboMessages = {CB_GETCURSEL,    CB_SETCURSEL,   CB_INSERTSTRING,
                                        CB_RESETCONTENT, CB_INITSTORAGE, ComboItemText};

// CB_FINDSTRINGEXACT ignores case; texts here are compared exactly, so the
// search goes on past items that differ only in case.
void SelectByText(GadgetRecord& g, const wchar_t* text) {
  if (!*text) {
    SendMessageW(g.handle, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return;
  }
  LRESULT from = -1;
  for (;;) {
    const LRESULT index = SendMessageW(g.handle, CB_FINDSTRINGEXACT, static_cast<WPARAM>(from),
                                       reinterpret_cast<LPARAM>(text));
    if (index == CB_ERR || index <= from) return;  // none, or the search wrapped around
    if (ComboItemText(g.handle, index) == text) {
      SendMessageW(g.handle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      return;
    }
    from = index;
  }
}

void SetClosedHeight(HWND box, int height) {
  SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - itemHeightOverhead.load());
}

// Remembers the overhead of this box at its font now.
void MeasureOverhead(HWND box) {
  const int probe = 15;
  SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), probe);
  RECT r;
  GetWindowRect(box, &r);
  itemHeightOverhead.store((r.bottom - r.top) - probe);
}

void PlaceCombo(GadgetRecord& g, int x, int y, int width, int height) {
  const bool heightGiven = height != KeepValue;
  int keptHeight = KeepValue;
  ResolvePlacement(g, &x, &y, &width, &keptHeight);
  MoveWindow(g.handle, x, y, width, keptHeight, TRUE);
  if (heightGiven) SetClosedHeight(g.handle, height);
}

class ComboBoxGadget final : public ItemGadgetBase {
 public:
  ComboBoxGadget() : ItemGadgetBase(ComboMessages) {}
  void WriteText(GadgetRecord& g, const wchar_t* text) const override { SelectByText(g, text); }
  void Place(GadgetRecord& g, int x, int y, int width, int height) const override {
    PlaceCombo(g, x, y, width, height);
  }
  void NewFont(GadgetRecord& g, HFONT font) const override {
    // As at creation: the dropped-down height first, then the overhead at
    // this font; the placing that follows sets the closed height.
    GadgetKind::NewFont(g, font);
    const RECT r = ControlRectInParent(g.handle);
    MoveWindow(g.handle, r.left, r.top, r.right - r.left,
               ScaleForDpi(DroppedHeight, LayerDpiOf(g.handle)), FALSE);
    MeasureOverhead(g.handle);
  }
};

const GadgetKind& ComboBoxKind() {
  static const ComboBoxGadget kind{};
  return kind;
}

}  // namespace

HWND NewComboBox(int gadget, int x, int y, int width, int height) {
  if (gadget < 0) return nullptr;
  const int dpi = TargetDpi();
  const HWND box = CreateGadgetControl(L"ComboBox", nullptr, 0, ComboBoxStyle, ScaleForDpi(x, dpi),
                                       ScaleForDpi(y, dpi), ScaleForDpi(width, dpi),
                                       ScaleForDpi(DroppedHeight, dpi), -1);
  if (!box) return nullptr;
  RegisterGadget(gadget, AllocateGadget(gadget), box, &ComboBoxKind());
  MeasureOverhead(box);
  SetClosedHeight(box, ScaleForDpi(height, dpi));
  return box;
}
