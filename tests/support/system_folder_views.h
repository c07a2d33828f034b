#pragma once
#include <string>

// The system folder as a 32-bit program sees it on 64-bit Windows (WoW64),
// for tests of what the program reads there: under the name the user gives
// (System32, which a redirected call takes for SysWOW64) and through
// Sysnative, which shows System32's own files.
struct SystemFolderViews {
  std::wstring named;
  std::wstring native;
  // Why redirection cannot be seen here ("" when it can).
  std::string untestable;
};
SystemFolderViews ViewsOfSystemFolder();
