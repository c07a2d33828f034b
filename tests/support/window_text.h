#pragma once
#include <windows.h>

#include <string>

// Reading windows of another thread or process. Every call has a time-out,
// so a thread that stopped answering cannot hang the test.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
