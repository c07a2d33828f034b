#pragma once
#include <windows.h>

// A copy as Windows' CopyFileExW makes it, for the program's copy call in
// tests (Wine's ignores the progress routine): 1 MiB at a time, the routine
// asked after each. A cancel leaves the part written in place (Windows
// removes it; the program must not count on that) and fails with
// ERROR_REQUEST_ABORTED.
BOOL WINAPI ChunkedCopy(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE progress, LPVOID data,
                        LPBOOL cancel, DWORD flags);

// The program copies with ChunkedCopy while one lives.
class ChunkedCopies {
 public:
  ChunkedCopies();
  ~ChunkedCopies();
  ChunkedCopies(const ChunkedCopies&) = delete;
  ChunkedCopies& operator=(const ChunkedCopies&) = delete;
};
