#include "gui/windows/window_table.h"

#include "gui/core/layer_instance.h"

namespace {
HICON programIcon = nullptr;
HCURSOR arrowCursor = nullptr;
}  // namespace

NumberTable<WindowRecord>& WindowTable() {
  static NumberTable<WindowRecord> table;
  return table;
}

WindowRecord* LookupWindow(int number) { return WindowTable().Lookup(number); }

void InitWindowTable() {
  WindowTable();
  programIcon = LoadIconW(LayerInstance(), MAKEINTRESOURCEW(1));
  arrowCursor = LoadCursorW(nullptr, IDC_ARROW);
}

HICON LayerIcon() { return programIcon; }
HCURSOR LayerCursor() { return arrowCursor; }
