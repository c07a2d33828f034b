#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "gui/toolbox/scoped.h"

// The window that owns a requester: the foreground window when it belongs to
// this process, else none. Callers take it anew for every requester.
HWND RequesterOwner();

// Windows that a requester disabled and must enable again, as
// (thread identifier, window) pairs. The main thread and the packaging worker
// can both have a requester open, so every change is made under the lock.
class DisabledWindowList {
 public:
  DisabledWindowList() = default;
  DisabledWindowList(const DisabledWindowList&) = delete;
  DisabledWindowList& operator=(const DisabledWindowList&) = delete;

  void Add(DWORD thread, HWND window);
  // Removes every entry of the thread and returns its windows, oldest first.
  std::vector<HWND> TakeThread(DWORD thread);
  size_t Count();

 private:
  CriticalSection lock_;
  std::vector<std::pair<DWORD, HWND>> entries_;
};

// The one list of the process.
DisabledWindowList& ProcessDisabledWindows();

// Disables the calling thread's visible, enabled top-level windows other than
// the foreground window and enters them in the list; returns how many.
int DisableThreadWindows();
// Enables again the windows the list holds for the calling thread.
void EnableThreadWindows();
