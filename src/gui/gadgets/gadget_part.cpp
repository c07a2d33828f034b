// What the window part uses of the gadget part: the creation target, the
// part's start and end, and the way from a control to its gadget.
#include "gui/gadgets/gadget_part.h"

#include <commctrl.h>

#include "gui/gadgets/gadget_kind.h"
#include "gui/toolbox/display_scale.h"

namespace {
HFONT defaultFont = nullptr;
}  // namespace

GadgetTarget& CurrentGadgetTarget() {
  thread_local GadgetTarget target = {nullptr, false, nullptr};
  if (!target.font) target.font = defaultFont;
  return target;
}

void InitGadgetPart() {
  GadgetTable();
  defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // The common controls the kinds use, and some that programs may add.
  constexpr DWORD Classes = ICC_TAB_CLASSES | ICC_HOTKEY_CLASS | ICC_DATE_CLASSES |
                            ICC_USEREX_CLASSES | ICC_INTERNET_CLASSES;
  static_assert(Classes == 0x0B48, "common control classes");
  INITCOMMONCONTROLSEX classes = {sizeof(classes), Classes};
  InitCommonControlsEx(&classes);
}

void ShutDownGadgetPart() {
  // Controls die with their windows; what is left is a control whose window
  // belongs to nobody in the layer.
  NumberTable<GadgetRecord>& table = GadgetTable();
  for (int number = 0; number < table.Capacity(); ++number) {
    if (GadgetRecord* record = table.Lookup(number)) DestroyWindow(record->handle);
  }
}

int GadgetNumberOfControl(HWND control) {
  // The identifier is the number; the table says whether the control is that
  // gadget's, since any child window may carry any identifier.
  if (!control) return -1;
  const int number = static_cast<int>(GetWindowLongPtrW(control, GWLP_ID));
  const GadgetRecord* record = LookupGadget(number);
  return record && (record->handle == control || record->second == control) ? number : -1;
}

bool HandleGadgetParentMessage(int gadget, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* result) {
  GadgetRecord* record = LookupGadget(gadget);
  return record && record->kind->ParentMessage(gadget, *record, message, wParam, lParam, result);
}

void RescaleGadgets(HWND window, int oldDpi, int newDpi, HFONT font) {
  NumberTable<GadgetRecord>& table = GadgetTable();
  for (int number = 0; number < table.Capacity(); ++number) {
    GadgetRecord* g = table.Lookup(number);
    if (!g || !IsChild(window, g->handle)) continue;
    // Read before the font changes it (a combo box sizes itself to its font).
    const RECT r = g->kind->CurrentRect(*g);
    const int x = UnscaleForDpi(r.left, oldDpi), y = UnscaleForDpi(r.top, oldDpi);
    const int width = UnscaleForDpi(r.right - r.left, oldDpi);
    const int height = UnscaleForDpi(r.bottom - r.top, oldDpi);
    g->kind->NewFont(*g, font);
    g->kind->Place(*g, ScaleForDpi(x, newDpi), ScaleForDpi(y, newDpi), ScaleForDpi(width, newDpi),
                   ScaleForDpi(height, newDpi));
  }
}
