#include "gui/gadgets/gadget_button_base.h"

int ButtonGadgetBase::ReadState(GadgetRecord& g) const {
  return static_cast<int>(SendMessageW(g.handle, BM_GETCHECK, 0, 0) & 1);
}

void ButtonGadgetBase::Place(GadgetRecord& g, int x, int y, int width, int height) const {
  GadgetKind::Place(g, x, y, width, height);
  RedrawWindow(g.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE);
}
