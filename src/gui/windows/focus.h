#pragma once
#include <windows.h>

// Keyboard focus: the per-window Tab and Shift+Tab table, the table for a
// message about to be dispatched (none when the active window is no layer
// window or the focus is in a control that takes Tab itself; *target is the
// window that receives the command), and the focus move for a command.
HACCEL CreateFocusAccelerators();
HACCEL ChooseAccelerators(HWND* target);
bool IsFocusCommand(WPARAM wParam);
void MoveFocus(WPARAM command);
