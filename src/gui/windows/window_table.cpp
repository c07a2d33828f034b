#include "gui/app_window.h"
#include "gui/core/layer_instance.h"
#include "gui/windows/window_record.h"

namespace {
HICON programIcon = nullptr;
HCURSOR arrowCursor = nullptr;
}  // namespace

NumberTable<WindowRecord>& WindowTable() {
  static NumberTable<WindowRecord> table;
  return table;
}

WindowRecord* LookupWindow(int number) { return WindowTable().Lookup(number); }

void InitWindowPart() {
  WindowTable();
  programIcon = LoadIconW(LayerInstance(), MAKEINTRESOURCEW(1));
  arrowCursor = LoadCursorW(nullptr, IDC_ARROW);
}

void ShutDownWindowPart() {
  NumberTable<WindowRecord>& table = WindowTable();
  for (int number = 0; number < table.Capacity(); ++number) CloseAppWindow(number);
}

HICON LayerIcon() { return programIcon; }
HCURSOR LayerCursor() { return arrowCursor; }
