#pragma once
#include <string>
#include <vector>

#include "run/run_targets.h"

class FileList;

// What the destination already holds of a run's targets.
struct ExistingTargets {
  std::vector<bool> exists;  // per entry, in the list's order
  int count = 0;
  std::wstring example;  // the first, relative to the destination: "Paket 1\a.txt"
};

// One listing per target folder that exists, never a lookup per file. Each
// entry's folder is its package folder (destination, pattern, package), plus
// the folder its target names.
ExistingTargets FindExistingTargets(FileList& files, const RunTargets& targets,
                                    const std::wstring& destination, const std::wstring& pattern);
