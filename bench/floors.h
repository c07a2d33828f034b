#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The least work the program's jobs could cost on the same tree: what the
// product is measured against.

// A bare depth-first FindFirstFileW walk with one GetFileAttributesExW per
// file; returns the number of files whose lookup succeeded.
long long WalkFloor(const std::wstring& folder);

struct CopyPair {
  std::wstring source;
  std::wstring target;
};
// Every file below folder, each paired with the target that a run by count
// into that many packages gives it (file k in walk order goes flat into
// targetFolder\Paket (k mod packages + 1)), in the order the run takes them.
// Creates those folders when asked (a floor does so outside its clock; the
// program creates them itself).
std::vector<CopyPair> PackageCopyPairs(const std::wstring& folder, const std::wstring& targetFolder,
                                       int packages, bool createFolders);

// Copies (CopyFileW) or moves (MoveFileW) every pair on a worker thread while
// the calling thread waits for events as the program's loop does. Returns the
// seconds the worker took, or a negative value when a call failed.
double TransferLoop(const std::vector<CopyPair>& pairs, bool move);
// Puts moved files back where they came from (not timed); false when one
// could not be moved back.
bool MoveBack(const std::vector<CopyPair>& pairs);
