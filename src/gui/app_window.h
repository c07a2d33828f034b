#pragma once
#include <windows.h>
#include <string>

#include "gui/window_number.h"

// Numbered top-level windows. Every operation on a number that names no open
// window does nothing and returns 0 or "".

// Flag word bits understood by OpenAppWindow besides the Windows style bits.
enum AppWindowFlag : unsigned {
  WindowCentreOnScreen = 0x1,
  WindowCentreOnParent = 0x2,
  WindowToolWindow = 0x4,
  WindowNoGadgetTarget = 0x8,
  WindowHidden = 0x10000000,
};

HWND OpenAppWindow(int number, int x, int y, int innerWidth, int innerHeight, const wchar_t* title,
                   unsigned flags, HWND parent);
void CloseAppWindow(int number);
void SetAppWindowHidden(int number, int hidden);
HWND AppWindowHandle(int number);
int AppWindowInnerWidth(int number);
int AppWindowInnerHeight(int number);
void SetAppWindowBounds(int number, int minWidth, int minHeight, int maxWidth, int maxHeight);
std::wstring GetAppWindowTitle(int number);
void SetAppWindowTitle(int number, const wchar_t* title);
// Lets the user drop files and folders from the shell on the window; each
// drop becomes an EventFilesDropped event with the dropped paths.
void AcceptDroppedFiles(int number, bool accept);
