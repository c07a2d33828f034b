#pragma once
#include <windows.h>

#include <string>

#include "gui/toolbox/scoped.h"

// The real bundelor.exe, started as a separate process for one test. The
// destructor ends it if the test left it running, so no test leaks a process.
class AppProcess {
 public:
  AppProcess();
  ~AppProcess();
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  // Starts the program, with the arguments after its quoted path, and waits
  // until its main window is visible; false (with Problem() set) when either
  // fails. With a file-size limit (bytes, a multiple of 512) every write of
  // the program past that size fails. A program started before is ended first.
  bool Start(const std::wstring& arguments = L"", long long fileSizeLimit = 0,
             DWORD timeoutMs = 20000);
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }
  HWND MainWindow() const { return main_; }
  // Waits for the process to end; true with its exit code when it did.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
  bool Running() const;
  // Ends the process if it still runs (a test that failed half-way).
  void Terminate();
  const std::string& Problem() const { return problem_; }

 private:
  ScopedHandle process_;
  DWORD id_;
  HWND main_;
  std::string problem_;
};
