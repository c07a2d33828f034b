#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/toolbox/scoped.h"

// A folder as the file system knows it, whatever path (link, junction)
// leads to it.
struct FolderId {
  DWORD volume;    // serial number of its volume
  uint64_t index;  // file index on that volume; 0 when the file system has none
  bool operator==(const FolderId& other) const {
    return volume == other.volume && index == other.index;
  }
};

struct FolderIdHash {
  size_t operator()(const FolderId& id) const {
    return static_cast<size_t>(id.index * 0x9E3779B97F4A7C15ull ^ id.volume);
  }
};

// One folder's entries, in the order in which FindFirstFileW would give
// them, read in batches through the folder's own handle. Each entry comes
// with its file index, so a sub-folder is known before it is opened.
class FolderListing {
 public:
  FolderListing() = default;
  ~FolderListing() { Close(); }
  FolderListing(FolderListing&& other) noexcept = default;
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;
  FolderListing& operator=(FolderListing&&) = delete;

  // Opens the folder at a platform path; false when it cannot be opened (it
  // cannot be listed then either).
  bool Open(const wchar_t* platformPath);
  void Close();
  // The identity of the open folder (GetFileInformationByHandle).
  bool ReadId(FolderId* id) const;
  // Steps to the next entry; false at the end, and when reading failed.
  bool Next();
  // True when the listing ended because reading failed.
  bool Failed() const { return failed_; }

  // The current entry.
  const wchar_t* Name() const { return entry_->FileName; }
  size_t NameLength() const { return entry_->FileNameLength / sizeof(wchar_t); }
  DWORD Attributes() const { return entry_->FileAttributes; }
  uint64_t Index() const { return static_cast<uint64_t>(entry_->FileId.QuadPart); }

 private:
  ScopedFileHandle handle_;
  std::vector<LONGLONG> buffer_;  // aligned as the records need
  const FILE_ID_BOTH_DIR_INFO* entry_ = nullptr;
  bool failed_ = false;
};
