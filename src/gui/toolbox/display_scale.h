#pragma once
#include <windows.h>

// Pixel values in this program are written for a display at 100 % (96 DPI);
// at any other scale they are converted here, always rounded by MulDiv.
constexpr int BaseDpi = 96;

// A 96-DPI value in pixels at dpi, and back.
inline int ScaleForDpi(int value, int dpi) { return MulDiv(value, dpi, BaseDpi); }
inline int UnscaleForDpi(int value, int dpi) { return MulDiv(value, BaseDpi, dpi); }

// The scale the whole session started with (of the primary display).
int SystemDpi();
// The scale a window is drawn at; the system's where Windows has no scale per
// display (before Windows 10 1607).
int WindowDpi(HWND window);
// AdjustWindowRectEx for the frame at dpi; where Windows cannot say, the
// frame at the system's scale, which is then the only one there is.
void AdjustWindowRectForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, int dpi);
