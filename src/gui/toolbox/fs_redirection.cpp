#include "gui/toolbox/fs_redirection.h"

#ifndef _WIN64
#include <windows.h>

#include <string>

#include "gui/toolbox/scoped.h"

namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using DisableRedirectionFn = BOOL(WINAPI*)(PVOID*);
using RevertRedirectionFn = BOOL(WINAPI*)(PVOID);

struct RedirectionCalls {
  DisableRedirectionFn disable = nullptr;
  RevertRedirectionFn revert = nullptr;
};

// Looked up by name, so the program still starts on 32-bit Windows, where
// some of them are missing. kernel32 is always loaded: this loads nothing.
template <typename Fn>
Fn KernelCall(const char* name) {
  return FindExport<Fn>(GetModuleHandleW(L"kernel32.dll"), name);
}

RedirectionCalls LookUpCalls() {
  const auto isWow64Process = KernelCall<IsWow64ProcessFn>("IsWow64Process");
  BOOL wow64 = FALSE;
  if (!isWow64Process || !isWow64Process(GetCurrentProcess(), &wow64) || !wow64) return {};
  RedirectionCalls calls;
  calls.disable = KernelCall<DisableRedirectionFn>("Wow64DisableWow64FsRedirection");
  calls.revert = KernelCall<RevertRedirectionFn>("Wow64RevertWow64FsRedirection");
  if (!calls.disable || !calls.revert) return {};
  return calls;
}

// Decided once per process; both stay null where nothing is redirected.
const RedirectionCalls& Calls() {
  static const RedirectionCalls calls = LookUpCalls();
  return calls;
}

// The folder WoW64 redirects, as GetSystemDirectoryW names it there.
const std::wstring& SystemFolder() {
  static const std::wstring folder = [] {
    wchar_t path[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
  }();
  return folder;
}

bool InSystemFolder(std::wstring_view path) {
  if (path.substr(0, 4) == L"\\\\?\\") path.remove_prefix(4);
  const std::wstring& folder = SystemFolder();
  if (folder.empty() || path.size() < folder.size()) return false;
  if (path.size() > folder.size() && path[folder.size()] != L'\\') return false;
  return CompareStringOrdinal(path.data(), static_cast<int>(folder.size()), folder.data(),
                              static_cast<int>(folder.size()), TRUE) == CSTR_EQUAL;
}

bool AnyInSystemFolder(std::initializer_list<std::wstring_view> paths) {
  for (std::wstring_view path : paths) {
    if (InSystemFolder(path)) return true;
  }
  return false;
}

}  // namespace

FsRedirectionOff::FsRedirectionOff()
    : previous_(nullptr), off_(Calls().disable && Calls().disable(&previous_)) {}

FsRedirectionOff::FsRedirectionOff(std::initializer_list<std::wstring_view> paths)
    : previous_(nullptr),
      off_(Calls().disable && AnyInSystemFolder(paths) && Calls().disable(&previous_)) {}

FsRedirectionOff::~FsRedirectionOff() {
  if (!off_) return;
  // The caller reads the error of the file call it guarded.
  const DWORD error = GetLastError();
  Calls().revert(previous_);
  SetLastError(error);
}
#endif
