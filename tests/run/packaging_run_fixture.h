#pragma once
// What the tests of whole packaging runs share: a source and a destination
// folder, the run button pressed and the program's loop run to the run's end,
// and the usual answers to the worker's requesters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "gui/app_window.h"
#include "run/progress_window.h"
#include "run/run_state.h"
#include "support/dialog_driver.h"
#include "support/program_env.h"
#include "support/run_end.h"
#include "support/temp_dir.h"

// What a run looked like from the main thread.
struct RunSeen {
  bool progressShown = false;
  bool ended = false;
};

class PackagingRunTest : public ::testing::Test {
 protected:
  void SetUp() override { UseCount(1); }
  void TearDown() override {
    RestoreStartSettings();
    SetProgramEnding(false);  // the test program goes on after an ending it staged
  }

  // Presses the run button and runs the event loop until the worker has
  // ended and the progress window is gone.
  RunSeen Run(DWORD timeoutMs = 30000) { return RunFrom(source_.Path(), timeoutMs); }
  RunSeen RunFrom(const std::wstring& source, DWORD timeoutMs = 30000) {
    RunSeen seen;
    SetSource(source);
    PostGadgetClick(RunButton);
    seen.ended = RunLoopUntil(
        [&seen] {
          HWND progress = AppWindowHandle(ProgressWindow);
          if (progress && IsWindowVisible(progress)) seen.progressShown = true;
          return RunHasEnded();
        },
        timeoutMs);
    return seen;
  }

  std::wstring Dest(const std::wstring& relative) const { return dest_ / relative; }

  TempDir source_;
  TempDir dest_;
};

// Runs the event loop until the progress window is visible.
bool RunUntilProgressShown();

// Runs the event loop until the worker has ended and the progress window is gone.
bool RunUntilEnded(DWORD timeoutMs = 10000);

// A message box step that records its text and whether the progress window
// still existed while it was shown.
DialogStep MessageStep(std::wstring* text, bool* progressOpen);

// The usual answers: the default pattern, the destination, and the one
// message that ends the run.
std::vector<DialogStep> DefaultAnswers(const std::wstring& destination, std::wstring* message,
                                       bool* progressOpen = nullptr);
