#pragma once
#include <windows.h>
#include <functional>

// Message pumping for GUI tests on the thread that owns the windows.

// Dispatches this thread's messages for about ms milliseconds.
void PumpFor(DWORD ms);
// Dispatches messages until done() is true or timeoutMs passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches what is pending now, without waiting.
void PumpPending();
