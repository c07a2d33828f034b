#include "gui/toolbox/long_path.h"

#include <cstring>

namespace {

// Room in front of the full path for the longest prefix, "\\?\UNC\".
constexpr size_t PrefixRoom = 8;

bool HasDevicePrefix(const wchar_t* p) {
  return p[0] == L'\\' && p[1] == L'\\' && (p[2] == L'?' || p[2] == L'.') && p[3] == L'\\';
}

}  // namespace

const wchar_t* PlatformPathBuffer::For(const wchar_t* path, size_t length) {
  // This is where the \\?\ form is added. Wine has no 260-character limit and
  // takes either form, so only Windows shows the difference.
  if (length < PlainPathLimit || HasDevicePrefix(path)) return path;

  // The \\?\ form skips the usual normalisation (relative parts, "/", "." and
  // ".."), so the path is first made absolute and normal the way Windows
  // would do it for a short path.
  DWORD room = static_cast<DWORD>(length + 64);
  DWORD got = 0;
  for (;;) {
    buffer_.resize(PrefixRoom + room);
    got = GetFullPathNameW(path, room, &buffer_[PrefixRoom], nullptr);
    if (got == 0) return path;
    if (got < room) break;
    room = got + 1;  // too small: got is the size needed, terminator included
  }
  wchar_t* full = &buffer_[PrefixRoom];
  if (HasDevicePrefix(full)) return full;
  if (full[0] == L'\\' && full[1] == L'\\') {
    // \\server\share\... becomes \\?\UNC\server\share\...: the prefix ends
    // with the "C" that takes the place of the first backslash.
    std::memcpy(full - 6, L"\\\\?\\UNC", 7 * sizeof(wchar_t));
    return full - 6;
  }
  if (full[1] == L':') {
    std::memcpy(full - 4, L"\\\\?\\", 4 * sizeof(wchar_t));
    return full - 4;
  }
  return full;
}

std::wstring PlatformPath(const wchar_t* path, size_t length) {
  const std::wstring plain(path, length);
  PlatformPathBuffer buffer;
  return buffer.For(plain.c_str(), plain.size());
}
