#include "support/unix_side.h"

#include <windows.h>

#include "gui/toolbox/scoped.h"

namespace {
using UnixNameFn = char*(CDECL*)(const wchar_t*);
}  // namespace

std::wstring UnixPath(const std::wstring& path) {
  const auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* name = unixName ? unixName(path.c_str()) : nullptr;
  if (!name) return std::wstring();
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, name, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, name, -1, &wide[0], static_cast<int>(wide.size()));
  HeapFree(GetProcessHeap(), 0, name);
  return wide.c_str();
}

bool RunUnix(std::wstring commandLine, const std::function<bool()>& done) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  // Not waited for: the result is looked for below.
  const ScopedHandle thread(process.hThread), program(process.hProcess);
  for (int waited = 0; waited < 10000; waited += 20) {
    if (done()) return true;
    Sleep(20);
  }
  return done();
}
