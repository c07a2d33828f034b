#include "support/folder_link.h"

#include <windows.h>

namespace {

using UnixNameFn = char*(CDECL*)(const wchar_t*);

// The Linux path of a Windows path under Wine; "" elsewhere.
std::wstring UnixPath(const std::wstring& path) {
  const auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* name = unixName ? unixName(path.c_str()) : nullptr;
  if (!name) return std::wstring();
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, name, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, name, -1, &wide[0], static_cast<int>(wide.size()));
  HeapFree(GetProcessHeap(), 0, name);
  return wide.c_str();
}

bool LeadsToFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Runs a Linux program (Wine starts those by their Linux path) and waits
// until the link is there or gone: Wine's process handle of a Linux program
// does not wait for its end.
void RunUnix(std::wstring commandLine, const std::wstring& link, bool linked) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int waited = 0; LeadsToFolder(link) != linked && waited < 10000; waited += 20) Sleep(20);
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
    RunUnix(L"/bin/ln -s \"" + target + L"\" \"" + unixLink_ + L"\"", link, true);
  }
}

FolderLink::~FolderLink() {
  if (unixLink_.empty()) {
    RemoveDirectoryW(link_.c_str());
  } else {
    RunUnix(L"/bin/rm -f \"" + unixLink_ + L"\"", link_, false);
  }
}

bool FolderLink::Made() const { return LeadsToFolder(link_); }
