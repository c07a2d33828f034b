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
// Every file below folder, each paired with the target that a copy run by
// count into that many packages gives it (file k in walk order goes flat into
// targetFolder\Paket (k mod packages + 1)), in the order the run copies them.
// Creates those folders.
std::vector<CopyPair> PackageCopyPairs(const std::wstring& folder, const std::wstring& targetFolder,
                                       int packages);

// Copies every pair with CopyFileW on a worker thread, sending messagesPerFile
// messages per file to a window of the calling thread (0: a bare copy loop),
// while the calling thread waits for events as the program's loop does.
// Returns the seconds the worker took, or a negative value when a copy failed.
double CopyLoop(const std::vector<CopyPair>& pairs, int messagesPerFile);
