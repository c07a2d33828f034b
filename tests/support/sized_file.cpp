#include "support/sized_file.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "gui/toolbox/long_path.h"
#include "gui/toolbox/scoped.h"

namespace {

constexpr DWORD Chunk = 1 << 20;

void FillChunk(std::string* chunk, uint32_t* x) {
  for (size_t i = 0; i < chunk->size(); i += 4) {
    *x = *x * 1664525u + 1013904223u;
    std::memcpy(&(*chunk)[i], x, 4);
  }
}

bool WriteChunk(HANDLE file, const std::string& chunk, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, chunk.data(), size, &written, nullptr) && written == size;
}

bool MoveTo(HANDLE file, int64_t position) {
  LARGE_INTEGER to;
  to.QuadPart = position;
  return SetFilePointerEx(file, to, nullptr, FILE_BEGIN);
}

}  // namespace

bool WriteSizedFile(const std::wstring& path, int64_t size, FileFill fill, unsigned seed) {
  // Every name exactly as given, also one that ends in a dot or a space.
  const ScopedFileHandle file(CreateFileW(ExactPlatformPath(path.c_str(), path.size()).c_str(),
                                          GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  if (fill == FileFill::Hole) return MoveTo(file.Get(), size) && SetEndOfFile(file.Get());
  const bool ends = fill == FileFill::Ends && size >= 2 * static_cast<int64_t>(Chunk);
  // Small files fill only what they hold; the pattern stays the same.
  std::string chunk(static_cast<size_t>(std::min<int64_t>(Chunk, (size + 3) / 4 * 4)), '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (int64_t done = 0; done < size;) {
    if (ends && done == Chunk) {
      done = size - Chunk;
      if (!MoveTo(file.Get(), done)) return false;
    }
    FillChunk(&chunk, &x);
    const DWORD part = static_cast<DWORD>(std::min<int64_t>(Chunk, size - done));
    if (!WriteChunk(file.Get(), chunk, part)) return false;
    done += part;
  }
  return true;
}
