#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "e2e/app_process.h"
#include "run/progress_window.h"
#include "support/dialog_driver.h"
#include "support/program_texts.h"

// Every test gets a freshly started program and ends it (terminating it if the
// test did not end it itself).
class E2eTest : public ::testing::Test {
 protected:
  void SetUp() override { StartApp(L""); }
  // Starts the program with these arguments and brings it to the front.
  void StartApp(const std::wstring& arguments);
  // Ends the program before the test's folders are removed.
  void TearDown() override { app_.Terminate(); }

  HWND Main() const { return app_.MainWindow(); }
  // The main window's control; for the spin fields their text part.
  HWND G(int gadget) const;
  // Chooses the source folder with the browse button and the folder chooser.
  void ChooseSource(const std::wstring& folder);
  // Clicks a button and waits for the program to have handled it.
  void ClickGadget(int gadget);
  // Sets the by-count option and walks the count spin with the arrow keys.
  void UseCount(int count);
  // Clicks an option button until it shows checked: under load a click can
  // come before the window takes input, and a run on the wrong setting would
  // fail for another reason than the one tested.
  void ChooseOption(int gadget);
  // The gadget number of the focused control, once it is the expected one
  // (or the last one seen).
  int FocusedGadget(int expected);

  // A packaging run up to the transfer: presses the run button, types the
  // naming pattern into the text requester (keeps the offered one when
  // null) and chooses the destination (cancels the chooser when empty).
  void StartRun(const wchar_t* pattern, const std::wstring& destination);
  // The progress window while it exists (0 before and after).
  HWND ProgressWindow() const;
  // Waits until the run has ended: its window is gone.
  bool WaitForRunEnd(DWORD timeoutMs = 30000) const;
  // Waits for the program's next message box, reads it and presses OK; ""
  // when none came.
  std::wstring AnswerMessage(DWORD timeoutMs = 30000);

  // Waits for the program's message box (one with a text and this button).
  HWND WaitForMessageBox(DWORD timeoutMs = 10000, int button = IDOK) const;
  // Waits for the program's dialog that has this button, presses it and
  // waits until the dialog is gone; false when none came or it stayed.
  bool PressInDialog(int button, DWORD timeoutMs = 10000);

  AppProcess app_;
  // Set by a test's constructor: the largest file the program may write
  // (bytes, a multiple of 512; 0 for no limit).
  long long fileSizeLimit_ = 0;
};
