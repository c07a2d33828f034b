#pragma once
#include <windows.h>

// WM_SETCURSOR while the thread is busy (BusyCursor): true when the wait
// cursor was set for the window.
bool KeepBusyCursor(HWND window);
