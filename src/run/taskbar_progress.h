#pragma once
#include "run/taskbar_button.h"

// A run's progress on the taskbar button of the program's window. Main thread
// only: the button belongs to the thread that owns the window. Driven by the
// progress display, never per file.

// At start-up, before the main window exists: from the taskbar's word that
// the window's button exists on (and again when the shell has restarted), the
// button follows the run.
void WatchTaskbarButton();
// The maker of the next button (nullptr: the shell's); for tests.
void SetTaskbarButtonMaker(TaskbarButtonMaker maker);
// At the end of the program, before COM ends.
void ReleaseTaskbarButton();

// done of total files (nothing for an empty run); a stopped run, while its
// warning is shown; no run.
void ShowTaskbarProgress(int done, int total);
void ShowTaskbarStopped();
void ClearTaskbarProgress();
