#include "run/volumes.h"

#include <windows.h>

#include <cwchar>

#include "gui/toolbox/long_path.h"

namespace {

std::wstring PlatformForm(const std::wstring& path) {
  return PlatformPath(path.c_str(), path.size());
}

// A long path's root comes back as \\?\C:\; the same volume as C:\.
std::wstring WithoutDevicePrefix(std::wstring root) {
  if (root.compare(0, 4, L"\\\\?\\") == 0 && root.size() >= 6 && root[5] == L':') root.erase(0, 4);
  return root;
}

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The volume's own name (\\?\Volume{...}\), which every mount point and
// drive letter of one volume share; "" for a network share and the like.
std::wstring VolumeName(const std::wstring& root) {
  wchar_t name[64] = {};
  if (!GetVolumeNameForVolumeMountPointW(root.c_str(), name, 64)) return std::wstring();
  return name;
}

}  // namespace

std::wstring VolumeRoot(const std::wstring& path) {
  const std::wstring platform = PlatformForm(path);
  // The root is never longer than the path it came from.
  std::wstring root(platform.size() + 2, L'\0');
  if (!GetVolumePathNameW(platform.c_str(), &root[0], static_cast<DWORD>(root.size()))) {
    return std::wstring();
  }
  root.resize(std::wcslen(root.c_str()));
  return WithoutDevicePrefix(root);
}

bool SameVolume(const std::wstring& root, const std::wstring& otherRoot) {
  if (root.empty() || otherRoot.empty()) return false;
  if (EqualIgnoringCase(root, otherRoot)) return true;
  const std::wstring name = VolumeName(root);
  return !name.empty() && EqualIgnoringCase(name, VolumeName(otherRoot));
}

bool FreeBytes(const std::wstring& folder, uint64_t* bytes) {
  ULARGE_INTEGER available = {};
  if (!GetDiskFreeSpaceExW(PlatformForm(folder).c_str(), &available, nullptr, nullptr)) {
    return false;
  }
  *bytes = available.QuadPart;
  return true;
}

std::wstring FileSystemName(const std::wstring& root) {
  wchar_t name[MAX_PATH + 1] = {};
  if (root.empty() || !GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr,
                                             name, MAX_PATH + 1)) {
    return std::wstring();
  }
  return name;
}
