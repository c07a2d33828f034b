#pragma once
#include <cstdint>
#include "plan/file_list.h"

// Adds every file below folder, depth first in enumeration order, to list.
// A folder that cannot be enumerated contributes nothing.
void ScanFolder(const wchar_t* folder, FileList& list);
// Size of the file at path: bytes, -2 for a folder, -1 when the lookup fails.
int64_t FileSizeOf(const wchar_t* path);
