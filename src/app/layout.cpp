#include "app/layout.h"
#include "app/main_window.h"
#include "app/main_window_table.h"
#include "gui/app_window.h"
#include "gui/gadget_rows.h"

void LayoutMainWindow() {
  // The sizes now, not those carried by the event: events can lag behind.
  PlaceGadgetRows(MainGadgetTable, AppWindowInnerWidth(MainWindow),
                  AppWindowInnerHeight(MainWindow));
}
