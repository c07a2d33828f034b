#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "gui/app_window.h"
#include "run/run_state.h"

class FileList;

constexpr int ProgressWindow = 1;
// A caption (the layer adds it to a word without styles) and nothing else,
// centred on the owner, opened hidden.
constexpr unsigned ProgressWindowFlags = WindowCentreOnParent | WindowHidden;
static_assert(ProgressWindowFlags == 0x10000002, "progress window flags");

enum ProgressGadget : int {
  FileLabel = 17,
  CurrentFileText = 18,
  ProgressBar = 19,
  CancelButton = 20,
};

// Opens the progress window hidden, centred on owner, and starts the packaging
// worker on files (which must stay put until the run has ended), scanned from
// the source folder; returns at once.
void StartPackagingRun(TransferMode mode, FileList& files, const std::wstring& source, HWND owner);
// Handler of the cancel button: asks the worker to stop before its next file.
void RequestAbort();
// Handler of the progress window's close event.
void CloseProgressWindow();
// At the end of the program: marks it as ending, stops a running worker in
// the file in hand (which it undoes), serving its window requests meanwhile,
// and returns once it has ended.
void FinishRunBeforeExit();
// Cancels a running run as the cancel button does and waits up to timeoutMs
// for its worker to end, with turn (one turn of the event loop) meanwhile;
// true when no run is going on any more.
bool CancelRunWithin(DWORD timeoutMs, void (*turn)());
