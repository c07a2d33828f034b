#pragma once
#include <cstdint>
#include "plan/file_list.h"

// Adds every file below folder, depth first in enumeration order, to list.
// A folder that cannot be enumerated contributes nothing. Paths of any length
// are followed. False only when the list ran out of memory (the scan stops;
// what was found until then stays in the list).
bool ScanFolder(const wchar_t* folder, FileList& list);
// Called for every entry that a scan meets, for a caller that has to show
// that it is still alive during a long scan; nullptr for none.
using ScanTick = void (*)();
void SetScanTick(ScanTick tick);
// Size of the file at path: bytes, -2 for a folder, -1 when the lookup fails.
int64_t FileSizeOf(const wchar_t* path);
