#include "plan/long_path.h"

std::wstring PlatformPath(const wchar_t* path, size_t length) {
  // Windows refuses paths of MAX_PATH (260) characters or more unless they
  // carry the \\?\ prefix; Wine does not, so tests cannot see this branch fail.
  // A margin of 12 leaves room for the "\*.*" or a file name that callers add.
  const bool absoluteDrive = length >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
  const bool unc = length >= 2 && path[0] == L'\\' && path[1] == L'\\';
  const bool prefixed = length >= 4 && path[0] == L'\\' && path[1] == L'\\' && path[2] == L'?' &&
                        path[3] == L'\\';
  if (length < MAX_PATH - 12 || prefixed || !(absoluteDrive || unc)) return std::wstring(path, length);
  std::wstring out;
  out.reserve(length + 8);
  if (unc) {
    out.assign(L"\\\\?\\UNC\\");
    out.append(path + 2, length - 2);
  } else {
    out.assign(L"\\\\?\\");
    out.append(path, length);
  }
  // The \\?\ form takes no forward slashes.
  for (auto& c : out) {
    if (c == L'/') c = L'\\';
  }
  return out;
}
