#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Finding windows of this or another process.

// The visible top-level windows of the process, in z order.
std::vector<HWND> VisibleTopWindows(DWORD processId);
// The first of them with this class and title; either may be null (any).
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title);
// The same, waited for up to timeoutMs; 0 when none came.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title,
                   DWORD timeoutMs = 10000);
// First descendant (at any depth) of this class (any when null; compared as
// Windows compares class names, ignoring case) and identifier (any when -1).
HWND FindDescendant(HWND parent, const wchar_t* className, int id = -1);
// True when a descendant of the window shows exactly this text.
bool ShowsText(HWND window, const std::wstring& text);
