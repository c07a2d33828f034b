#include "run/existing_targets.h"

#include <windows.h>

#include <unordered_map>
#include <unordered_set>

#include "gui/toolbox/fs_redirection.h"
#include "gui/toolbox/long_path.h"
#include "gui/toolbox/scoped.h"
#include "plan/file_list.h"
#include "run/target_paths.h"

namespace {

using NameSet = std::unordered_set<std::wstring>;

// The folded names in the folder; none when it does not exist.
NameSet ListFolder(const std::wstring& folder) {
  NameSet names;
  const std::wstring pattern = ExactPlatformPath(folder.c_str(), folder.size()) + L"\\*";
  const FsRedirectionOff native({pattern});
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
  if (!find.Valid()) return names;
  do {
    names.insert(FoldCase(data.cFileName));
  } while (FindNextFileW(find.Get(), &data));
  return names;
}

}  // namespace

ExistingTargets FindExistingTargets(FileList& files, const RunTargets& targets,
                                    const std::wstring& destination, const std::wstring& pattern) {
  ExistingTargets existing;
  existing.exists.assign(targets.relative.size(), false);
  std::unordered_map<std::wstring, NameSet> listings;  // by folded folder
  std::wstring packageFolder;
  std::wstring folder;
  const NameSet* names = nullptr;
  int32_t package = 0;
  size_t i = 0;
  files.Rewind();
  while (const FileEntry* entry = files.Advance()) {
    if (i == 0 || entry->Package != package) {
      package = entry->Package;
      packageFolder = PackageFolder(destination, pattern, package);
    }
    const std::wstring target = TargetPath(packageFolder, targets.relative[i]);
    const size_t slash = target.find_last_of(L'\\');
    // Files of one folder mostly come together: the last listing is kept at hand.
    if (!names || target.compare(0, slash, folder) != 0 || folder.size() != slash) {
      folder = target.substr(0, slash);
      const std::wstring key = FoldCase(folder);
      auto listing = listings.find(key);
      if (listing == listings.end()) listing = listings.emplace(key, ListFolder(folder)).first;
      names = &listing->second;
    }
    if (!names->empty() && names->count(FoldCase(target.substr(slash + 1))) != 0) {
      existing.exists[i] = true;
      if (existing.count++ == 0) existing.example = target.substr(destination.size());
    }
    ++i;
  }
  return existing;
}
