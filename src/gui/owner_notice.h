#pragma once
#include <windows.h>

#include <atomic>

// A wake-up that any thread gives the thread owning a layer window, for state
// that it publishes faster than the window should show it. Raising never
// waits: it posts one message when no notice is pending and does nothing
// otherwise. The owner runs the handler from its message handling (modal
// loops included), at most once per interval; a notice that comes sooner is
// served when the interval is over.
class OwnerNotice {
 public:
  using Handler = void (*)();
  OwnerNotice(Handler handler, DWORD intervalMs) : handler_(handler), interval_(intervalMs) {}
  OwnerNotice(const OwnerNotice&) = delete;
  OwnerNotice& operator=(const OwnerNotice&) = delete;

  // Owner thread: notices go to this window of the calling thread from now on
  // (none for 0); one that was pending for the previous window is dropped.
  void Attach(HWND window);
  // Any thread; returns at once.
  void Raise();
  // Any thread: the owner runs the handler now, whatever the interval, and
  // the caller waits for it (to show a final state exactly).
  void Deliver();

  // For the layer's window procedure: serves a notice or its timer; true when
  // the message was one.
  static bool Serve(HWND window, UINT message, WPARAM wParam);

 private:
  void Run();

  const Handler handler_;
  const DWORD interval_;
  std::atomic<HWND> window_{nullptr};
  std::atomic<bool> pending_{false};
  // Owner thread only.
  DWORD lastRun_ = 0;
  bool ran_ = false;
  bool timerSet_ = false;
};
