#pragma once
#include <string>

// One file of the system folder as a 32-bit program sees it on 64-bit
// Windows (WoW64): the path under System32 that the user names, the path of
// System32's own file (through Sysnative) and what a redirected call reads
// there instead (SysWOW64's file of that name).
struct SystemFileViews {
  std::wstring named;
  std::string native;
  std::string redirected;
  // Why redirection cannot be seen here ("" when it can): the test process
  // is no 32-bit one on 64-bit Windows, or both views hold files of one size.
  std::string untestable;
};
SystemFileViews ViewsOfSystemFile(const std::wstring& relative);
