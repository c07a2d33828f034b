#pragma once
#include <windows.h>

#include "gui/core/gui_font.h"

// A window that Windows moved to a display of another scale (WM_DPICHANGED),
// the one handling for layer windows and requesters alike.

// Lays the window's contents out anew from oldDpi to newDpi, with font, the
// GUI font for newDpi, which it takes over.
using DpiRelayout = void (*)(HWND window, int oldDpi, int newDpi, ScopedGuiFont font,
                             void* context);

// WM_DPICHANGED for a window laid out at layoutDpi: a scale other than that
// goes to relayout with its font; then the window takes the rectangle Windows
// suggests (its size event follows).
void HandleDpiChanged(HWND window, int layoutDpi, WPARAM wParam, LPARAM lParam,
                      DpiRelayout relayout, void* context);
