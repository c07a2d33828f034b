#include "gui/requester_folder_path.h"

#include <cwchar>

namespace {
constexpr size_t MaxStartPath = 259;  // MAX_PATH units with the terminator
// The longest path the file-system calls take, in UTF-16 units.
constexpr DWORD LongestPath = 32768;
}  // namespace

std::wstring FolderStartPath(const wchar_t* startPath) {
  std::wstring path = startPath ? startPath : L"";
  if (path.size() > MaxStartPath) path.resize(MaxStartPath);
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

std::wstring FolderResultPath(const wchar_t* shellPath) {
  // Without a path the choice is of no use to anyone; "" reads as cancelled.
  if (!shellPath || !*shellPath) return std::wstring();
  std::wstring path = shellPath;
  if (path.back() != L'\\') path += L'\\';
  return path;
}

std::wstring ItemPath(ItemPathLookup lookup, PCIDLIST_ABSOLUTE item) {
  // Failing says "too small" and "no path" alike: the second try leaves only
  // the second meaning.
  for (const DWORD room : {static_cast<DWORD>(MAX_PATH), LongestPath}) {
    std::wstring path(room, L'\0');
    if (lookup(item, &path[0], room, GPFIDL_DEFAULT)) return path.c_str();
  }
  return std::wstring();
}
