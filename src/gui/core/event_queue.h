#pragma once
#include <string>
#include <vector>

// Events that the window and gadget parts raise besides QueueAppEvent.

// Sets the thread's pending event, returned by the running wait once the
// current dispatch ends (used for WM_COMMAND gadget events).
void SetPendingGadgetEvent(int gadget, int subtype);
// Queues the drop of these paths on the window (WM_DROPFILES).
void QueueDropEvent(int window, std::vector<std::wstring> paths);
