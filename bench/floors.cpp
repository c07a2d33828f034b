#include "floors.h"

#include <atomic>
#include <thread>
#include <utility>

#include "bench_clock.h"
#include "gui/events.h"
#include "gui/toolbox/scoped.h"

namespace {

bool IsDotName(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// Calls onFile(path, name) for every file below folder (ends in a backslash).
template <typename F>
void Walk(std::wstring& folder, F&& onFile) {
  const size_t length = folder.size();
  folder += L"*.*";
  WIN32_FIND_DATAW record;
  const ScopedFind find(FindFirstFileW(folder.c_str(), &record));
  folder.resize(length);
  if (!find.Valid()) return;
  do {
    if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (IsDotName(record.cFileName)) continue;
      folder += record.cFileName;
      folder += L'\\';
      Walk(folder, onFile);
    } else {
      folder += record.cFileName;
      onFile(folder, record.cFileName);
    }
    folder.resize(length);
  } while (FindNextFileW(find.Get(), &record));
}

std::wstring WithBackslash(std::wstring folder) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder;
}

}  // namespace

long long WalkFloor(const std::wstring& folder) {
  std::wstring path = WithBackslash(folder);
  long long files = 0;
  Walk(path, [&files](const std::wstring& file, const wchar_t*) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) ++files;
  });
  return files;
}

std::vector<CopyPair> PackageCopyPairs(const std::wstring& folder, const std::wstring& targetFolder,
                                       int packages, bool createFolders) {
  // Dealt out in walk order, then taken package by package: the order in
  // which a run copies them.
  std::vector<std::vector<CopyPair>> dealt(static_cast<size_t>(packages));
  size_t next = 0;
  std::wstring path = WithBackslash(folder);
  Walk(path, [&](const std::wstring& file, const wchar_t* name) {
    dealt[next].push_back({file, name});
    next = (next + 1) % dealt.size();
  });
  std::vector<CopyPair> pairs;
  for (int package = 1; package <= packages; ++package) {
    const std::wstring packageFolder =
        WithBackslash(targetFolder) + L"Paket " + std::to_wstring(package);
    if (createFolders) CreateDirectoryW(packageFolder.c_str(), nullptr);
    for (CopyPair& pair : dealt[static_cast<size_t>(package - 1)]) {
      pair.target = packageFolder + L"\\" + pair.target;
      pairs.push_back(std::move(pair));
    }
  }
  return pairs;
}

double TransferLoop(const std::vector<CopyPair>& pairs, bool move) {
  std::atomic<bool> done{false};
  double seconds = -1.0;
  std::thread worker([&] {
    const double start = Now();
    bool ok = true;
    for (const CopyPair& pair : pairs) {
      const BOOL moved = move ? MoveFileW(pair.source.c_str(), pair.target.c_str())
                              : CopyFileW(pair.source.c_str(), pair.target.c_str(), FALSE);
      if (!moved) {
        ok = false;
        break;
      }
    }
    seconds = ok ? Now() - start : -1.0;
    done = true;
  });
  // The program's own wait, which serves sent messages while it waits.
  while (!done) WaitAppEvent(10);
  worker.join();
  return seconds;
}

bool MoveBack(const std::vector<CopyPair>& pairs) {
  bool ok = true;
  for (const CopyPair& pair : pairs) ok = MoveFileW(pair.target.c_str(), pair.source.c_str()) && ok;
  return ok;
}
