#pragma once
#include <cstdint>
#include <string>
#include <vector>

class FileList;

// Where every file of a run goes, decided before the first file: the target
// of each entry relative to its package folder, in the list's order.
struct RunTargets {
  std::vector<std::wstring> relative;
  // Files that would have lost their name to another of their package.
  int sameNames = 0;
  // The first such pair in the run's order: the name, both folders relative
  // to the source ("" for the source itself), and their package.
  std::wstring exampleName;
  std::wstring exampleFirstFolder;
  std::wstring exampleSecondFolder;
  int32_t examplePackage = 0;
};

// One pass over the list (sorted by package), one hash set per package.
// Flat: every file under its own name. With keepFolders each keeps its folder
// below source (absolute, ending in "\"). Either way a later file whose
// target another file of its package already has gets " (k)" before its
// last extension, with the smallest k >= 2 that no target of the package uses.
RunTargets PlanRunTargets(FileList& files, const std::wstring& source, bool keepFolders);

// name with " (k)" before its last extension: "a.tar.gz" -> "a.tar (2).gz",
// ".profile" -> ".profile (2)".
std::wstring NumberedName(const std::wstring& name, int k);

// Upper case with the invariant locale, as the file system compares names.
std::wstring FoldCase(const std::wstring& name);

// Whether the folder is the source folder or lies below it (both absolute,
// ending in "\"), compared as the file system compares names.
bool FolderWithin(const std::wstring& folder, const std::wstring& source);
