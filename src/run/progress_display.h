#pragma once
#include <string>

// What the progress window, and the taskbar button with it, shows of a run.
// The worker publishes its progress and goes on at once; the main thread
// shows the latest state when it gets to it, so names of files that pass
// quickly may be skipped.

// Main thread, once the progress window and its gadgets exist (or failed to).
void AttachProgressDisplay();
// Main thread, before the progress window is closed.
void DetachProgressDisplay();
// Worker: the file in hand and the number of files done before it.
void PublishProgress(const std::wstring& fileName, int filesDone);
// Worker: publishes, then waits until the main thread shows exactly that.
void ShowProgressExactly(const std::wstring& fileName, int filesDone);
// Worker, before a warning that ends the run: returns once the main thread
// shows the run as stopped (the taskbar button's error state).
void ShowRunStopped();
