#include "gui/requester_folder_path.h"

#include <cwchar>

namespace {
constexpr size_t kMaxStartPath = 259;  // MAX_PATH units with the terminator
}

std::wstring FolderStartPath(const wchar_t* startPath) {
  std::wstring path = startPath ? startPath : L"";
  if (path.size() > kMaxStartPath) path.resize(kMaxStartPath);
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
