#include "e2e/app_process.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "support/find.h"
#include "support/program_file.h"
#include "support/program_texts.h"
#include "support/wait.h"

namespace {

// One argument of a Windows command line, quoted so that the usual splitting
// gives it back as it is.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
    } else {
      // Backslashes before a quote are doubled, the quote escaped.
      if (c == L'"') quoted.append(backslashes + 1, L'\\');
      backslashes = 0;
    }
    quoted.push_back(c);
  }
  quoted.append(backslashes, L'\\');  // they stand before the closing quote
  return quoted + L"\"";
}

// The arguments as the program splits them, each in single quotes for a shell.
std::wstring ShellWords(const std::wstring& arguments) {
  int count = 0;
  const std::wstring line = L"x " + arguments;  // the splitting takes a program name first
  const ScopedLocalMemory<wchar_t**> split(CommandLineToArgvW(line.c_str(), &count));
  std::wstring words;
  for (int i = 1; split.Valid() && i < count; ++i) {
    words += L" '";
    for (const wchar_t* c = split.Get()[i]; *c; ++c) {
      if (*c == L'\'') {
        words += L"'\\''";
      } else {
        words += *c;
      }
    }
    words += L"'";
  }
  return words;
}

// The program's main windows now, hidden or not.
std::vector<HWND> MainWindows() {
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, MainTitle)) != nullptr) {
    windows.push_back(window);
  }
  return windows;
}

// A visible main window that was not there before.
HWND NewMainWindow(const std::vector<HWND>& before) {
  for (HWND window : MainWindows()) {
    if (IsWindowVisible(window) && std::find(before.begin(), before.end(), window) == before.end())
      return window;
  }
  return nullptr;
}

}  // namespace

AppProcess::AppProcess() : id_(0), main_(nullptr) {}

AppProcess::~AppProcess() { Terminate(); }

void AppProcess::Terminate() {
  if (!process_.Valid()) return;
  if (Running()) TerminateProcess(process_.Get(), 99);
  // The next test starts from a clean slate: the process has ended (so its
  // writes have stopped) and its windows are gone, which under load takes
  // longer than the call.
  WaitForSingleObject(process_.Get(), 60000);
  WaitFor([this] { return !FindProcessWindow(id_, nullptr, MainTitle); }, 10000);
}

bool AppProcess::Start(const std::wstring& arguments, long long fileSizeLimit, DWORD timeoutMs) {
  Terminate();
  process_.Reset();
  id_ = 0;
  main_ = nullptr;
  const std::wstring exe = ProgramFile();
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  if (fileSizeLimit > 0) {
    // The Wine runner's Linux path, from the test's set-up.
    const std::wstring runner = EnvironmentText(L"BUNDELOR_WINE_RUN");
    if (runner.empty()) {
      problem_ = "BUNDELOR_WINE_RUN is not set: run through ctest";
      return false;
    }
    // A shell on the Linux side sets the limit, in POSIX blocks of 512
    // bytes, and the program inherits it; a write past it fails as "file too
    // large" instead of ending the program.
    commandLine = L"/bin/sh -c " + Quoted(L"ulimit -f " + std::to_wstring(fileSizeLimit / 512) +
                                          L" && trap '' XFSZ && exec '" + runner + L"' '" + exe +
                                          L"'" + ShellWords(arguments));
  }
  const std::vector<HWND> before = MainWindows();
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(fileSizeLimit > 0 ? nullptr : exe.c_str(), &commandLine[0], nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &info)) {
    problem_ = "CreateProcessW failed with error " + std::to_string(GetLastError());
    return false;
  }
  const ScopedHandle thread(info.hThread);
  // What Windows lets a starter hand on: the program it started may take the
  // foreground, as one started from Explorer does.
  AllowSetForegroundWindow(info.dwProcessId);
  process_.Reset(info.hProcess);
  id_ = info.dwProcessId;
  if (fileSizeLimit > 0) {
    // Wine gives no handle for a Linux program it starts: the program's
    // process is the one that shows the main window.
    HWND window = nullptr;
    WaitFor([&] { return (window = NewMainWindow(before)) != nullptr; }, timeoutMs);
    id_ = 0;
    if (window) GetWindowThreadProcessId(window, &id_);
    process_.Reset(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                               FALSE, id_));
  }
  main_ = WaitForWindow(Id(), nullptr, MainTitle, timeoutMs);
  if (!main_) {
    problem_ = "no visible main window within " + std::to_string(timeoutMs) + " ms";
    return false;
  }
  // Let the program reach its event loop before anything is sent to it.
  WaitIdle(main_);
  return true;
}

bool AppProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_.Valid() || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
    return false;
  return GetExitCodeProcess(process_.Get(), exitCode) != FALSE;
}

bool AppProcess::Running() const {
  return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}
