#pragma once
#include <windows.h>

#include "gui/windows/window_table.h"

// A layer window at its display scale: its size bounds in pixels, and the
// move to a display of another scale.

// The outer size bounds from the inner ones given, for the window's style and
// scale now.
void StoreOuterBounds(WindowRecord& record);
// WM_DPICHANGED: the gadgets at the new scale with the new font, the bounds
// anew, and the window in the rectangle Windows suggests.
void OnDpiChanged(HWND hwnd, int window, WPARAM wParam, LPARAM lParam);
