#include "e2e/app_process.h"

#include <vector>

#include "e2e/remote_ui.h"

const wchar_t MainTitle[] = L"Quoddle - Bundelor 1.0";

AppProcess::AppProcess() : info_(), main_(nullptr) {}

AppProcess::~AppProcess() {
  if (!info_.hProcess) return;
  Terminate();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

void AppProcess::Terminate() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
}

bool AppProcess::Start(const std::wstring& arguments, DWORD timeoutMs) {
  std::wstring exe = BUNDELOR_EXE_PATH;
  const std::wstring line = L"\"" + exe + L"\" " + arguments;
  std::vector<wchar_t> commandLine(line.begin(), line.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_)) {
    problem_ = "CreateProcessW failed with error " + std::to_string(GetLastError());
    return false;
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
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(info_.hProcess, exitCode) != FALSE;
}

bool AppProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}
