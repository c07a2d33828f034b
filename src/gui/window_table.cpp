#include "gui/app_window.h"
#include "gui/layer.h"
#include "gui/window_internal.h"

namespace {
HICON g_icon = nullptr;
HCURSOR g_cursor = nullptr;
ATOM g_windowAtom = 0;
ATOM g_gadgetAtom = 0;
}  // namespace

NumberTable<WindowRecord>& WindowTable() {
  static NumberTable<WindowRecord> table;
  return table;
}

WindowRecord* LookupWindow(int number) { return WindowTable().Lookup(number); }

void InitWindowPart() {
  WindowTable();
  g_icon = LoadIconW(LayerInstance(), MAKEINTRESOURCEW(1));
  g_cursor = LoadCursorW(nullptr, IDC_ARROW);
  // Atoms spare every property lookup a string-to-atom conversion.
  g_windowAtom = GlobalAddAtomW(L"GuiLayerWindowNumber");
  g_gadgetAtom = GlobalAddAtomW(L"GuiLayerGadgetNumber");
}

void ShutDownWindowPart() {
  NumberTable<WindowRecord>& table = WindowTable();
  for (int number = 0; number < table.Capacity(); ++number) CloseAppWindow(number);
}

HICON LayerIcon() { return g_icon; }
HCURSOR LayerCursor() { return g_cursor; }

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
