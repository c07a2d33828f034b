#pragma once
#include <windows.h>

#include "support/window_text.h"

// Waiting for windows of another thread or process to get somewhere. (A
// thread that owns the windows itself pumps instead: support/pump.h.)

// Polls until done() or the time-out; returns done().
template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// Input reaches the other thread's queue asynchronously: what it changes is
// read with this, which waits (up to a few seconds) for the expected value and
// returns the last value read, for the test's own comparison.
template <typename Read, typename Value>
Value Settled(Read read, const Value& expected, DWORD timeoutMs = 3000) {
  Value now = read();
  WaitFor([&] { return (now = read()) == expected; }, timeoutMs);
  return now;
}

// Waits until the window's thread has handled what it was sent before.
inline void WaitIdle(HWND window) { SendWithin(window, WM_NULL, 0, 0); }
