#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "gui/toolbox/scoped.h"

// A folder as the file system knows it, whatever path (link, junction)
// leads to it: the volume and the 128-bit file id (a 64-bit index sits in
// the low half).
struct FolderId {
  uint64_t volume = 0;
  unsigned char id[16] = {};
  bool operator==(const FolderId& other) const {
    return volume == other.volume && std::memcmp(id, other.id, sizeof id) == 0;
  }
};

// The identity of a sub-folder as its parent's listing gives it: the 64-bit
// index in the low half, on the parent's volume.
FolderId ListedFolderId(uint64_t volume, uint64_t index);

struct FolderIdHash {
  size_t operator()(const FolderId& id) const {
    uint64_t low, high;
    std::memcpy(&low, id.id, 8);
    std::memcpy(&high, id.id + 8, 8);
    return static_cast<size_t>((low ^ high * 31 ^ id.volume) * 0x9E3779B97F4A7C15ull);
  }
};

// The call that reads a batch of a folder's entries by handle; a test puts
// one in that fails the way some file systems do.
using ListingBatchCall = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
void SetListingBatchCall(ListingBatchCall call);  // nullptr: the platform's

// One folder's entries, in the order in which FindFirstFileW would give
// them, read in batches through the folder's own handle; where the file
// system refuses that, through FindFirstFileExW.
class FolderListing {
 public:
  FolderListing() = default;
  ~FolderListing() { Close(); }
  FolderListing(FolderListing&& other) noexcept = default;
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;
  FolderListing& operator=(FolderListing&&) = delete;

  // Opens the folder at a platform path ending in "\" and reads its first
  // batch; false when it cannot be opened (it cannot be listed then either).
  bool Open(const wchar_t* platformPath);
  void Close();
  // The identity of the open folder; false when the file system gives none.
  bool ReadId(FolderId* id) const;
  // True when the folder lies on NTFS, whose listings give each sub-folder
  // the very id its own handle gives (ReFS and others may not).
  bool ListedIdsHold() const;
  // Steps to the next entry; false at the end, and when reading failed.
  bool Next();
  // True when the listing ended because reading failed.
  bool Failed() const { return failed_; }
  // Bytes held for entries, for a check that deep trees stay small.
  size_t BufferBytes() const { return buffer_.size() * sizeof(LONGLONG); }

  // The current entry.
  const wchar_t* Name() const { return name_; }
  size_t NameLength() const { return nameLength_; }
  DWORD Attributes() const { return attributes_; }
  // The current entry's file index; 0 where the listing gives none.
  uint64_t Index() const { return index_; }

 private:
  bool ReadBatch();
  bool StartSearch(const wchar_t* platformPath);
  void TakeBatchEntry();
  void TakeFoundEntry();

  ScopedFileHandle handle_;
  ScopedFind search_;             // only where listing by handle is refused
  std::vector<LONGLONG> buffer_;  // aligned as the records need
  const FILE_ID_BOTH_DIR_INFO* entry_ = nullptr;
  bool pending_ = false;  // the first batch or search entry is read, not yet taken
  DWORD firstError_ = ERROR_SUCCESS;
  bool failed_ = false;
  const wchar_t* name_ = nullptr;
  size_t nameLength_ = 0;
  DWORD attributes_ = 0;
  uint64_t index_ = 0;
};
