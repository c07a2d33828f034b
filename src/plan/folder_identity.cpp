#include "plan/folder_identity.h"

#include <winternl.h>

namespace {

// Owns the handle of an opened folder.
class FolderHandle {
 public:
  explicit FolderHandle(const wchar_t* platformPath)
      // Backup semantics open folders; no data access is asked for, so a
      // folder in use elsewhere opens too.
      : handle_(CreateFileW(platformPath, FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
  ~FolderHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

using QueryInformationFileFn = LONG(NTAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, ULONG);
constexpr ULONG kFileInternalInformation = 6;  // the file index alone

// The index without the volume lookup that GetFileInformationByHandle adds
// to it: under Wine that lookup asks the mount manager in another process
// and costs over a millisecond per folder, several times the folder's
// listing.
bool ReadIndex(HANDLE folder, uint64_t* index) {
  static const auto query = reinterpret_cast<QueryInformationFileFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
  IO_STATUS_BLOCK status;
  LARGE_INTEGER number;
  if (!query || query(folder, &status, &number, sizeof number, kFileInternalInformation) < 0) {
    return false;
  }
  *index = static_cast<uint64_t>(number.QuadPart);
  return true;
}

}  // namespace

bool ReadFolderId(const wchar_t* platformPath, const DWORD* knownVolume, FolderId* id) {
  const FolderHandle folder(platformPath);
  if (folder.Get() == INVALID_HANDLE_VALUE) return false;
  if (knownVolume && ReadIndex(folder.Get(), &id->index)) {
    id->volume = *knownVolume;
    return true;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(folder.Get(), &info)) return false;
  id->volume = info.dwVolumeSerialNumber;
  id->index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}
