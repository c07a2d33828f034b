#include "gui/busy.h"

#include "gui/core/busy.h"

namespace {

constexpr DWORD AliveIntervalMs = 100;

thread_local int busyDepth = 0;
thread_local DWORD lastAlive = 0;

HCURSOR WaitCursor() { return LoadCursorW(nullptr, IDC_WAIT); }

}  // namespace

BusyCursor::BusyCursor() : previous_(SetCursor(WaitCursor())) { ++busyDepth; }

BusyCursor::~BusyCursor() {
  --busyDepth;
  SetCursor(previous_);
}

bool KeepBusyCursor(HWND window) {
  // A disabled window belongs to a requester that waits for the user.
  if (busyDepth == 0 || !IsWindowEnabled(window)) return false;
  SetCursor(WaitCursor());
  return true;
}

void SignalThreadAlive() {
  const DWORD now = GetTickCount();
  if (now - lastAlive < AliveIntervalMs) return;
  lastAlive = now;
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}
