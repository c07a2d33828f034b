// Option buttons and their groups.
#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_button_base.h"
#include "gui/gadgets/gadget_part.h"

namespace {

bool IsAutomaticRadioButton(HWND hwnd) {
  return (GetWindowLongW(hwnd, GWL_STYLE) & BS_AUTORADIOBUTTON) == BS_AUTORADIOBUTTON;
}

// Windows leaves the other buttons checked when a program checks one (only
// a click unchecks them), so the group is walked here.
void WriteOptionState(GadgetRecord& g, int value) {
  if (value == 0) {
    SendMessageW(g.handle, BM_SETCHECK, BST_UNCHECKED, 0);
    return;
  }
  HWND first = g.handle;
  for (HWND w = g.handle; w; w = GetWindow(w, GW_HWNDPREV)) {
    first = w;
    if (GetWindowLongW(w, GWL_STYLE) & WS_GROUP) break;
  }
  for (HWND w = first; w && IsAutomaticRadioButton(w); w = GetWindow(w, GW_HWNDNEXT)) {
    SendMessageW(w, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SendMessageW(g.handle, BM_SETCHECK, BST_CHECKED, 0);
}

class OptionGadget final : public ButtonGadgetBase {
 public:
  void WriteState(GadgetRecord& g, int value) const override { WriteOptionState(g, value); }
};

const GadgetKind& OptionKind() {
  static const OptionGadget kind{};
  return kind;
}

}  // namespace

HWND NewOption(int gadget, int x, int y, int width, int height, const wchar_t* text) {
  GadgetTarget& target = CurrentGadgetTarget();
  const DWORD style = OptionStyle | (target.optionGroupOpen ? 0u : static_cast<DWORD>(WS_GROUP));
  const HWND option =
      CreateSimpleGadget(gadget, &OptionKind(), L"Button", text, 0, style, x, y, width, height);
  // Registering closed the group; the next option joins this one's.
  if (option) target.optionGroupOpen = true;
  return option;
}
