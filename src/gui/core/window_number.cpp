#include "gui/window_number.h"

#include "gui/core/properties.h"

int LayerWindowNumberOf(HWND hwnd) {
  for (HWND w = hwnd; w; w = GetParent(w)) {
    const INT_PTR value = reinterpret_cast<INT_PTR>(GetPropW(w, WindowNumberProperty()));
    if (value) return static_cast<int>(value - 1);
  }
  return -1;
}
