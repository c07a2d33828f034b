#include "gui/toolbox/long_path.h"

#include <cstring>

namespace {

// Room in front of the full path for the longest prefix, "\\?\UNC\".
constexpr size_t PrefixRoom = 8;

bool HasDevicePrefix(const wchar_t* p) {
  return p[0] == L'\\' && p[1] == L'\\' && (p[2] == L'?' || p[2] == L'.') && p[3] == L'\\';
}

bool IsDriveAbsolute(const wchar_t* p) { return p[0] && p[1] == L':' && p[2] == L'\\'; }

bool IsUncAbsolute(const wchar_t* p) {
  return p[0] == L'\\' && p[1] == L'\\' && p[2] && p[2] != L'\\';
}

// True when Windows' normalisation would change nothing but trailing dots and
// spaces: absolute, backslashes only, no empty, "." or ".." names on the way.
bool IsNormalAbsolute(const wchar_t* p, size_t length) {
  if (!IsDriveAbsolute(p) && !IsUncAbsolute(p)) return false;
  for (size_t i = 2; i < length; ++i) {
    if (p[i] == L'/') return false;
    if (p[i - 1] != L'\\') continue;
    if (p[i] == L'\\') return false;
    if (p[i] == L'.') {
      const size_t dots = i + 1 < length && p[i + 1] == L'.' ? 2 : 1;
      if (i + dots == length || p[i + dots] == L'\\') return false;
    }
  }
  return true;
}

// Writes the prefix in front of the absolute path that starts at full, inside
// the room left before it; returns the prefixed path.
const wchar_t* Prefix(wchar_t* full) {
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

// Resolves path into buffer after PrefixRoom; nullptr when it cannot.
wchar_t* Resolve(const wchar_t* path, size_t length, std::wstring* buffer) {
  DWORD room = static_cast<DWORD>(length + 64);
  for (;;) {
    buffer->resize(PrefixRoom + room);
    const DWORD got = GetFullPathNameW(path, room, &(*buffer)[PrefixRoom], nullptr);
    if (got == 0) return nullptr;
    if (got < room) return &(*buffer)[PrefixRoom];
    room = got + 1;  // too small: got is the size needed, terminator included
  }
}

}  // namespace

const wchar_t* PlatformPathBuffer::For(const wchar_t* path, size_t length) {
  // Wine has no 260-character limit and takes either form, so only Windows
  // shows the difference.
  if (length < PlainPathLimit || HasDevicePrefix(path)) return path;
  // The \\?\ form skips the usual normalisation (relative parts, "/", "." and
  // ".."), so the path is first made absolute and normal the way Windows
  // would do it for a short path.
  wchar_t* full = Resolve(path, length, &buffer_);
  return full ? Prefix(full) : path;
}

const wchar_t* PlatformPathBuffer::Exact(const wchar_t* path, size_t length) {
  if (HasDevicePrefix(path)) return path;
  if (!IsNormalAbsolute(path, length)) return For(path, length);
  buffer_.resize(PrefixRoom + length + 1);
  wchar_t* full = &buffer_[PrefixRoom];
  std::memcpy(full, path, (length + 1) * sizeof(wchar_t));
  return Prefix(full);
}

std::wstring PlatformPath(const wchar_t* path, size_t length) {
  const std::wstring plain(path, length);
  PlatformPathBuffer buffer;
  return buffer.For(plain.c_str(), plain.size());
}

std::wstring ExactPlatformPath(const wchar_t* path, size_t length) {
  const std::wstring plain(path, length);
  PlatformPathBuffer buffer;
  return buffer.Exact(plain.c_str(), plain.size());
}

std::wstring AbsoluteFolderPath(const wchar_t* path) {
  std::wstring folder = AbsolutePath(path);
  if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
  return folder;
}

std::wstring AbsolutePath(const wchar_t* path) {
  const size_t length = std::wcslen(path);
  if (HasDevicePrefix(path) || IsNormalAbsolute(path, length)) return path;
  std::wstring buffer;
  const wchar_t* full = Resolve(path, length, &buffer);
  return full ? std::wstring(full) : std::wstring();
}
