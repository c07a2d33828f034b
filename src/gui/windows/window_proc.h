#pragma once
#include <windows.h>

// The one window procedure of every layer window: owner calls, notices and
// live sizing first, then each message as an event on the calling thread's
// queue, or handed to the gadget it is about.
LRESULT CALLBACK LayerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
