// The part's start and end, above the window operations, so that the table
// below knows nothing of them.
#include "gui/windows/window_part.h"

#include "gui/app_window.h"
#include "gui/windows/window_table.h"

void InitWindowPart() { InitWindowTable(); }

void ShutDownWindowPart() {
  NumberTable<WindowRecord>& table = WindowTable();
  for (int number = 0; number < table.Capacity(); ++number) CloseAppWindow(number);
}
