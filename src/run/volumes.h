#pragma once
#include <cstdint>
#include <string>

// What the system says about the volumes that hold paths.

// The root of the volume that holds path ("C:\", "D:\Mount\",
// "\\server\share\"); "" when the system cannot tell.
std::wstring VolumeRoot(const std::wstring& path);
// True when two roots (from VolumeRoot) name the same volume; false when
// either is unknown.
bool SameVolume(const std::wstring& root, const std::wstring& otherRoot);
// Bytes this user may still write on the volume that holds folder (quotas
// counted); false when the volume gives no figure.
bool FreeBytes(const std::wstring& folder, uint64_t* bytes);
// The name of the file system at root ("NTFS", "FAT32"); "" when unknown.
std::wstring FileSystemName(const std::wstring& root);
