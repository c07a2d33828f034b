#include "e2e/e2e_files.h"

#include <windows.h>

#include <algorithm>

#include "gui/toolbox/long_path.h"
#include "gui/toolbox/scoped.h"

namespace {

constexpr DWORD Chunk = 1 << 20;

ScopedFileHandle OpenPath(const std::wstring& path, DWORD access, DWORD disposition) {
  return ScopedFileHandle(CreateFileW(ExactPlatformPath(path.c_str(), path.size()).c_str(), access,
                                      FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
}

DWORD ReadUpTo(HANDLE file, std::string* buffer) {
  DWORD got = 0;
  DWORD total = 0;
  while (total < Chunk && ReadFile(file, &(*buffer)[total], Chunk - total, &got, nullptr) && got) {
    total += got;
  }
  return total;
}

void Collect(const std::wstring& folder, const std::wstring& prefix, bool recursive,
             std::vector<std::wstring>* out) {
  WIN32_FIND_DATAW data;
  const std::wstring pattern = folder + L"\\*";
  const ScopedFind find(
      FindFirstFileW(ExactPlatformPath(pattern.c_str(), pattern.size()).c_str(), &data));
  if (!find.Valid()) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out->push_back(prefix + name + L"\\");
      if (recursive) Collect(folder + L"\\" + name, prefix + name + L"\\", true, out);
    } else {
      out->push_back(prefix + name);
    }
  } while (FindNextFileW(find.Get(), &data));
}

}  // namespace

bool SameBytes(const std::wstring& a, const std::wstring& b) {
  const ScopedFileHandle fa = OpenPath(a, GENERIC_READ, OPEN_EXISTING);
  const ScopedFileHandle fb = OpenPath(b, GENERIC_READ, OPEN_EXISTING);
  if (!fa.Valid() || !fb.Valid()) return false;
  std::string ba(Chunk, '\0');
  std::string bb(Chunk, '\0');
  for (;;) {
    const DWORD na = ReadUpTo(fa.Get(), &ba);
    const DWORD nb = ReadUpTo(fb.Get(), &bb);
    if (na != nb || ba.compare(0, na, bb, 0, nb) != 0) return false;
    if (na == 0) return true;
  }
}

std::vector<std::wstring> FolderContents(const std::wstring& folder, bool recursive) {
  std::vector<std::wstring> out;
  Collect(folder, L"", recursive, &out);
  std::sort(out.begin(), out.end());
  return out;
}
