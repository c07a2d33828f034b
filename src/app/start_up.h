#pragma once
#include <windows.h>

// Everything before the event loop: globals, heap, GUI layer, thread
// registry, the empty file list and the main window.
void StartUp(HINSTANCE instance);
