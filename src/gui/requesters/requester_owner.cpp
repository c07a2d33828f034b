#include "gui/requesters/requester_owner.h"

HWND RequesterOwner() {
  HWND foreground = GetForegroundWindow();
  if (!foreground) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(foreground, &process);
  return process == GetCurrentProcessId() ? foreground : nullptr;
}

void DisabledWindowList::Add(DWORD thread, HWND window) {
  const CriticalSectionLock hold(lock_);
  entries_.emplace_back(thread, window);
}

std::vector<HWND> DisabledWindowList::TakeThread(DWORD thread) {
  std::vector<HWND> taken;
  const CriticalSectionLock hold(lock_);
  size_t kept = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].first == thread) {
      taken.push_back(entries_[i].second);
    } else {
      entries_[kept++] = entries_[i];
    }
  }
  entries_.resize(kept);
  return taken;
}

size_t DisabledWindowList::Count() {
  const CriticalSectionLock hold(lock_);
  return entries_.size();
}

DisabledWindowList& ProcessDisabledWindows() {
  static DisabledWindowList list;
  return list;
}

namespace {

struct DisableSearch {
  DWORD thread;
  HWND foreground;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDisableable(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<DisableSearch*>(data);
  if (window != search->foreground && IsWindowVisible(window) && IsWindowEnabled(window) &&
      GetWindowThreadProcessId(window, nullptr) == search->thread) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

int DisableThreadWindows() {
  DisableSearch search{GetCurrentThreadId(), GetForegroundWindow(), {}};
  EnumWindows(CollectDisableable, reinterpret_cast<LPARAM>(&search));
  // The windows are this thread's own, so EnableWindow calls no other thread;
  // still, no window procedure runs while the list's lock is held.
  for (HWND window : search.found) {
    EnableWindow(window, FALSE);
    ProcessDisabledWindows().Add(search.thread, window);
  }
  return static_cast<int>(search.found.size());
}

void EnableThreadWindows() {
  for (HWND window : ProcessDisabledWindows().TakeThread(GetCurrentThreadId())) {
    EnableWindow(window, TRUE);
  }
}
