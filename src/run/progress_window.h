#pragma once
#include <windows.h>

#include "gui/app_window.h"
#include "run/run_state.h"

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

// The caption of the window for a run of that mode.
const wchar_t* ProgressWindowTitle(TransferMode mode);
// Opens the progress window hidden, centred on owner, with the gadgets of its
// table (progress_window_table.h); false when it could not be opened.
bool OpenProgressWindow(TransferMode mode, HWND owner);
// Handler of the progress window's close event.
void CloseProgressWindow();
