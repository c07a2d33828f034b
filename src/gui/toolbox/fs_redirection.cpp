#include "gui/toolbox/fs_redirection.h"

#ifndef _WIN64
#include <windows.h>

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

}  // namespace

FsRedirectionOff::FsRedirectionOff()
    : previous_(nullptr), off_(Calls().disable && Calls().disable(&previous_)) {}

FsRedirectionOff::~FsRedirectionOff() {
  if (!off_) return;
  // The caller reads the error of the file call it guarded.
  const DWORD error = GetLastError();
  Calls().revert(previous_);
  SetLastError(error);
}
#endif
