#pragma once
#include <windows.h>

// Handler of the cancel button: asks the worker to stop in the file in hand,
// and says so in the progress window's caption.
void RequestAbort();
// Cancels a running run as the cancel button does and waits up to timeoutMs
// for its worker to end, with turn (one turn of the event loop) meanwhile;
// true when no run is going on any more.
bool CancelRunWithin(DWORD timeoutMs, void (*turn)());
// At the end of the program: marks it as ending, stops a running worker in
// the file in hand (which it undoes), serving its window requests meanwhile,
// and returns once it has ended.
void FinishRunBeforeExit();
