#pragma once
#include <windows.h>

#include "gui/gadgets/gadget_kind.h"

// What a push button and an option button share: the check state read, and a
// placing that repaints the button at once.
class ButtonGadgetBase : public GadgetKind {
 public:
  int ReadState(GadgetRecord& g) const override;
  void Place(GadgetRecord& g, int x, int y, int width, int height) const override;
};
