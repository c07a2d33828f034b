#include "support/folder_link.h"

#include <windows.h>

#include "support/unix_side.h"

namespace {

bool LeadsToFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

FolderLink::FolderLink(const std::wstring& link, const std::wstring& target)
    : link_(link), unixLink_(UnixPath(link)) {
  if (unixLink_.empty()) {
    std::wstring windowsTarget = target;
    for (wchar_t& c : windowsTarget) c = c == L'/' ? L'\\' : c;
    CreateSymbolicLinkW(link.c_str(), windowsTarget.c_str(),
                        SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2 /* unprivileged create */);
  } else {
    RunUnix(L"/bin/ln -s \"" + target + L"\" \"" + unixLink_ + L"\"",
            [&] { return LeadsToFolder(link); });
  }
}

FolderLink::~FolderLink() {
  if (unixLink_.empty()) {
    RemoveDirectoryW(link_.c_str());
  } else {
    RunUnix(L"/bin/rm -f \"" + unixLink_ + L"\"", [this] { return !LeadsToFolder(link_); });
  }
}

bool FolderLink::Made() const { return LeadsToFolder(link_); }
