#include "gui/windows/window_scale.h"

#include "gui/core/gui_font.h"
#include "gui/core/layer_dpi.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/keep_value.h"
#include "gui/toolbox/display_scale.h"

void StoreOuterBounds(WindowRecord& record) {
  const HWND hwnd = record.handle;
  const int dpi = LayerDpiOf(hwnd);
  RECT frame = {0, 0, 0, 0};
  AdjustWindowRectForDpi(&frame, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                         GetMenu(hwnd) != nullptr,
                         static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), dpi);
  const int extra[4] = {frame.right - frame.left, frame.bottom - frame.top,
                        frame.right - frame.left, frame.bottom - frame.top};
  WORD* outer[4] = {&record.minWidth, &record.minHeight, &record.maxWidth, &record.maxHeight};
  for (int i = 0; i < 4; ++i) {
    const int inner = record.innerBounds[i];
    if (inner != KeepValue) *outer[i] = static_cast<WORD>(ScaleForDpi(inner, dpi) + extra[i]);
  }
}

void OnDpiChanged(HWND hwnd, int window, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = LookupWindow(window);
  if (!record || record->handle != hwnd) return;
  const int dpi = HIWORD(wParam);  // the vertical scale, as LOGPIXELSY
  const int oldDpi = LayerDpiOf(hwnd);
  if (dpi > 0 && dpi != oldDpi) {
    const HFONT font = AcquireGuiFont(dpi);
    SetLayerDpi(hwnd, dpi);
    RescaleGadgets(hwnd, oldDpi, dpi, font);
    ReleaseGuiFont(record->font);
    record->font = font;
    GadgetTarget& target = CurrentGadgetTarget();
    if (target.window == hwnd) target.font = font;
    StoreOuterBounds(*record);
  }
  // The new size comes as a size event, and the program lays the window out.
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  if (suggested) {
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
