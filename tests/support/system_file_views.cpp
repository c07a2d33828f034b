#include "support/system_file_views.h"

#include <windows.h>

#include "support/temp_dir.h"

SystemFileViews ViewsOfSystemFile(const std::wstring& relative) {
  SystemFileViews views;
  BOOL wow64 = FALSE;
  if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) {
    views.untestable = "not a 32-bit process on 64-bit Windows: nothing is redirected";
    return views;
  }
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  views.named = std::wstring(windows) + L"\\System32\\" + relative;
  views.native = ReadWholeFile(std::wstring(windows) + L"\\Sysnative\\" + relative);
  views.redirected = ReadWholeFile(views.named);
  if (views.native.empty()) {
    views.untestable = "the system folder's own file cannot be read through Sysnative";
  } else if (views.native.size() == views.redirected.size()) {
    views.untestable = "System32 and SysWOW64 hold files of the same size";
  }
  return views;
}
