#include "gui/core/properties.h"

namespace {
ATOM windowNumberAtom = 0;
ATOM layerDpiAtom = 0;
}  // namespace

void InitProperties() {
  // Atoms spare every property lookup a string-to-atom conversion.
  windowNumberAtom = GlobalAddAtomW(L"GuiLayerWindowNumber");
  layerDpiAtom = GlobalAddAtomW(L"GuiLayerDpi");
}

LPCWSTR WindowNumberProperty() {
  return windowNumberAtom ? MAKEINTATOM(windowNumberAtom) : L"GuiLayerWindowNumber";
}

LPCWSTR LayerDpiProperty() { return layerDpiAtom ? MAKEINTATOM(layerDpiAtom) : L"GuiLayerDpi"; }
