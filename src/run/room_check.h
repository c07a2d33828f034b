#pragma once
#include <string>

#include "run/run_state.h"

class FileList;

// Before the first file of a run: whether the destination can take it. A
// destination formatted FAT32 cannot hold a planned file of 4 GiB or more:
// the user is warned, and the run must end. A volume with less room than the
// plan needs (a copy: every file; a move: the files from other volumes)
// makes the user choose; "Nein" ends the run. False when the run must end,
// with no file touched. Walks the list with its cursor.
bool RoomForRun(TransferMode mode, FileList& files, const std::wstring& destination);

// Where the check learns a volume's file system from: the system in the
// program, a stand-in in tests (nullptr puts the system back).
using FileSystemNameQuery = std::wstring (*)(const std::wstring& volumeRoot);
void SetFileSystemNameQuery(FileSystemNameQuery query);
