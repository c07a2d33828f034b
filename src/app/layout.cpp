#include "app/handlers.h"
#include "app/main_window.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui/keep_value.h"

void LayoutMainWindow() {
  // The sizes now, not those carried by the event: events can lag behind.
  const int w = AppWindowInnerWidth(MainWindow);
  const int h = AppWindowInnerHeight(MainWindow);
  constexpr int K = KeepValue;
  PlaceGadget(SourceFrame, K, K, w - 11, K);
  PlaceGadget(SourcePathField, K, K, w - 121, K);
  PlaceGadget(BrowseButton, w - 96, K, K, K);
  PlaceGadget(PackagesFrame, K, K, K, h - 187);
  PlaceGadget(PackageList, K, K, K, h - 207);
  PlaceGadget(ContentsFrame, K, K, w - 106, h - 187);
  PlaceGadget(ContentsList, K, K, w - 116, h - 207);
  PlaceGadget(PreviewButton, K, h - 37, K, K);
  const int buttonWidth = GadgetOuterWidth(RunButton);
  PlaceGadget(RunButton, w / 2 - buttonWidth / 2, h - 37, K, K);
}
