#include "gui/toolbox/display_scale.h"

#include "gui/toolbox/scoped.h"

namespace {

using GetDpiForSystemFn = UINT(WINAPI*)();
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// The per-display calls came with Windows 10 1607; looked up by name so the
// program still starts on every older Windows. user32 is always loaded.
struct ScaleCalls {
  GetDpiForSystemFn dpiForSystem;
  GetDpiForWindowFn dpiForWindow;
  AdjustWindowRectExForDpiFn adjustForDpi;
};

const ScaleCalls& Calls() {
  static const ScaleCalls calls = [] {
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    return ScaleCalls{FindExport<GetDpiForSystemFn>(user, "GetDpiForSystem"),
                      FindExport<GetDpiForWindowFn>(user, "GetDpiForWindow"),
                      FindExport<AdjustWindowRectExForDpiFn>(user, "AdjustWindowRectExForDpi")};
  }();
  return calls;
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : BaseDpi;
}

}  // namespace

int SystemDpi() {
  if (Calls().dpiForSystem) {
    const UINT dpi = Calls().dpiForSystem();
    if (dpi) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int WindowDpi(HWND window) {
  if (window && Calls().dpiForWindow) {
    const UINT dpi = Calls().dpiForWindow(window);
    if (dpi) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

void AdjustWindowRectForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, int dpi) {
  if (Calls().adjustForDpi &&
      Calls().adjustForDpi(rect, style, menu, exStyle, static_cast<UINT>(dpi))) {
    return;
  }
  AdjustWindowRectEx(rect, style, menu, exStyle);
}
