#include "app/browse_source.h"
#include "app/main_window.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/requester_folder_path.h"
#include "gui/requesters.h"
#include "gui/toolbox/fs_redirection.h"
#include "gui/toolbox/long_path.h"

void BrowseSourceFolder() {
  // A cancelled choice gives "" and so empties the field on purpose.
  const std::wstring folder = RequestFolder(L"Quell-Pfad", L"");
  WriteText(SourcePathField, folder.c_str());
}

bool ShowSourceFolder(const std::wstring& path) {
  // Made absolute without Windows' trimming, so a folder named "F." stays
  // itself and is not taken for "F".
  const std::wstring full = AbsolutePath(path.c_str());
  if (full.empty()) return false;
  const std::wstring platform = ExactPlatformPath(full.c_str(), full.size());
  DWORD attributes;
  {
    const FsRedirectionOff native;  // a folder only System32 itself holds is there
    attributes = GetFileAttributesW(platform.c_str());
  }
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
