#include "gui/windows/window_scale.h"

#include "gui/core/dpi_changed.h"
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

namespace {

// The window's gadgets, font and size bounds at the new scale.
void RelayoutWindow(HWND hwnd, int oldDpi, int newDpi, ScopedGuiFont font, void* context) {
  WindowRecord& record = *static_cast<WindowRecord*>(context);
  SetLayerDpi(hwnd, newDpi);
  RescaleGadgets(hwnd, oldDpi, newDpi, font.Get());
  ReleaseGuiFont(record.font);
  // The record is plain data: it keeps the font raw until the window closes.
  record.font = font.Release();
  GadgetTarget& target = CurrentGadgetTarget();
  if (target.window == hwnd) target.font = record.font;
  StoreOuterBounds(record);
}

}  // namespace

void OnDpiChanged(HWND hwnd, int window, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = LookupWindow(window);
  if (!record || record->handle != hwnd) return;
  // The new size comes as a size event, and the program lays the window out.
  HandleDpiChanged(hwnd, LayerDpiOf(hwnd), wParam, lParam, RelayoutWindow, record);
}
