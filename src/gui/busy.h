#pragma once
#include <windows.h>

// A long task on the thread that owns the windows, during which it handles
// no events.

// Shows the wait cursor over the thread's enabled windows while it lives,
// also when the mouse moves meanwhile; the cursor shown before comes back at
// the end.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  HCURSOR previous_;
};

// Tells Windows that the thread is alive, so that its windows are not taken
// for hung: at most every 100 ms it looks at its queue, which serves the
// messages that other threads and processes send it, and leaves everything
// else there (no event is handled in the middle of the task). Cheap enough
// to call for every step of a long loop.
void SignalThreadAlive();
