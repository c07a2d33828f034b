#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "gui/requesters.h"
#include "support/find.h"
#include "support/folder_chooser.h"
#include "support/input.h"
#include "support/read.h"
#include "support/wait.h"
#include "support/window_text.h"

// Answers modal dialogs from a helper thread, as a user would: wait for the
// dialog to appear, read it, type, press its buttons or keys.
//
//   std::wstring seen;
//   DialogAnswerer answers({
//       {TextRequesterMatch(ProgramCaption), AnswerText(DefaultPattern)},
//       {FolderChooserMatch(), AnswerFolder(destination)},
//       {MessageBoxMatch(ProgramCaption), AnswerOk(&seen)},
//   });
//   ... code that opens the three dialogs in turn ...
//   EXPECT_TRUE(answers.Answered()) << answers.Report();
//
// Steps run in order, each waiting (up to the time-out) for its own window;
// before the next step the previous window must be gone. The thread that
// owns the dialogs must keep pumping messages (a modal loop does).

// Which window a step waits for: a visible top-level window of this process
// with this class, optionally this exact title, and optionally accepted by a
// further test (for instance "its controls exist by now").
struct DialogMatch {
  std::wstring className;
  bool matchTitle = false;
  std::wstring title;
  std::function<bool(HWND)> accept;
};
DialogMatch WindowOfClass(const wchar_t* className);
DialogMatch WindowOfClass(const wchar_t* className, const wchar_t* title);
// A message box ("#32770") with this caption.
DialogMatch MessageBoxMatch(const wchar_t* caption);
// The text requester with this caption, once its controls are built.
DialogMatch TextRequesterMatch(const wchar_t* caption);
// The shell's folder chooser: a "#32770" holding a folder tree.
DialogMatch FolderChooserMatch();

using DialogAction = std::function<void(HWND dialog)>;
struct DialogStep {
  DialogMatch match;
  DialogAction action;
};

class DialogAnswerer {
 public:
  DialogAnswerer(DialogMatch match, DialogAction action, DWORD timeoutMs = 10000);
  explicit DialogAnswerer(std::vector<DialogStep> steps, DWORD timeoutMs = 10000);
  ~DialogAnswerer();  // waits for the helper thread
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Waits for the helper thread; true when every step found its window and
  // ran its action.
  bool Answered();
  // Waits; the window a step answered (0 if it found none).
  HWND Window(size_t step);
  // Waits; what went wrong, with the visible windows seen, for a failure message.
  std::string Report();

 private:
  void Run();
  void Join();

  std::vector<DialogStep> steps_;
  DWORD timeoutMs_;
  std::vector<HWND> found_;
  std::string report_;
  std::thread thread_;
};

// Ready-made answers.
DialogAction AnswerOk(std::wstring* textSeen = nullptr);  // message box: read text, press OK
DialogAction AnswerEnter();                               // press Enter
DialogAction AnswerEscape();                              // press Esc
DialogAction AnswerText(const std::wstring& text);        // text requester: replace, press OK
DialogAction AnswerFolder(const std::wstring& path);      // folder chooser: select, press OK
DialogAction AnswerCancel();                              // press Cancel (IDCANCEL)

// A plain visible top-level window of the calling thread, in front and
// active, to own dialogs in tests; destroyed with the object.
class OwnerWindow {
 public:
  OwnerWindow(int x, int y, int width, int height, const wchar_t* title = L"Owner");
  ~OwnerWindow();
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

// Work on a thread of its own while the calling thread pumps its messages
// (its windows may own the other thread's dialogs, whose closing sends to
// them). Finish waits a bounded time, then closes the thread's dialogs until
// the work ends, so that a dialog nobody answers fails a test, not hangs it.
class DialogThread {
 public:
  explicit DialogThread(std::function<void()> work);
  ~DialogThread();  // finishes without waiting
  DialogThread(const DialogThread&) = delete;
  DialogThread& operator=(const DialogThread&) = delete;
  // True when the work ended within timeoutMs, before any dialog was closed.
  bool Finish(DWORD timeoutMs = 30000);

 private:
  std::function<void()> work_;
  std::atomic<DWORD> id_{0};
  std::atomic<bool> done_{false};
  bool inTime_ = false;
  std::thread thread_;
};

// DialogThread(work).Finish(timeoutMs).
bool RunOnOtherThread(const std::function<void()>& work, DWORD timeoutMs = 30000);
