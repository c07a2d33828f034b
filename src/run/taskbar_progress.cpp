#include "run/taskbar_progress.h"

#include "gui/registered_messages.h"

namespace {

const wchar_t ButtonCreated[] = L"TaskbarButtonCreated";

struct Look {
  TaskbarButton::State state = TaskbarButton::NoProgress;
  int done = 0;
  int total = 0;
};

TaskbarButtonMaker maker = MakeShellTaskbarButton;
std::unique_ptr<TaskbarButton> button;
Look wanted;   // what the run asks for
Look applied;  // what the button was told

// Tells the button only what changed: the display runs 25 times a second.
void Apply() {
  if (!button) return;
  if (wanted.state != applied.state) button->SetState(wanted.state);
  if (wanted.state != TaskbarButton::NoProgress && wanted.total > 0 &&
      (wanted.done != applied.done || wanted.total != applied.total)) {
    button->SetValue(static_cast<uint64_t>(wanted.done), static_cast<uint64_t>(wanted.total));
  }
  applied = wanted;
}

void OnButtonCreated(HWND window) {
  // Only a window of its own on the taskbar has a button; the message comes
  // again when the shell restarts, and a new taskbar knows nothing yet.
  if (GetWindow(window, GW_OWNER) || (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) return;
  button.reset();
  button = maker(window);
  applied = Look();
  Apply();
}

}  // namespace

void WatchTaskbarButton() {
  if (!WatchRegisteredMessage(ButtonCreated, OnButtonCreated)) return;
  // A program run as administrator hears nothing from the shell unless it
  // lets the message in.
  ChangeWindowMessageFilter(RegisterWindowMessageW(ButtonCreated), MSGFLT_ADD);
}

void SetTaskbarButtonMaker(TaskbarButtonMaker next) {
  maker = next ? next : MakeShellTaskbarButton;
}

void ReleaseTaskbarButton() { button.reset(); }

void ShowTaskbarProgress(int done, int total) {
  wanted = total > 0 ? Look{TaskbarButton::Normal, done, total} : Look();
  Apply();
}

void ShowTaskbarStopped() {
  wanted.state = TaskbarButton::Error;
  Apply();
}

void ClearTaskbarProgress() {
  wanted = Look();
  Apply();
}
