#include "run/run_targets.h"

#include <windows.h>

#include <unordered_map>

#include "plan/file_list.h"
#include "run/target_paths.h"

namespace {

// The entry's folder below the source, ending in "\" ("" for the source
// itself, and for a path outside it, which the scan never gives).
std::wstring RelativeFolder(const FileEntry& entry, const std::wstring& source) {
  const std::wstring_view path(entry.Path, entry.PathLength);
  const size_t slash = path.find_last_of(L"\\/");
  if (source.empty() || slash == std::wstring_view::npos || slash + 1 <= source.size()) {
    return std::wstring();
  }
  return std::wstring(path.substr(source.size(), slash + 1 - source.size()));
}

std::wstring WithoutSlash(std::wstring folder) {
  if (!folder.empty()) folder.pop_back();
  return folder;
}

struct Package {
  int32_t number = 0;
  // Folded target -> index of the file that has it.
  std::unordered_map<std::wstring, size_t> taken;
  std::vector<size_t> later;  // files whose target was taken already
};

void NumberLaterFiles(Package& package, RunTargets& targets) {
  for (size_t i : package.later) {
    std::wstring& target = targets.relative[i];
    const size_t slash = target.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? L"" : target.substr(0, slash + 1);
    const std::wstring name = target.substr(folder.size());
    for (int k = 2;; ++k) {
      std::wstring candidate = folder + NumberedName(name, k);
      if (package.taken.emplace(FoldCase(candidate), i).second) {
        target = std::move(candidate);
        break;
      }
    }
  }
  package.taken.clear();
  package.later.clear();
}

}  // namespace

std::wstring FoldCase(const std::wstring& name) {
  std::wstring folded(name);
  if (!folded.empty()) {
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.c_str(),
                  static_cast<int>(name.size()), &folded[0], static_cast<int>(folded.size()),
                  nullptr, nullptr, 0);
  }
  return folded;
}

std::wstring NumberedName(const std::wstring& name, int k) {
  const size_t dot = name.find_last_of(L'.');
  const size_t stem = dot == std::wstring::npos || dot == 0 ? name.size() : dot;
  return name.substr(0, stem) + L" (" + std::to_wstring(k) + L")" + name.substr(stem);
}

bool FolderWithin(const std::wstring& folder, const std::wstring& source) {
  return !source.empty() && folder.size() >= source.size() &&
         FoldCase(folder.substr(0, source.size())) == FoldCase(source);
}

RunTargets PlanRunTargets(FileList& files, const std::wstring& source, bool keepFolders) {
  RunTargets targets;
  targets.relative.reserve(static_cast<size_t>(files.EntryCount()));
  std::vector<const FileEntry*> entries;  // for the example's earlier file
  entries.reserve(targets.relative.capacity());
  Package package;
  files.Rewind();
  while (const FileEntry* entry = files.Advance()) {
    const size_t i = targets.relative.size();
    if (i == 0 || entry->Package != package.number) {
      NumberLaterFiles(package, targets);
      package.number = entry->Package;
    }
    entries.push_back(entry);
    const std::wstring folder = RelativeFolder(*entry, source);
    std::wstring name = FileNamePart({entry->Path, entry->PathLength});
    targets.relative.push_back(keepFolders ? folder + name : std::move(name));
    const auto placed = package.taken.emplace(FoldCase(targets.relative.back()), i);
    if (!placed.second) {
      package.later.push_back(i);
      if (targets.sameNames++ == 0) {
        const std::wstring& first = targets.relative[placed.first->second];
        targets.exampleName = first.substr(first.find_last_of(L'\\') + 1);
        targets.examplePackage = package.number;
        targets.exampleFirstFolder =
            WithoutSlash(RelativeFolder(*entries[placed.first->second], source));
        targets.exampleSecondFolder = WithoutSlash(folder);
      }
    }
  }
  NumberLaterFiles(package, targets);
  return targets;
}
