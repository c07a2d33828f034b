#pragma once

// The calling thread's event queue, which WaitAppEvent (events.h) empties.

// Appends to the calling thread's queue unless equal to the last unread event.
void QueueAppEvent(int code, int gadget, int window, int subtype);
