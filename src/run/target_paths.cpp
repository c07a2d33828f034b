#include "run/target_paths.h"

std::wstring FileNamePart(std::wstring_view path) {
  if (!path.empty() && path.front() == L'"') path.remove_prefix(1);
  const size_t quote = path.find(L'"');
  if (quote != std::wstring_view::npos) path = path.substr(0, quote);
  const size_t separator = path.find_last_of(L"\\/");
  if (separator != std::wstring_view::npos) path.remove_prefix(separator + 1);
  return std::wstring(path);
}

std::wstring PackageFolderPath(std::wstring_view destination, std::wstring_view pattern,
                               int32_t package) {
  const std::wstring number = std::to_wstring(package);
  std::wstring folder(destination);
  folder.reserve(destination.size() + pattern.size() + number.size());
  for (wchar_t c : pattern) {
    if (c == L'#') {
      folder += number;
    } else {
      folder.push_back(c);
    }
  }
  return folder;
}

std::wstring FolderPathForCreation(std::wstring_view path) {
  // No cut to 260 characters: a cut path would name a different folder.
  const size_t last = path.find_last_not_of(L" \\/");
  return std::wstring(last == std::wstring_view::npos ? std::wstring_view()
                                                      : path.substr(0, last + 1));
}

std::wstring PackageFolder(std::wstring_view destination, std::wstring_view pattern,
                           int32_t package) {
  return FolderPathForCreation(PackageFolderPath(destination, pattern, package));
}

std::wstring TargetPath(std::wstring_view folder, std::wstring_view fileName) {
  std::wstring target;
  target.reserve(folder.size() + 1 + fileName.size());
  target.append(folder);
  target.push_back(L'\\');
  target.append(fileName);
  return target;
}

std::wstring AmendNamingPattern(std::wstring_view pattern) {
  const size_t last = pattern.find_last_not_of(L' ');
  std::wstring amended(last == std::wstring_view::npos ? std::wstring_view()
                                                       : pattern.substr(0, last + 1));
  amended += L" #";
  return amended;
}

bool PatternHasCounter(std::wstring_view pattern) {
  return pattern.find(L'#') != std::wstring_view::npos;
}

bool PatternIsFolderName(std::wstring_view pattern) {
  for (wchar_t c : pattern) {
    if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos)
      return false;
  }
  return true;
}

bool PatternEndsInDotOrSpace(std::wstring_view pattern) {
  return !pattern.empty() && (pattern.back() == L'.' || pattern.back() == L' ');
}

bool IsDeviceName(std::wstring_view name) {
  name = name.substr(0, name.find(L'.'));
  while (!name.empty() && name.back() == L' ') name.remove_suffix(1);
  std::wstring upper(name);
  for (wchar_t& c : upper) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"}) {
    if (upper == device) return true;
  }
  return upper.size() == 4 &&
         (upper.compare(0, 3, L"COM") == 0 || upper.compare(0, 3, L"LPT") == 0) &&
         upper[3] >= L'1' && upper[3] <= L'9';
}
