#pragma once
#include <windows.h>

// Number of the layer window that holds hwnd (walking up through GetParent),
// or -1 when hwnd belongs to no layer window.
int LayerWindowNumberOf(HWND hwnd);
