#include "support/window_text.h"

namespace {
constexpr UINT SendTimeoutMs = 5000;
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, SendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  SendWithin(window, WM_GETTEXT, sizeof buffer / sizeof buffer[0],
             reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}
