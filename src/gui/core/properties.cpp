#include "gui/core/properties.h"

namespace {
ATOM windowNumberAtom = 0;
ATOM gadgetNumberAtom = 0;
ATOM layerDpiAtom = 0;
}  // namespace

void InitProperties() {
  // Atoms spare every property lookup a string-to-atom conversion.
  windowNumberAtom = GlobalAddAtomW(L"GuiLayerWindowNumber");
  gadgetNumberAtom = GlobalAddAtomW(L"GuiLayerGadgetNumber");
  layerDpiAtom = GlobalAddAtomW(L"GuiLayerDpi");
}

LPCWSTR WindowNumberProperty() {
  return windowNumberAtom ? MAKEINTATOM(windowNumberAtom) : L"GuiLayerWindowNumber";
}

LPCWSTR GadgetNumberProperty() {
  return gadgetNumberAtom ? MAKEINTATOM(gadgetNumberAtom) : L"GuiLayerGadgetNumber";
}

LPCWSTR LayerDpiProperty() { return layerDpiAtom ? MAKEINTATOM(layerDpiAtom) : L"GuiLayerDpi"; }
