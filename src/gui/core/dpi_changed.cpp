#include "gui/core/dpi_changed.h"

#include <utility>

void HandleDpiChanged(HWND window, int layoutDpi, WPARAM wParam, LPARAM lParam,
                      DpiRelayout relayout, void* context) {
  const int dpi = HIWORD(wParam);  // the vertical scale, as LOGPIXELSY
  if (dpi > 0 && dpi != layoutDpi) {
    ScopedGuiFont font(AcquireGuiFont(dpi));
    relayout(window, layoutDpi, dpi, std::move(font), context);
  }
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  if (suggested) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
