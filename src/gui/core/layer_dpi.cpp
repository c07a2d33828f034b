#include "gui/core/layer_dpi.h"

#include "gui/core/properties.h"
#include "gui/core/window_number.h"
#include "gui/keep_value.h"
#include "gui/toolbox/display_scale.h"

void SetLayerDpi(HWND layerWindow, int dpi) {
  SetPropW(layerWindow, LayerDpiProperty(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

int LayerDpiOf(HWND hwnd) {
  if (const HWND layerWindow = LayerWindowOf(hwnd)) {
    const INT_PTR dpi = reinterpret_cast<INT_PTR>(GetPropW(layerWindow, LayerDpiProperty()));
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return WindowDpi(hwnd);
}

int ScaleOrKeep(int value, int dpi) { return value == KeepValue ? value : ScaleForDpi(value, dpi); }
