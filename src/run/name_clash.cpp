#include "run/name_clash.h"

#include <windows.h>

namespace {
std::wstring FoldCase(const std::wstring& name) {
  std::wstring folded(name);
  if (!folded.empty()) {
    // Upper case with the invariant locale, as the file system folds names.
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.c_str(),
                  static_cast<int>(name.size()), &folded[0], static_cast<int>(folded.size()),
                  nullptr, nullptr, 0);
  }
  return folded;
}
}  // namespace

bool NameClashGuard::Claim(int32_t package, const std::wstring& fileName) {
  if (!any_ || package != package_) {
    names_.clear();
    package_ = package;
    any_ = true;
  }
  return names_.insert(FoldCase(fileName)).second;
}
