#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "plan/file_list.h"

// How many paths of what could not be read a scan keeps for its report.
constexpr size_t UnreadPathsKept = 5;

// What a scan could not do, for one report to the user.
struct ScanResult {
  // False when memory ran out: the scan stopped and the list is partial.
  bool complete = true;
  // Folders that could not be listed (the source folder included).
  uint32_t unreadFolders = 0;
  // Files in the list whose size could not be looked up (Size below 0).
  uint32_t unreadFiles = 0;
  // The first UnreadPathsKept of both in scan order; folders end in "\".
  std::vector<std::wstring> firstUnread;
};

// Adds every file below folder, depth first in enumeration order, to list.
// A folder that cannot be enumerated contributes nothing but is counted. Each
// folder is entered once, whatever path (link) reaches it, so link cycles end.
// Paths of any length are followed.
ScanResult ScanFolder(const wchar_t* folder, FileList& list);
// Called for every entry that a scan meets, for a caller that has to show
// that it is still alive during a long scan; nullptr for none.
using ScanTick = void (*)();
void SetScanTick(ScanTick tick);
// Size of the file at path: bytes, -2 for a folder, -1 when the lookup fails.
int64_t FileSizeOf(const wchar_t* path);
