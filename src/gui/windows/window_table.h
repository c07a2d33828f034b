#pragma once
#include <windows.h>

#include "gui/core/number_table.h"
#include "gui/keep_value.h"

// The window part's table of open windows, shared by the window operations,
// the window procedure, the event wait and the focus and sizing handlers.

struct WindowRecord {
  HWND handle;  // 0 = slot free
  HACCEL accelerators;
  // Outer size bounds for WM_GETMINMAXINFO; 0 = not set.
  WORD minWidth, minHeight, maxWidth, maxHeight;
  // The same as given, inner and at 96 DPI (KeepValue = not given), to
  // compute them anew at another scale.
  int innerBounds[4];
  HFONT font;  // for its gadgets, at the window's scale (core/gui_font.h)
  LONG minimisedOrMaximised;
  HWND focusedControl;  // the control that had the focus when it was deactivated
  DWORD ownerThread;
};

NumberTable<WindowRecord>& WindowTable();
// The record of an open window, nullptr for any other number.
WindowRecord* LookupWindow(int number);

// Makes the table, and loads the icon and cursor of every window class.
void InitWindowTable();
HICON LayerIcon();
HCURSOR LayerCursor();
