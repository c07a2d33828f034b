#pragma once
#include <windows.h>

// Border sizing run by the layer itself when window contents are shown while
// dragging. The window procedure hands it every message first; true when it
// consumed the message (the result is then 0).
bool HandleLiveSizing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// A key for another window of the thread while a sizing runs: the sizing
// takes the keys it knows. True when consumed.
bool LiveSizingTakesKey(const MSG& msg);
