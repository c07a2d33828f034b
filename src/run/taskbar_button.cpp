#include "run/taskbar_button.h"

#include <shobjidl.h>

#include <utility>

#include "gui/toolbox/scoped_shell.h"

namespace {

TBPFLAG FlagOf(TaskbarButton::State state) {
  switch (state) {
    case TaskbarButton::Normal:
      return TBPF_NORMAL;
    case TaskbarButton::Error:
      return TBPF_ERROR;
    default:
      return TBPF_NOPROGRESS;
  }
}

// The results are not looked at: a button that does not follow changes
// nothing for the run.
class ShellTaskbarButton final : public TaskbarButton {
 public:
  ShellTaskbarButton(HWND window, ScopedComInterface<ITaskbarList3> list)
      : window_(window), list_(std::move(list)) {}
  void SetState(State state) override { list_.Get()->SetProgressState(window_, FlagOf(state)); }
  void SetValue(uint64_t done, uint64_t total) override {
    list_.Get()->SetProgressValue(window_, done, total);
  }

 private:
  HWND window_;
  ScopedComInterface<ITaskbarList3> list_;
};

}  // namespace

std::unique_ptr<TaskbarButton> MakeShellTaskbarButton(HWND window) {
  ITaskbarList3* made = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                              reinterpret_cast<void**>(&made)))) {
    return nullptr;
  }
  ScopedComInterface<ITaskbarList3> list(made);
  if (FAILED(list.Get()->HrInit())) return nullptr;
  return std::make_unique<ShellTaskbarButton>(window, std::move(list));
}
