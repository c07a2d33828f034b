#pragma once
#include <windows.h>

// The layer window that holds hwnd (hwnd itself or the first window up
// through GetParent that carries a window number), or 0 when there is none.
// The one walk behind every lookup of a window's number or scale.
HWND LayerWindowOf(HWND hwnd);
