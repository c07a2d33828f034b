#include "support/chunked_copy.h"

#include <vector>

#include "gui/toolbox/scoped.h"
#include "run/file_transfer.h"

BOOL WINAPI ChunkedCopy(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, LPVOID data, LPBOOL,
                        DWORD flags) {
  const ScopedFileHandle source(
      CreateFileW(from, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!source.Valid()) return FALSE;
  const DWORD creation = (flags & COPY_FILE_FAIL_IF_EXISTS) ? CREATE_NEW : CREATE_ALWAYS;
  const ScopedFileHandle target(CreateFileW(to, GENERIC_WRITE, 0, nullptr, creation, 0, nullptr));
  if (!target.Valid()) return FALSE;
  LARGE_INTEGER total = {};
  GetFileSizeEx(source.Get(), &total);
  LARGE_INTEGER done = {};
  std::vector<char> chunk(1 << 20);
  DWORD read = 0;
  while (ReadFile(source.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) &&
         read > 0) {
    DWORD written = 0;
    if (!WriteFile(target.Get(), chunk.data(), read, &written, nullptr)) return FALSE;
    done.QuadPart += read;
    if (progress && progress(total, done, total, done, 1, CALLBACK_CHUNK_FINISHED, source.Get(),
                             target.Get(), data) == PROGRESS_CANCEL) {
      SetLastError(ERROR_REQUEST_ABORTED);
      return FALSE;
    }
  }
  return TRUE;
}

ChunkedCopies::ChunkedCopies() { SetCopyCall(ChunkedCopy); }
ChunkedCopies::~ChunkedCopies() { SetCopyCall(nullptr); }
