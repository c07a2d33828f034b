#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>

// Remembers the file names given to the current package folder during one
// run, compared the way Windows compares file names (case-insensitively).
// The list is walked package by package, so only one package is kept.
class NameClashGuard {
 public:
  // False when the package already received a file of this name in this run.
  bool Claim(int32_t package, const std::wstring& fileName);

 private:
  int32_t package_ = 0;
  bool any_ = false;
  std::unordered_set<std::wstring> names_;
};
