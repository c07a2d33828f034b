#include "app/handlers.h"
#include "app/main_window.h"
#include "app/source_folder.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/requester_folder_path.h"
#include "gui/requesters.h"
#include "gui/toolbox/long_path.h"

void BrowseSourceFolder() {
  // A cancelled choice gives "" and so empties the field on purpose.
  const std::wstring folder = RequestFolder(L"Quell-Pfad", L"");
  WriteText(SourcePathField, folder.c_str());
}

bool ShowSourceFolder(const std::wstring& path) {
  const DWORD room = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (room == 0) return false;
  std::wstring full(room, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), room, &full[0], nullptr);
  if (length == 0 || length >= room) return false;
  full.resize(length);
  const DWORD attributes = GetFileAttributesW(PlatformPath(full.c_str(), full.size()).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  WriteText(SourcePathField, FolderResultPath(full.c_str()).c_str());
  return true;
}

void TakeDroppedSource() {
  // Dropped files are no source; the first folder wins over later ones.
  for (const std::wstring& path : EventDroppedPaths()) {
    if (ShowSourceFolder(path)) return;
  }
}
