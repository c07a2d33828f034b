#include "gui/core/owner_call.h"

namespace {
UINT ownerCallMessage = 0;
WPARAM ownerCallCookie = 0;
}  // namespace

void InitOwnerCalls() {
  ownerCallMessage = RegisterWindowMessageW(L"GuiLayerOwnerCall");
  // The message number is shared by every process on the desktop; the cookie
  // keeps a stray sender from making us jump through a pointer of its choice.
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  ownerCallCookie = static_cast<WPARAM>(counter.QuadPart) ^ reinterpret_cast<WPARAM>(&counter) ^
                    (static_cast<WPARAM>(GetCurrentProcessId()) << 7) ^ 0x5A17u;
  if (ownerCallCookie == 0) ownerCallCookie = 1;
}

UINT OwnerCallMessage() { return ownerCallMessage; }
WPARAM OwnerCallCookie() { return ownerCallCookie; }

bool ServeOwnerCall(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != ownerCallMessage || ownerCallMessage == 0) return false;
  if (wParam != ownerCallCookie || !lParam) return true;
  const OwnerCall* call = reinterpret_cast<const OwnerCall*>(lParam);
  call->invoke(call->context);
  return true;
}
