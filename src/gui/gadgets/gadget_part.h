#pragma once
#include <windows.h>

// What the window part uses of the gadget part.

// Per-thread target of gadget creation; a window that opens becomes it.
struct GadgetTarget {
  HWND window;           // client area that receives new gadgets, 0 = none
  bool optionGroupOpen;  // the last gadget created was an option button
  HFONT font;            // font given to every new gadget
};
GadgetTarget& CurrentGadgetTarget();

void InitGadgetPart();
void ShutDownGadgetPart();

// Number of the gadget whose control (or spin arrow part) this is, else -1.
int GadgetNumberOfControl(HWND control);
// A message that a layer window received from or for one of its gadget
// controls (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*).
// Returns true when the gadget handled it: for WM_COMMAND that means no
// gadget event is raised; for the others *result is the window's answer.
bool HandleGadgetParentMessage(int gadget, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* result);
// The window moved from a display at oldDpi to one at newDpi: each of its
// gadgets gets the font for the new scale and the same place at it.
void RescaleGadgets(HWND window, int oldDpi, int newDpi, HFONT font);
