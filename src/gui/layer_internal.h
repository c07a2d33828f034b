#pragma once
#include <windows.h>

// Seams between the window part and the gadget part of the layer.

// Per-thread target of gadget creation.
struct GadgetTarget {
  HWND window;          // client area that receives new gadgets, 0 = none
  bool optionGroupOpen; // the last gadget created was an option button
  HFONT font;           // font given to every new gadget
};
GadgetTarget& CurrentGadgetTarget();

// Gadget part, implemented beside the gadget kinds.
void InitGadgetPart();
void ShutDownGadgetPart();
// A message that a layer window received from or for one of its gadget
// controls (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*).
// Returns true when the gadget handled it: for WM_COMMAND that means no
// gadget event is raised; for the others *result is the window's answer.
// Number of the gadget whose control (or spin arrow part) this is, else -1.
int GadgetNumberOfControl(HWND control);
bool HandleGadgetParentMessage(int gadget, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* result);

// Window part: sets the thread's pending event, returned by the running wait
// once the current dispatch ends (used for WM_COMMAND gadget events).
void SetPendingGadgetEvent(int gadget, int subtype);
