#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// Reading controls of another thread or process, through messages the system
// copies between processes. Every call has a time-out (support/window_text.h).

std::vector<std::wstring> ListLines(HWND list);
int ListSelection(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
int ComboSelection(HWND combo);
bool Checked(HWND button);
std::wstring ReadEditText(HWND edit);
std::pair<DWORD, DWORD> EditSelection(HWND edit);  // start, end
// Read again until they show the expected value (support/wait.h's Settled).
std::wstring SettledText(HWND window, const std::wstring& expected);
std::vector<std::wstring> SettledLines(HWND list, const std::vector<std::wstring>& expected);

// The control that has the keyboard focus in the window's thread.
HWND FocusedControl(HWND window);
// Its number: the gadget number of a gadget (a spin field's text or arrows).
int FocusedGadget(HWND window);
RECT ClientRectOnScreen(HWND window);

// Text of the control with this identifier anywhere inside the dialog.
std::wstring DialogItemText(HWND dialog, int id);
// A message box's text (its static control 0xFFFF).
std::wstring MessageBoxText(HWND box);
struct ButtonInfo {
  int id;
  std::wstring text;
  bool enabled;
};
// The visible push buttons inside the dialog, in window order.
std::vector<ButtonInfo> DialogButtons(HWND dialog);
// A control's rectangle in its parent's client coordinates.
RECT ControlRect(HWND control);
// Height (LOGFONT) of the font a control of this process draws with.
LONG ControlFontHeight(HWND control);
