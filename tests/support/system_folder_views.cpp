#include "support/system_folder_views.h"

#include <windows.h>

SystemFolderViews ViewsOfSystemFolder() {
  SystemFolderViews views;
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  views.named = std::wstring(windows) + L"\\System32";
  views.native = std::wstring(windows) + L"\\Sysnative";
  BOOL wow64 = FALSE;
  if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) {
    views.untestable = "not a 32-bit process on 64-bit Windows: nothing is redirected";
  } else if (GetFileAttributesW(views.native.c_str()) == INVALID_FILE_ATTRIBUTES) {
    views.untestable = "no Sysnative folder to see System32's own files through";
  }
  return views;
}
