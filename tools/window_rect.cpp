// Prints "x y width height" of the visible top-level window with the given
// title (screen coordinates), waiting up to ten seconds for it. Used by the
// scripts to cut a window out of a screenshot of the Wine desktop.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  for (int i = 0; i < 100; ++i) {
    HWND window = FindWindowW(nullptr, argv[1]);
    RECT r;
    if (window && IsWindowVisible(window) && GetWindowRect(window, &r)) {
      std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
      return 0;
    }
    Sleep(100);
  }
  return 1;
}
