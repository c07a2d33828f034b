#pragma once
#include <windows.h>

// The window properties that tie a layer window to its number and scale (a
// gadget control's number is its identifier).

// Adds the property atoms; before that, the properties go by their names.
void InitProperties();
// Window property that holds a layer window's number plus 1.
LPCWSTR WindowNumberProperty();
// Window property that holds the display scale (DPI) a layer window is laid
// out for.
LPCWSTR LayerDpiProperty();
