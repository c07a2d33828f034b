#include "run/file_transfer.h"

#include <windows.h>

#include <string>

#include "gui/toolbox/fs_redirection.h"
#include "gui/toolbox/long_path.h"

namespace {

// What was at the target: enough to tell whether a call changed it.
struct TargetState {
  bool exists = false;
  ULONGLONG size = 0;
  FILETIME lastWrite = {};
};

TargetState LookAt(const std::wstring& path) {
  TargetState state;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    state.exists = true;
    state.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    state.lastWrite = data.ftLastWriteTime;
  }
  return state;
}

bool SameFile(const TargetState& a, const TargetState& b) {
  return a.exists == b.exists && a.size == b.size &&
         CompareFileTime(&a.lastWrite, &b.lastWrite) == 0;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Whether a failed call leaves its partial target is up to the platform
// (some remove it, some do not); this does not count on either.
void RemovePartialTarget(TransferMode mode, const std::wstring& source, const std::wstring& target,
                         const TargetState& before) {
  // Never the only copy: a move that failed after taking the source away
  // leaves the target as all there is. A copy's target never is: a source
  // that went away half-way leaves a part that must not pass for the file.
  if (mode == TransferMove && !IsFile(source)) return;
  const TargetState after = LookAt(target);
  if (!after.exists || SameFile(before, after)) return;
  // A copied read-only attribute would refuse the removal.
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(target.c_str());
}

// Called by the platform between chunks of one file: the cancel is read
// there, so a large file does not hold it up. Nothing else happens per call.
DWORD CALLBACK TakeCancel(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD,
                          HANDLE, HANDLE, LPVOID) {
  return AbortRequested() != 0 ? PROGRESS_CANCEL : PROGRESS_CONTINUE;
}

CopyCall copyCall = CopyFileExW;

}  // namespace

void SetCopyCall(CopyCall call) { copyCall = call ? call : CopyFileExW; }

bool CreateFolder(std::wstring_view path) {
  const std::wstring exact = ExactPlatformPath(path.data(), path.size());
  const FsRedirectionOff native({exact});
  return CreateDirectoryW(exact.c_str(), nullptr) != 0;
}

void CreateFolderBelow(std::wstring_view base, std::wstring_view folder) {
  CreateFolder(base);
  for (size_t slash = folder.find(L'\\', base.size() + 1); slash != std::wstring_view::npos;
       slash = folder.find(L'\\', slash + 1)) {
    CreateFolder(folder.substr(0, slash));
  }
  if (folder.size() > base.size()) CreateFolder(folder);
}

bool TransferFile(TransferMode mode, std::wstring_view source, std::wstring_view target,
                  bool replace) {
  const std::wstring from = ExactPlatformPath(source.data(), source.size());
  const std::wstring to = ExactPlatformPath(target.data(), target.size());
  // File calls only from here on; the copy of an encrypted file loads a DLL,
  // so the system folder is seen as itself only where a path lies in it.
  const FsRedirectionOff native({from, to});
  // A folder in the place of a planned file would be moved whole.
  if (mode == TransferMove && !IsFile(from)) return false;
  const TargetState before = LookAt(to);
  // Within a volume a move is a rename and takes no time to cancel.
  const BOOL done = mode == TransferCopy
                        ? copyCall(from.c_str(), to.c_str(), TakeCancel, nullptr, nullptr,
                                   replace ? 0 : COPY_FILE_FAIL_IF_EXISTS)
                        : MoveFileWithProgressW(from.c_str(), to.c_str(), TakeCancel, nullptr,
                                                MOVEFILE_COPY_ALLOWED);
  if (done) return true;
  const DWORD error = GetLastError();
  // A target that is there (another writer's, or a short name that names
  // another file) is not this run's to remove.
  if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return false;
  if (before.exists && !replace) return false;
  RemovePartialTarget(mode, from, to, before);
  return false;
}
