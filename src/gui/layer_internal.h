#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

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
// Queues the drop of these paths on the window (WM_DROPFILES).
void QueueDropEvent(int window, std::vector<std::wstring> paths);

// The paths of a WM_DROPFILES drop; releases the drop handle.
std::vector<std::wstring> TakeDroppedPaths(HDROP drop);
// WM_SETCURSOR while the thread is busy (BusyCursor): true when the wait
// cursor was set for the window.
bool KeepBusyCursor(HWND window);

// Keyboard focus: the per-window Tab and Shift+Tab table, the table for a
// message about to be dispatched (none when the active window is no layer
// window or the focus is in a control that takes Tab itself; *target is the
// window that receives the command), and the focus move for a command.
HACCEL CreateFocusAccelerators();
HACCEL ChooseAccelerators(HWND* target);
bool IsFocusCommand(WPARAM wParam);
void MoveFocus(WPARAM command);

// Border sizing run by the layer itself when window contents are shown while
// dragging. The window procedure hands it every message first; true when it
// consumed the message (the result is then 0).
bool HandleLiveSizing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// A key for another window of the thread while a sizing runs: the sizing
// takes the keys it knows. True when consumed.
bool LiveSizingTakesKey(const MSG& msg);
