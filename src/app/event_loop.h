#pragma once

// Waits for events without end, at least every 10 ms, and dispatches them.
[[noreturn]] void RunEventLoop();
// One turn of that loop, for the loop and for whatever drives the program
// from inside (tests, benchmark): waits up to timeoutMs for an event, keeps
// its code as the current event, dispatches it and returns the code.
int RunEventLoopOnce(int timeoutMs);
// One event of the loop: runs the handler that the code and its gadget or
// window call for; every other event is ignored.
void DispatchAppEvent(int code);
