#pragma once
#include <windows.h>

// Start and end of the whole GUI layer. InitGuiLayer runs once, before any
// window exists: window part, gadget part, InitCommonControls, CoInitialize.
bool InitGuiLayer(HINSTANCE instance);
// Closes every window that is still open and frees the layer's resources.
void ShutDownGuiLayer();
