#include "e2e/e2e_files.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kChunk = 1 << 20;

class File {
 public:
  File(const std::wstring& path, DWORD access, DWORD disposition)
      : handle_(CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~File() {
    if (ok()) CloseHandle(handle_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

DWORD ReadUpTo(HANDLE file, std::string* buffer) {
  DWORD got = 0;
  DWORD total = 0;
  while (total < kChunk && ReadFile(file, &(*buffer)[total], kChunk - total, &got, nullptr) && got) {
    total += got;
  }
  return total;
}

void Collect(const std::wstring& folder, const std::wstring& prefix, bool recursive,
             std::vector<std::wstring>* out) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out->push_back(prefix + name + L"\\");
      if (recursive) Collect(folder + L"\\" + name, prefix + name + L"\\", true, out);
    } else {
      out->push_back(prefix + name);
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}


void FillChunk(std::string* chunk, uint32_t* x) {
  // Every chunk differs: a file put together from the wrong pieces shows.
  for (size_t i = 0; i < chunk->size(); i += 4) {
    *x = *x * 1664525u + 1013904223u;
    std::memcpy(&(*chunk)[i], x, 4);
  }
}

bool WriteChunk(HANDLE file, const std::string& chunk, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, chunk.data(), size, &written, nullptr) && written == size;
}

}  // namespace

bool WriteLargeFile(const std::wstring& path, int64_t size, unsigned seed) {
  File file(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (!file.ok()) return false;
  std::string chunk(kChunk, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (int64_t done = 0; done < size;) {
    FillChunk(&chunk, &x);
    const DWORD part = static_cast<DWORD>(std::min<int64_t>(kChunk, size - done));
    if (!WriteChunk(file.get(), chunk, part)) return false;
    done += part;
  }
  return true;
}

bool WriteHollowFile(const std::wstring& path, int64_t size, unsigned seed) {
  if (size < 2 * static_cast<int64_t>(kChunk)) return WriteLargeFile(path, size, seed);
  File file(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (!file.ok()) return false;
  std::string chunk(kChunk, '\0');
  uint32_t x = seed * 2654435761u + 1;
  FillChunk(&chunk, &x);
  if (!WriteChunk(file.get(), chunk, kChunk)) return false;
  LARGE_INTEGER tail;
  tail.QuadPart = size - kChunk;
  if (!SetFilePointerEx(file.get(), tail, nullptr, FILE_BEGIN)) return false;
  FillChunk(&chunk, &x);
  return WriteChunk(file.get(), chunk, kChunk);
}

bool SameBytes(const std::wstring& a, const std::wstring& b) {
  File fa(a, GENERIC_READ, OPEN_EXISTING);
  File fb(b, GENERIC_READ, OPEN_EXISTING);
  if (!fa.ok() || !fb.ok()) return false;
  std::string ba(kChunk, '\0');
  std::string bb(kChunk, '\0');
  for (;;) {
    const DWORD na = ReadUpTo(fa.get(), &ba);
    const DWORD nb = ReadUpTo(fb.get(), &bb);
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
