#include "gui/window_number.h"

#include "gui/core/properties.h"
#include "gui/core/window_number.h"

namespace {

// The property holds the number plus 1, so that 0 means "no number".
INT_PTR StoredNumber(HWND window) {
  return reinterpret_cast<INT_PTR>(GetPropW(window, WindowNumberProperty()));
}

}  // namespace

HWND LayerWindowOf(HWND hwnd) {
  for (HWND w = hwnd; w; w = GetParent(w)) {
    if (StoredNumber(w)) return w;
  }
  return nullptr;
}

int LayerWindowNumberOf(HWND hwnd) {
  const HWND layerWindow = LayerWindowOf(hwnd);
  return layerWindow ? static_cast<int>(StoredNumber(layerWindow) - 1) : -1;
}
