#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

// What a run tells the taskbar button of a window. The program has the
// shell's taskbar interface behind it; tests put a recorder in its place.
class TaskbarButton {
 public:
  enum State { NoProgress, Normal, Error };
  virtual ~TaskbarButton() = default;
  virtual void SetState(State state) = 0;
  virtual void SetValue(uint64_t done, uint64_t total) = 0;
};

// Makes the button of window, once the taskbar has made it; nullptr where the
// system has no such interface (before Windows 7) or refuses it.
using TaskbarButtonMaker = std::unique_ptr<TaskbarButton> (*)(HWND window);
std::unique_ptr<TaskbarButton> MakeShellTaskbarButton(HWND window);
