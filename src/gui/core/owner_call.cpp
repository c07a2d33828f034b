#include "gui/core/owner_call.h"

namespace {
UINT g_message = 0;
WPARAM g_cookie = 0;
}  // namespace

void InitOwnerCalls() {
  g_message = RegisterWindowMessageW(L"GuiLayerOwnerCall");
  // The message number is shared by every process on the desktop; the cookie
  // keeps a stray sender from making us jump through a pointer of its choice.
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  g_cookie = static_cast<WPARAM>(counter.QuadPart) ^ reinterpret_cast<WPARAM>(&counter) ^
             (static_cast<WPARAM>(GetCurrentProcessId()) << 7) ^ 0x5A17u;
  if (g_cookie == 0) g_cookie = 1;
}

UINT OwnerCallMessage() { return g_message; }
WPARAM OwnerCallCookie() { return g_cookie; }

bool ServeOwnerCall(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != g_message || g_message == 0) return false;
  if (wParam != g_cookie || !lParam) return true;
  const OwnerCall* call = reinterpret_cast<const OwnerCall*>(lParam);
  call->invoke(call->context);
  return true;
}
