#pragma once
#include <windows.h>

#include <type_traits>

// Runs window operations on the thread that owns the window. Another thread
// sends one private message and waits; the owner serves it while it waits for
// events, so one operation costs one cross-thread round trip.

struct OwnerCall {
  void (*invoke)(void* context);
  void* context;
};

void InitOwnerCalls();
UINT OwnerCallMessage();
WPARAM OwnerCallCookie();

template <typename F>
void RunOnOwner(HWND hwnd, DWORD ownerThread, F&& fn) {
  if (ownerThread == GetCurrentThreadId()) {
    fn();
    return;
  }
  using Fn = std::remove_reference_t<F>;
  OwnerCall call{[](void* context) { (*static_cast<Fn*>(context))(); }, &fn};
  SendMessageW(hwnd, OwnerCallMessage(), OwnerCallCookie(), reinterpret_cast<LPARAM>(&call));
}

// For window procedures: runs the call if the message is one; true then.
bool ServeOwnerCall(UINT message, WPARAM wParam, LPARAM lParam);
