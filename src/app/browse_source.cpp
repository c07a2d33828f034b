#include "app/handlers.h"
#include "app/main_window.h"
#include "gui/gadgets.h"
#include "gui/requesters.h"

void BrowseSourceFolder() {
  // A cancelled choice gives "" and so empties the field on purpose.
  const std::wstring folder = RequestFolder(L"Quell-Pfad", L"");
  WriteText(SourcePathField, folder.c_str());
}
