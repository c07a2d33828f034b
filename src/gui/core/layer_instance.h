#pragma once
#include <windows.h>

// The module instance given to InitGuiLayer, for window classes and controls.
void SetLayerInstance(HINSTANCE instance);
HINSTANCE LayerInstance();
