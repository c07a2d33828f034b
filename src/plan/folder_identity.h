#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// A folder as the file system knows it, whatever path (link, junction)
// leads to it.
struct FolderId {
  DWORD volume;    // serial number of its volume
  uint64_t index;  // file index on that volume
  bool operator==(const FolderId& other) const {
    return volume == other.volume && index == other.index;
  }
};

struct FolderIdHash {
  size_t operator()(const FolderId& id) const {
    return static_cast<size_t>(id.index * 0x9E3779B97F4A7C15ull ^ id.volume);
  }
};

// Reads the identity of the folder at a platform path; false when it cannot
// be opened, and then it cannot be listed either. With knownVolume given the
// caller knows the folder's volume (a sub-folder that is no link or mount
// point lies on its parent's), and only the index is read.
bool ReadFolderId(const wchar_t* platformPath, const DWORD* knownVolume, FolderId* id);
