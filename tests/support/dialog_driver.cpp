#include "support/dialog_driver.h"

#include <commctrl.h>
#include <objbase.h>

#include "gui/toolbox/scoped_shell.h"
#include "support/narrow.h"
#include "support/pump.h"

namespace {

bool Matches(const DialogMatch& m, HWND window) {
  if (ClassNameOf(window) != m.className) return false;
  if (m.matchTitle && WindowText(window) != m.title) return false;
  return !m.accept || m.accept(window);
}

// The first visible window of this process that matches and was not answered before.
HWND FindDialog(const DialogMatch& match, const std::vector<HWND>& skip) {
  for (HWND window : VisibleTopWindows(GetCurrentProcessId())) {
    bool old = false;
    for (HWND answered : skip) old = old || answered == window;
    if (!old && Matches(match, window)) return window;
  }
  return nullptr;
}

bool Gone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

std::string DescribeVisibleWindows() {
  const std::vector<HWND> visible = VisibleTopWindows(GetCurrentProcessId());
  std::string out = "visible windows:";
  if (visible.empty()) out += " none";
  for (HWND window : visible) {
    out += " [" + Narrow(ClassNameOf(window)) + " \"" + Narrow(WindowText(window)) + "\"]";
  }
  return out;
}

}  // namespace

DialogMatch WindowOfClass(const wchar_t* className) {
  DialogMatch m;
  m.className = className;
  return m;
}

DialogMatch WindowOfClass(const wchar_t* className, const wchar_t* title) {
  DialogMatch m = WindowOfClass(className);
  m.matchTitle = true;
  m.title = title;
  return m;
}

DialogMatch MessageBoxMatch(const wchar_t* caption) {
  DialogMatch m = WindowOfClass(L"#32770", caption);
  m.accept = [](HWND box) { return GetDlgItem(box, 0xFFFF) != nullptr; };
  return m;
}

DialogMatch TextRequesterMatch(const wchar_t* caption) {
  DialogMatch m = WindowOfClass(TextRequesterClass, caption);
  // The OK button is built last; before it the requester is still being set up.
  m.accept = [](HWND requester) { return GetDlgItem(requester, TextRequesterOk) != nullptr; };
  return m;
}

DialogMatch FolderChooserMatch() {
  DialogMatch m = WindowOfClass(L"#32770");
  m.accept = [](HWND dialog) { return FindDescendant(dialog, WC_TREEVIEWW) != nullptr; };
  return m;
}

DialogAnswerer::DialogAnswerer(DialogMatch match, DialogAction action, DWORD timeoutMs)
    : DialogAnswerer(std::vector<DialogStep>{{std::move(match), std::move(action)}}, timeoutMs) {}

DialogAnswerer::DialogAnswerer(std::vector<DialogStep> steps, DWORD timeoutMs)
    : steps_(std::move(steps)), timeoutMs_(timeoutMs), thread_([this] { Run(); }) {}

DialogAnswerer::~DialogAnswerer() { Join(); }

void DialogAnswerer::Join() {
  if (thread_.joinable()) thread_.join();
}

void DialogAnswerer::Run() {
  // The shell's display names are read from this thread.
  const ComApartment com;
  for (size_t i = 0; i < steps_.size(); ++i) {
    const DialogStep& step = steps_[i];
    if (!found_.empty() && !WaitFor([&] { return Gone(found_.back()); }, timeoutMs_)) {
      report_ = "step " + std::to_string(i + 1) + ": the previous dialog did not close; " +
                DescribeVisibleWindows();
      break;
    }
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(step.match, found_)) != nullptr; }, timeoutMs_);
    if (!found) {
      report_ = "step " + std::to_string(i + 1) + ": no window of class \"" +
                Narrow(step.match.className) + "\"" +
                (step.match.matchTitle ? " titled \"" + Narrow(step.match.title) + "\"" : "") +
                " within " + std::to_string(timeoutMs_) + " ms; " + DescribeVisibleWindows();
      break;
    }
    // Let the dialog's thread finish what it does before it reads input.
    WaitIdle(found);
    found_.push_back(found);
    if (step.action) step.action(found);
  }
}

bool DialogAnswerer::Answered() {
  Join();
  return found_.size() == steps_.size();
}

HWND DialogAnswerer::Window(size_t step) {
  Join();
  return step < found_.size() ? found_[step] : nullptr;
}

std::string DialogAnswerer::Report() {
  Join();
  return report_.empty() ? "all " + std::to_string(steps_.size()) + " dialogs answered" : report_;
}

DialogAction AnswerOk(std::wstring* textSeen) {
  return [textSeen](HWND box) {
    if (textSeen) *textSeen = MessageBoxText(box);
    PostButtonCommand(box, IDOK);
  };
}

DialogAction AnswerEnter() {
  return [](HWND dialog) { PostKey(dialog, VK_RETURN); };
}

DialogAction AnswerEscape() {
  return [](HWND dialog) { PostKey(dialog, VK_ESCAPE); };
}

DialogAction AnswerText(const std::wstring& text) {
  return [text](HWND requester) {
    SetEditText(FindDescendant(requester, L"Edit"), text);
    PostButtonCommand(requester, TextRequesterOk);
  };
}

DialogAction AnswerFolder(const std::wstring& path) {
  return [path](HWND chooser) { ChooseFolder(chooser, path); };
}

DialogAction AnswerCancel() {
  return [](HWND dialog) { PostButtonCommand(dialog, IDCANCEL); };
}

OwnerWindow::OwnerWindow(int x, int y, int width, int height, const wchar_t* title) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  wc.lpszClassName = L"DialogDriverOwner";
  RegisterClassExW(&wc);  // fails harmlessly when a former owner registered it
  window_ = CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                            width, height, nullptr, nullptr, instance, nullptr);
  SetForegroundWindow(window_);
}

OwnerWindow::~OwnerWindow() {
  if (window_) DestroyWindow(window_);
}

DialogThread::DialogThread(std::function<void()> work)
    : work_(std::move(work)), thread_([this] {
        id_ = GetCurrentThreadId();
        work_();
        done_ = true;
      }) {}

DialogThread::~DialogThread() { Finish(0); }

bool DialogThread::Finish(DWORD timeoutMs) {
  if (!thread_.joinable()) return inTime_;
  inTime_ = PumpUntil([this] { return done_.load(); }, timeoutMs);
  while (!done_) {
    DismissRequestersOf(id_);
    PumpFor(200);
  }
  thread_.join();
  return inTime_;
}

bool RunOnOtherThread(const std::function<void()>& work, DWORD timeoutMs) {
  return DialogThread(work).Finish(timeoutMs);
}
