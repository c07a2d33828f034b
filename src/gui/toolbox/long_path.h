#pragma once
#include <windows.h>
#include <string>

// Paths of at least this many characters go to the platform in the \\?\ form.
// Windows refuses longer plain paths (folder creation already at 248, the
// rest at 260); the margin also covers a "\*.*" that callers append.
constexpr size_t PlainPathLimit = MAX_PATH - 12;

// Turns paths into the form to hand to file-system calls, reusing one scratch
// buffer: a path shorter than PlainPathLimit comes back as it is (no copy);
// a longer one is made absolute and given the \\?\ (or \\?\UNC\) prefix.
class PlatformPathBuffer {
 public:
  // path must be terminated at path[length]. The result stays valid until the
  // next call or as long as path does.
  const wchar_t* For(const wchar_t* path, size_t length);

 private:
  std::wstring buffer_;
};

// The same as a fresh string (for callers outside hot loops).
std::wstring PlatformPath(const wchar_t* path, size_t length);
