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

std::wstring EnvironmentText(const wchar_t* name) {
  wchar_t value[4096];
  const DWORD length = GetEnvironmentVariableW(name, value, 4096);
  return length > 0 && length < 4096 ? std::wstring(value, length) : std::wstring();
}

std::wstring ProgramFile() {
  const std::wstring named = EnvironmentText(L"BUNDELOR_EXE");
  return named.empty() ? BuildTreeFile(L"bundelor.exe") : named;
}
