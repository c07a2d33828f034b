#pragma once

// Waits for events without end, at least every 10 ms, and dispatches them.
[[noreturn]] void RunEventLoop();
// One event of the loop: runs the handler that the code and its gadget or
// window call for; every other event is ignored.
void DispatchAppEvent(int code);
