#include "support/program_file.h"

#include <windows.h>

std::wstring ProgramFile() {
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableW(L"BUNDELOR_EXE", path, MAX_PATH * 4);
  if (length > 0 && length < MAX_PATH * 4) return std::wstring(path, length);
  return BUNDELOR_EXE_PATH;
}
