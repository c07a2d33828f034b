#pragma once
#include <windows.h>

// The window properties that tie a control or window to its number.

// Adds the property atoms; before that, the properties go by their names.
void InitProperties();
// Window property that holds a layer window's number plus 1.
LPCWSTR WindowNumberProperty();
// Window property that holds a gadget control's number plus 1.
LPCWSTR GadgetNumberProperty();
// Window property that holds the display scale (DPI) a layer window is laid
// out for.
LPCWSTR LayerDpiProperty();
