#include "plan/folder_listing.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <string>

namespace {

// One entry with the longest name a folder can hold: the size a listing
// starts with, so a deep tree costs little per level.
constexpr size_t EntryBytes =
    (offsetof(FILE_ID_BOTH_DIR_INFO, FileName) + 256 * sizeof(wchar_t) + 7) / 8 * 8;
// Grown to this when batches come back full: the most some network file
// systems take.
constexpr size_t LargestBatchBytes = 64 * 1024;
static_assert(EntryBytes >= sizeof(WIN32_FIND_DATAW), "a search record fits the smallest buffer");

// Newer than the Windows version the program is built for; older systems
// refuse the class and the older identity is taken.
constexpr FILE_INFO_BY_HANDLE_CLASS FileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct FileIdInfoRecord {
  ULONGLONG volumeSerialNumber;
  unsigned char fileId[16];
};

ListingBatchCall batchCall = nullptr;

HANDLE OpenFolder(const wchar_t* platformPath) {
  // Backup semantics open folders. A folder in use elsewhere opens too.
  return CreateFileW(platformPath, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// How file systems that cannot list by handle (some network, FUSE and
// virtual-machine shares) answer the first request.
bool RefusesListingByHandle(DWORD error) {
  return error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_LEVEL ||
         error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION;
}

// A folder without entries at all ends as "not found".
bool EndsListing(DWORD error) {
  return error == ERROR_NO_MORE_FILES || error == ERROR_FILE_NOT_FOUND;
}

bool AllBytes(const unsigned char* bytes, size_t count, unsigned char value) {
  return std::all_of(bytes, bytes + count, [value](unsigned char b) { return b == value; });
}

// 0 and all ones are what file systems without ids report.
bool IsNoId(const FolderId& id) {
  const bool lowZero = AllBytes(id.id, 8, 0), highZero = AllBytes(id.id + 8, 8, 0);
  const bool lowOnes = AllBytes(id.id, 8, 0xFF), highOnes = AllBytes(id.id + 8, 8, 0xFF);
  return (lowZero && highZero) || (lowOnes && (highZero || highOnes));
}

}  // namespace

FolderId ListedFolderId(uint64_t volume, uint64_t index) {
  FolderId id;
  id.volume = volume;
  for (int i = 0; i < 8; ++i) id.id[i] = static_cast<unsigned char>(index >> (8 * i));
  return id;
}

void SetListingBatchCall(ListingBatchCall call) { batchCall = call; }

bool FolderListing::Open(const wchar_t* platformPath) {
  Close();
  handle_.Reset(OpenFolder(platformPath));
  if (!handle_.Valid()) return false;
  if (buffer_.empty()) buffer_.resize(EntryBytes / sizeof(LONGLONG));
  if (ReadBatch()) {
    pending_ = true;
    return true;
  }
  firstError_ = GetLastError();
  if (RefusesListingByHandle(firstError_)) {
    pending_ = StartSearch(platformPath);
    firstError_ = pending_ ? ERROR_SUCCESS : GetLastError();
  }
  return true;
}

void FolderListing::Close() {
  handle_.Reset();
  search_.Reset();
  entry_ = nullptr;
  pending_ = false;
  firstError_ = ERROR_SUCCESS;
  failed_ = false;
}

bool FolderListing::ReadId(FolderId* id) const {
  FileIdInfoRecord info;
  if (GetFileInformationByHandleEx(handle_.Get(), FileIdInfoClass, &info, sizeof info)) {
    id->volume = info.volumeSerialNumber;
    std::memcpy(id->id, info.fileId, sizeof id->id);
  } else {
    BY_HANDLE_FILE_INFORMATION old;
    if (!GetFileInformationByHandle(handle_.Get(), &old)) return false;
    const uint64_t index = (static_cast<uint64_t>(old.nFileIndexHigh) << 32) | old.nFileIndexLow;
    *id = ListedFolderId(old.dwVolumeSerialNumber, index);
  }
  return !IsNoId(*id);
}

bool FolderListing::ListedIdsHold() const {
  wchar_t fileSystem[MAX_PATH + 1] = {};
  return GetVolumeInformationByHandleW(handle_.Get(), nullptr, 0, nullptr, nullptr, nullptr,
                                       fileSystem, MAX_PATH + 1) &&
         std::wcscmp(fileSystem, L"NTFS") == 0;
}

bool FolderListing::Next() {
  if (pending_) {
    pending_ = false;
    if (search_.Valid()) {
      TakeFoundEntry();
    } else {
      entry_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer_.data());
      TakeBatchEntry();
    }
    return true;
  }
  if (firstError_ != ERROR_SUCCESS) {
    failed_ = !EndsListing(firstError_);
    firstError_ = ERROR_SUCCESS;
    return false;
  }
  if (search_.Valid()) {
    if (FindNextFileW(search_.Get(), reinterpret_cast<WIN32_FIND_DATAW*>(buffer_.data()))) {
      TakeFoundEntry();
      return true;
    }
    failed_ = !EndsListing(GetLastError());
    search_.Reset();
    return false;
  }
  if (entry_ && entry_->NextEntryOffset) {
    entry_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(reinterpret_cast<const char*>(entry_) +
                                                            entry_->NextEntryOffset);
    TakeBatchEntry();
    return true;
  }
  if (entry_) {
    // A batch that left no room for one more entry: a big folder, read in
    // bigger batches from now on.
    const size_t used = static_cast<size_t>(reinterpret_cast<const char*>(entry_) -
                                            reinterpret_cast<const char*>(buffer_.data())) +
                        offsetof(FILE_ID_BOTH_DIR_INFO, FileName) + entry_->FileNameLength;
    entry_ = nullptr;
    if (BufferBytes() - used < EntryBytes && BufferBytes() < LargestBatchBytes)
      buffer_.resize(std::min(2 * BufferBytes(), LargestBatchBytes) / sizeof(LONGLONG));
  }
  if (!ReadBatch()) {
    failed_ = !EndsListing(GetLastError());
    return false;
  }
  entry_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer_.data());
  TakeBatchEntry();
  return true;
}

bool FolderListing::ReadBatch() {
  const ListingBatchCall call = batchCall ? batchCall : GetFileInformationByHandleEx;
  return call(handle_.Get(), FileIdBothDirectoryInfo, buffer_.data(),
              static_cast<DWORD>(BufferBytes())) != 0;
}

bool FolderListing::StartSearch(const wchar_t* platformPath) {
  const std::wstring pattern = std::wstring(platformPath) + L"*";
  search_.Reset(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, buffer_.data(),
                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  return search_.Valid();
}

void FolderListing::TakeBatchEntry() {
  name_ = entry_->FileName;
  nameLength_ = entry_->FileNameLength / sizeof(wchar_t);
  attributes_ = entry_->FileAttributes;
  index_ = static_cast<uint64_t>(entry_->FileId.QuadPart);
}

void FolderListing::TakeFoundEntry() {
  const auto* found = reinterpret_cast<const WIN32_FIND_DATAW*>(buffer_.data());
  name_ = found->cFileName;
  nameLength_ = std::wcslen(found->cFileName);
  attributes_ = found->dwFileAttributes;
  index_ = 0;
}
