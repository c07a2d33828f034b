#pragma once
#include <windows.h>

#include <string>

#include "run/run_state.h"

class FileList;

// Opens the progress window hidden, centred on owner, and starts the packaging
// worker on files (which must stay put until the run has ended), scanned from
// the source folder; returns at once.
void StartPackagingRun(TransferMode mode, FileList& files, const std::wstring& source, HWND owner);
