#pragma once
#include <windows.h>
#include <string>

// Paths of at least this many characters go to the platform in the \\?\ form.
// Windows refuses longer plain paths (folder creation already at 248, the
// rest at 260); the margin also covers a "\*.*" that callers append.
constexpr size_t PlainPathLimit = MAX_PATH - 12;

// Turns paths into the form to hand to file-system calls, reusing one scratch
// buffer. The result stays valid until the next call or as long as path does;
// path must be terminated at path[length].
class PlatformPathBuffer {
 public:
  // For a path as a user typed it: shorter than PlainPathLimit it comes back
  // as it is (no copy); a longer one is made absolute and given the \\?\ (or
  // \\?\UNC\) prefix.
  const wchar_t* For(const wchar_t* path, size_t length);
  // For a path built from names as a folder listing gave them: an absolute,
  // normal path (AbsolutePath) comes back in the \\?\ form with the names
  // exactly as they are, so a name that ends in a dot or a space names that
  // file and not its twin without them. A path already in a device form comes
  // back as it is; any other path is handled as For handles it (plain when
  // short), so callers must pass absolute, normal paths to be exact.
  const wchar_t* Exact(const wchar_t* path, size_t length);

 private:
  std::wstring buffer_;
};

// The same as fresh strings (for callers outside hot loops).
std::wstring PlatformPath(const wchar_t* path, size_t length);
std::wstring ExactPlatformPath(const wchar_t* path, size_t length);

// AbsolutePath of a folder, ending in one "\"; empty when it cannot be resolved.
std::wstring AbsoluteFolderPath(const wchar_t* path);

// path as an absolute, normal path in the plain form: unchanged when it is
// one already (so names ending in a dot or a space survive), otherwise
// resolved against the current folder. Empty when it cannot be resolved.
std::wstring AbsolutePath(const wchar_t* path);
