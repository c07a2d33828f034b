#include "gui/core/properties.h"

#include "gui/window_number.h"

namespace {
ATOM g_windowAtom = 0;
ATOM g_gadgetAtom = 0;
}  // namespace

void InitProperties() {
  // Atoms spare every property lookup a string-to-atom conversion.
  g_windowAtom = GlobalAddAtomW(L"GuiLayerWindowNumber");
  g_gadgetAtom = GlobalAddAtomW(L"GuiLayerGadgetNumber");
}

LPCWSTR WindowNumberProperty() {
  return g_windowAtom ? MAKEINTATOM(g_windowAtom) : L"GuiLayerWindowNumber";
}

LPCWSTR GadgetNumberProperty() {
  return g_gadgetAtom ? MAKEINTATOM(g_gadgetAtom) : L"GuiLayerGadgetNumber";
}

int LayerWindowNumberOf(HWND hwnd) {
  for (HWND w = hwnd; w; w = GetParent(w)) {
    const INT_PTR value = reinterpret_cast<INT_PTR>(GetPropW(w, WindowNumberProperty()));
    if (value) return static_cast<int>(value - 1);
  }
  return -1;
}
