#include "gui/core/properties.h"

#include "gui/window_number.h"

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

int LayerWindowNumberOf(HWND hwnd) {
  for (HWND w = hwnd; w; w = GetParent(w)) {
    const INT_PTR value = reinterpret_cast<INT_PTR>(GetPropW(w, WindowNumberProperty()));
    if (value) return static_cast<int>(value - 1);
  }
  return -1;
}
