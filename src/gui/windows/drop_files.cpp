#include "gui/windows/drop_files.h"

#include <utility>

#include "gui/toolbox/scoped_shell.h"

std::vector<std::wstring> TakeDroppedPaths(HDROP drop) {
  // The handle that WM_DROPFILES hands over is ours to free.
  const ScopedDrop owned(drop);
  std::vector<std::wstring> paths;
  if (!owned.Valid()) return paths;
  const UINT count = DragQueryFileW(owned.Get(), 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(owned.Get(), i, nullptr, 0);
    std::wstring path(length, L'\0');
    if (length && DragQueryFileW(owned.Get(), i, &path[0], length + 1) == length) {
      paths.push_back(std::move(path));
    }
  }
  return paths;
}
