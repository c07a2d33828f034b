#pragma once
#include <windows.h>

#include <string>

// Reads of a window's text and of a list or combo box item, whatever their
// length; "" for none, and when the window or item does not exist.
std::wstring ReadWindowText(HWND window);
std::wstring ListItemText(HWND list, LRESULT index);
std::wstring ComboItemText(HWND box, LRESULT index);
