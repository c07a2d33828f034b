#include "support/temp_dir.h"

#include <windows.h>

#include <vector>

#include "gui/toolbox/long_path.h"
#include "gui/toolbox/scoped.h"
#include "support/sized_file.h"
#include "support/unix_side.h"

namespace {
// Every name exactly as given, also one that ends in a dot or a space.
std::wstring Platform(const std::wstring& p) { return ExactPlatformPath(p.c_str(), p.size()); }

void MakeParents(const std::wstring& path) {
  for (size_t pos = path.find(L'\\', 3); pos != std::wstring::npos;
       pos = path.find(L'\\', pos + 1)) {
    CreateDirectoryW(Platform(path.substr(0, pos)).c_str(), nullptr);
  }
}

std::wstring TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  return base;
}
}  // namespace

TempDir::TempDir() : TempDir(TempFolder()) {}

TempDir::TempDir(const std::wstring& parent) {
  static LONG counter = 0;
  for (;;) {
    wchar_t name[64];
    wsprintfW(name, L"bdl%lu_%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    std::wstring candidate = parent + name;
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  // Linux removes what Windows paths cannot reach, and deep trees faster.
  if (madeOnLinux_) {
    RunUnix(L"/bin/rm -rf \"" + UnixPath(path_) + L"\"", [this] { return !FolderExists(path_); });
  }
  RemoveTree(path_);
}

void TempDir::MakeFolder(const std::wstring& relative) const {
  const std::wstring full = *this / relative;
  MakeParents(full + L"\\");
}

std::wstring TempDir::MakeUnlistableFolder(const std::wstring& relative) const {
  const std::wstring folder = relative + L"*";
  MakeParents(*this / folder);
  std::wstring unixFolder = folder;
  for (wchar_t& c : unixFolder) c = c == L'\\' ? L'/' : c;
  if (!RunOnLinux(L"mkdir '" + unixFolder + L"' && : > '" + unixFolder + L"/lost.txt'"))
    return std::wstring();
  return *this / folder;
}

bool TempDir::RunOnLinux(const std::wstring& script) const {
  const std::wstring here = UnixPath(path_);
  if (here.empty()) return false;
  madeOnLinux_ = true;
  const std::wstring marker = *this / L"linux.done";
  const bool done =
      RunUnix(L"/bin/sh -c \"cd '" + here + L"' && " + script + L" && : > linux.done\"",
              [&] { return FileExists(marker); });
  DeleteFileW(marker.c_str());
  return done;
}

void TempDir::WriteFile(const std::wstring& relative, const std::string& bytes) const {
  const std::wstring full = *this / relative;
  MakeParents(full);
  const ScopedFileHandle file(CreateFileW(Platform(full).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return;
  DWORD written = 0;
  if (!bytes.empty())
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void TempDir::WriteSizedFile(const std::wstring& relative, int64_t size, unsigned seed) const {
  const std::wstring full = *this / relative;
  MakeParents(full);
  ::WriteSizedFile(full, size, FileFill::Whole, seed);
}

std::string ReadWholeFile(const std::wstring& path) {
  std::string out;
  const ScopedFileHandle file(CreateFileW(Platform(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file.Valid()) return out;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got) out.append(buffer, got);
  return out;
}

bool FileExists(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(Platform(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(Platform(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileW(Platform(path + L"\\*").c_str(), &data));
  if (find.Valid()) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      const DWORD link = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
      if ((data.dwFileAttributes & link) == FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(Platform(child).c_str());  // a folder link goes, its target stays
      } else {
        SetFileAttributesW(Platform(child).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Platform(child).c_str());
      }
    } while (FindNextFileW(find.Get(), &data));
  }
  RemoveDirectoryW(Platform(path).c_str());
}
