#include "plan/folder_listing.h"

namespace {

constexpr size_t BatchBytes = 64 * 1024;  // the most some network file systems take

HANDLE OpenFolder(const wchar_t* platformPath) {
  // Backup semantics open folders. A folder in use elsewhere opens too.
  return CreateFileW(platformPath, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool ReadBatch(HANDLE folder, std::vector<LONGLONG>* buffer) {
  return GetFileInformationByHandleEx(folder, FileIdBothDirectoryInfo, buffer->data(),
                                      static_cast<DWORD>(buffer->size() * sizeof(LONGLONG))) != 0;
}

}  // namespace

bool FolderListing::Open(const wchar_t* platformPath) {
  Close();
  handle_.Reset(OpenFolder(platformPath));
  if (!handle_.Valid()) return false;
  if (buffer_.empty()) buffer_.resize(BatchBytes / sizeof(LONGLONG));
  return true;
}

void FolderListing::Close() {
  handle_.Reset();
  entry_ = nullptr;
  failed_ = false;
}

bool FolderListing::ReadId(FolderId* id) const {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle_.Get(), &info)) return false;
  id->volume = info.dwVolumeSerialNumber;
  id->index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

bool FolderListing::Next() {
  if (entry_ && entry_->NextEntryOffset) {
    entry_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(reinterpret_cast<const char*>(entry_) +
                                                            entry_->NextEntryOffset);
    return true;
  }
  if (!ReadBatch(handle_.Get(), &buffer_)) {
    // A folder without entries at all ends as "not found".
    const DWORD error = GetLastError();
    failed_ = error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND;
    entry_ = nullptr;
    return false;
  }
  entry_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer_.data());
  return true;
}
