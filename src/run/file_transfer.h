#pragma once
#include <string_view>

#include "run/run_state.h"

// Copies (overwriting) or moves one file as one synchronous call. A move
// needs the source to be a file still: a folder that took its place is not
// moved. After a failed call no partial file is left at the target: a target
// the call created, or a file already there that the call changed, is
// removed, but only while the source is still in place.
bool TransferFile(TransferMode mode, std::wstring_view source, std::wstring_view target);
