#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/read.h"

// The real program, started in the test process: StartUp runs once for the
// whole test program, and tests drive the main window through its event loop.

// Starts the program (globals, layer, file list, main window) the first time.
void StartProgramOnce();

// The main window's gadgets as they were right after start-up, before any
// test touched them, indexed by gadget number.
struct GadgetSnapshot {
  RECT rect;
  std::wstring text;
  int state;
};
const std::vector<GadgetSnapshot>& InitialGadgets();
// Puts the settings back to their start-up values and empties the source.
void RestoreStartSettings();

// Runs the program's own loop (wait for an event, dispatch it) until done()
// or the time-out; returns done().
bool RunLoopUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
void RunLoopFor(DWORD ms);
// Clicks a push or option button the way a mouse click reaches it, and runs
// the loop until the click has been handled.
void PostGadgetClick(int gadget);
// Selects a line of a list box and lets it notify its window, as a user's
// click does.
void SelectListLine(int gadget, int index);
// The lines of a list gadget (support/read.h reads a list by its handle).
std::vector<std::wstring> ListLines(int gadget);
// Gadget rectangle in its window's client coordinates.
RECT GadgetRect(int gadget);
// Sets the main window's settings in one go.
void SetSource(const std::wstring& folder);
void UseCount(int count);
void UseSize(int value, int unitIndex);
