#include "e2e/app_process.h"

#include "support/find.h"
#include "support/program_file.h"
#include "support/program_texts.h"
#include "support/wait.h"

AppProcess::AppProcess() : info_(), main_(nullptr) {}

AppProcess::~AppProcess() {
  if (!info_.hProcess) return;
  Terminate();
  if (info_.hThread) CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

void AppProcess::Terminate() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
}

bool AppProcess::Start(const std::wstring& arguments, long long fileSizeLimit, DWORD timeoutMs) {
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
    commandLine = L"/bin/sh -c \"ulimit -f " + std::to_wstring(fileSizeLimit / 512) +
                  L" && trap '' XFSZ && exec '" + runner + L"' '" + exe + L"'\"";
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(fileSizeLimit > 0 ? nullptr : exe.c_str(), &commandLine[0], nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &info_)) {
    problem_ = "CreateProcessW failed with error " + std::to_string(GetLastError());
    return false;
  }
  if (fileSizeLimit > 0) {
    // Wine gives no handle for a Linux program it starts: the program's
    // process is the one that shows the main window.
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowW(nullptr, MainTitle)) && IsWindowVisible(window); },
            timeoutMs);
    if (window) GetWindowThreadProcessId(window, &info_.dwProcessId);
    info_.hProcess =
        OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                    info_.dwProcessId);
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
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
    return false;
  return GetExitCodeProcess(info_.hProcess, exitCode) != FALSE;
}

bool AppProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}
