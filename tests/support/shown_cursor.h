#pragma once
#include <string>
#include <vector>

// The mouse pointer as the screen shows it, seen from outside every program.
// Windows shares the system cursors between processes, so there the handle
// of GetCursorInfo tells which one shows. Wine gives each process its own
// copy, and another process's handle cannot be read; there the X server's
// picture of the pointer is read instead (XFixes, through python3).

// The pictures the pointer showed during ms milliseconds, each as its size,
// hot spot and a digest of its pixels, sorted (an animated cursor shows
// several); empty where not under Wine or when it could not be read.
std::vector<std::string> ShownCursorFrames(unsigned ms);
// The same while a window of the calling thread shows the system cursor id
// under the pointer, which is left there.
std::vector<std::string> SystemCursorFrames(const wchar_t* id, unsigned ms);
