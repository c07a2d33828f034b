#include "support/program_file.h"

#include <windows.h>

#include <vector>

std::wstring BuildTreeFile(const wchar_t* name) {
  std::vector<wchar_t> own(32768);
  const DWORD length = GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size()));
  std::wstring path(own.data(), length);
  // Up from the program's name and its folder (tests\, bench\).
  for (int level = 0; level < 2; ++level) {
    const size_t cut = path.find_last_of(L"\\/");
    path.erase(cut == std::wstring::npos ? 0 : cut);
  }
  return path + L"\\" + name;
}

std::wstring ProgramFile() {
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableW(L"BUNDELOR_EXE", path, MAX_PATH * 4);
  if (length > 0 && length < MAX_PATH * 4) return std::wstring(path, length);
  return BuildTreeFile(L"bundelor.exe");
}
