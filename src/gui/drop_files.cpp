#include <windows.h>
#include <shellapi.h>

#include <utility>

#include "gui/app_window.h"
#include "gui/layer_internal.h"
#include "gui/window_internal.h"

namespace {

// Owns the drop handle that WM_DROPFILES hands over; DragFinish frees it.
class DropHandle {
 public:
  explicit DropHandle(HDROP drop) : drop_(drop) {}
  ~DropHandle() {
    if (drop_) DragFinish(drop_);
  }
  DropHandle(const DropHandle&) = delete;
  DropHandle& operator=(const DropHandle&) = delete;
  HDROP Get() const { return drop_; }

 private:
  HDROP drop_;
};

}  // namespace

void AcceptDroppedFiles(int number, bool accept) {
  if (const WindowRecord* record = LookupWindow(number)) DragAcceptFiles(record->handle, accept);
}

std::vector<std::wstring> TakeDroppedPaths(HDROP drop) {
  const DropHandle owned(drop);
  std::vector<std::wstring> paths;
  if (!owned.Get()) return paths;
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
