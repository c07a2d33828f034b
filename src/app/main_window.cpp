#include "app/main_window.h"

#include "app/main_window_table.h"
#include "gui/app_window.h"
#include "gui/events.h"
#include "gui/gadget_rows.h"
#include "gui/keep_value.h"

void CreateMainWindow() {
  if (!OpenAppWindow(MainWindow, MainWindowX, MainWindowY, MainWindowWidth, MainWindowHeight,
                     MainWindowTitle, MainWindowFlags, nullptr)) {
    return;
  }
  // The window may never get smaller than it was created (the screen may
  // have cut it already, so measure rather than assume the design size).
  SetAppWindowBounds(MainWindow, AppWindowInnerWidth(MainWindow), AppWindowInnerHeight(MainWindow),
                     KeepValue, KeepValue);
  // A folder dropped from the shell becomes the source.
  AcceptDroppedFiles(MainWindow, true);
  CreateGadgetRows(MainGadgetTable);

  // Whatever the creation queued is taken here, so none of it reaches the
  // dispatch of the event loop.
  while (PollAppEvent() != 0) {
  }
  SetAppWindowHidden(MainWindow, 0);
}
