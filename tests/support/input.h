#pragma once
#include <windows.h>

#include <string>

// Two kinds of input, named apart because they reach a window differently:
//  - Post...  / Send... (window given): messages put straight into one window
//    of this process's other thread; no focus or foreground needed.
//  - Key... / Click... / TypeChars: real keyboard and mouse input (SendInput)
//    that takes the program's own way through the foreground window; works
//    across processes.

// Real input, returning at once: the key (with a held modifier such as
// VK_SHIFT, VK_MENU, VK_CONTROL, or 0) down and up.
void SendKeyStroke(WORD virtualKey, WORD modifier = 0);
// A mouse event at a point of the screen. Each event carries the position: a
// separate cursor move may reach the program after the button under Wine.
void SendMouseInput(POINT onScreen, DWORD flags);

// Real input to a window of another thread or process, waiting until the
// foreground window's thread has handled it.
bool ForegroundOf(HWND topLevel);  // brings it to the front; true when it is there
void KeyStroke(WORD virtualKey, WORD modifier = 0);
void KeyStrokes(WORD virtualKey, int times);
void TypeChars(const std::wstring& text);
// A left click at the centre of the window's client area.
void Click(HWND window);
void ClickListLine(HWND list, int index);
// A click on a push button of a dialog, brought to the front first; false when
// the button is missing, hidden or disabled.
bool ClickButton(HWND dialog, int id);
// Clicks the button until its dialog is gone, at most three times, as a user
// clicks again when a click was lost on a busy machine; true when it went.
bool ClickButtonAway(HWND dialog, int id);

// Posted or sent to a window of this process's other thread. A button command
// is what a click makes the button send to its parent; refused (false) when
// the button is missing, hidden or disabled, as a user could not click it then.
bool PostButtonCommand(HWND dialog, int id);
// A key down and up, posted to the control that has the focus in the
// dialog's thread (the dialog itself when none does).
void PostKey(HWND dialog, UINT virtualKey);
void SetEditText(HWND edit, const std::wstring& text);  // replaces the whole text
void SendChars(HWND edit, const std::wstring& text);    // one WM_CHAR per character at the caret
