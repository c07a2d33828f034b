#pragma once
#include <windows.h>

// The display scale a layer window is laid out for: set when the window opens
// and when it moves to a display of another scale. Its gadgets and the
// program's numbers are converted with it (toolbox/display_scale.h).

void SetLayerDpi(HWND layerWindow, int dpi);
// The scale of the layer window that holds hwnd (walking up through
// GetParent); for any other window the scale Windows gives it.
int LayerDpiOf(HWND hwnd);

// A 96-DPI value in pixels at dpi; KeepValue stays what it is.
int ScaleOrKeep(int value, int dpi);
