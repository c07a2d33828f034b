#pragma once
#include <initializer_list>
#include <string_view>

// While it lives, the file calls of this thread see the real system folder:
// under WoW64 (the 32-bit program on 64-bit Windows) a path into System32
// otherwise reaches SysWOW64, so a scan would list other files under those
// names and a transfer would take them. Hold it around file calls only: with
// the redirection off, a DLL loaded in between (a dialog, a message box, or
// a copy of an encrypted file, which loads its helper) would come from the
// 64-bit folder and fail. Costs nothing in a 64-bit build and one test on
// 32-bit Windows; keeps the caller's last error.
class FsRedirectionOff {
 public:
#ifdef _WIN64
  FsRedirectionOff() {}
  explicit FsRedirectionOff(std::initializer_list<std::wstring_view>) {}
#else
  FsRedirectionOff();
  // Off only when one of the paths (plain or \\?\ form) lies in the system
  // folder, the one folder that is redirected: calls that may load a DLL
  // (CopyFileW, MoveFileW) then keep the redirection for every other path.
  explicit FsRedirectionOff(std::initializer_list<std::wstring_view> paths);
  ~FsRedirectionOff();
#endif
  FsRedirectionOff(const FsRedirectionOff&) = delete;
  FsRedirectionOff& operator=(const FsRedirectionOff&) = delete;

#ifndef _WIN64
 private:
  void* previous_;
  bool off_;
#endif
};
