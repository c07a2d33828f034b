#include "plan/scan_folder.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gui/toolbox/long_path.h"
#include "gui/toolbox/scoped.h"
#include "plan/folder_listing.h"
#include "plan/unread_notice.h"
#include "support/folder_link.h"
#include "support/program_texts.h"
#include "support/system_folder_views.h"
#include "support/temp_dir.h"
#include "support/unix_side.h"

namespace {

using Found = std::vector<std::pair<std::wstring, int64_t>>;

// Scans folder into a fresh list: (path, size) in list order.
Found Scan(const std::wstring& folder, ScanResult* result = nullptr) {
  FileList list;
  const ScanResult scan = ScanFolder(folder.c_str(), list);
  EXPECT_TRUE(scan.complete);
  if (result) *result = scan;
  Found out;
  list.Rewind();
  while (FileEntry* e = list.Advance()) {
    EXPECT_EQ(e->Package, 0);
    out.emplace_back(e->Path, e->Size);
  }
  return out;
}

// Names chosen so that the platform's enumeration order is the order given.
TEST(ScanFolder, SubFolderFilesStandWhereTheFolderWasMet) {
  TempDir dir;
  dir.WriteSizedFile(L"a.txt", 1);
  dir.WriteSizedFile(L"m\\b.txt", 2);
  dir.WriteSizedFile(L"m\\n\\c.txt", 3);
  dir.MakeFolder(L"m\\n\\o");  // empty: adds nothing
  dir.WriteSizedFile(L"m\\p.txt", 4);
  dir.WriteSizedFile(L"z.txt", 5);
  const std::wstring root = dir.Path() + L"\\";
  const Found expected{{root + L"a.txt", 1},
                       {root + L"m\\b.txt", 2},
                       {root + L"m\\n\\c.txt", 3},
                       {root + L"m\\p.txt", 4},
                       {root + L"z.txt", 5}};
  EXPECT_EQ(Scan(dir.Path()), expected);
  EXPECT_EQ(Scan(root), expected) << "a trailing backslash must not change the paths";
}

TEST(ScanFolder, FoldersWithoutFilesGiveNothing) {
  TempDir dir;
  EXPECT_TRUE(Scan(dir.Path()).empty());
  dir.MakeFolder(L"x\\y\\z");
  dir.MakeFolder(L"w");
  ScanResult result;
  EXPECT_TRUE(Scan(dir.Path(), &result).empty());
  EXPECT_EQ(result.unreadFolders, 0u) << "an empty folder is no unreadable one";
  dir.WriteFile(L"file.txt", "abc");
  EXPECT_TRUE(Scan(dir / L"missing").empty());
  EXPECT_TRUE(Scan(dir / L"file.txt").empty()) << "a file is no folder to scan";
  EXPECT_TRUE(Scan(L"").empty());
}

TEST(ScanFolder, TakesDotFoldersHiddenSystemAndEmptyFiles) {
  TempDir dir;
  dir.WriteSizedFile(L".config\\settings", 7);
  dir.WriteFile(L"empty.dat", "");
  dir.WriteSizedFile(L"hidden.dat", 9);
  dir.WriteSizedFile(L"system.dat", 11);
  SetFileAttributesW((dir / L"hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW((dir / L"system.dat").c_str(),
                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  const std::wstring root = dir.Path() + L"\\";
  const Found expected{{root + L".config\\settings", 7},
                       {root + L"empty.dat", 0},
                       {root + L"hidden.dat", 9},
                       {root + L"system.dat", 11}};
  EXPECT_EQ(Scan(dir.Path()), expected);
  SetFileAttributesW((dir / L"system.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Deleted by the scan's first tick: after its folder's listing was read, before
// its own lookup, as a file that another program removes during a scan.
std::wstring vanishing;
void DeleteVanishing() {
  if (!vanishing.empty()) DeleteFileW(vanishing.c_str());
  vanishing.clear();
}

TEST(ScanFolder, FileThatCannotBeLookedUpKeepsMinusOne) {
  TempDir dir;
  dir.WriteSizedFile(L"x.txt", 5);
  dir.WriteSizedFile(L"y.txt", 3);
  vanishing = dir / L"x.txt";
  SetScanTick(DeleteVanishing);
  const Found expected{{dir / L"x.txt", -1}, {dir / L"y.txt", 3}};
  ScanResult result;
  EXPECT_EQ(Scan(dir.Path(), &result), expected);
  SetScanTick(nullptr);
  EXPECT_EQ(result.unreadFiles, 1u);
  EXPECT_EQ(result.firstUnread, (std::vector<std::wstring>{dir / L"x.txt"}));
}

// Names from Linux, macOS or a share: plain Windows paths drop a trailing dot
// or space, and would reach the twin without it.
TEST(ScanFolder, NamesEndingInADotOrASpaceAreThemselves) {
  TempDir dir;
  const std::wstring names[] = {L"a", L"a.", L"b", L"b ", L"F\\f1.bin", L"F.\\f2.bin"};
  Found expected;
  for (int size = 1; size <= 6; ++size) {
    dir.WriteSizedFile(names[size - 1], size);
    expected.emplace_back(dir / names[size - 1], size);
  }
  EXPECT_EQ(Scan(dir.Path()), expected);
  EXPECT_EQ(Scan(dir / L"F."), (Found{{dir / L"F.\\f2.bin", 6}})) << "a source named so";
}

// Some file systems (remote desktop drives, NAS, FUSE and virtual machine
// shares) refuse to list a folder by handle; such a folder is searched instead.
DWORD refusal = 0;
BOOL WINAPI RefuseListing(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD) {
  SetLastError(refusal);
  return FALSE;
}

TEST(ScanFolder, FoldersThatRefuseListingByHandleAreSearched) {
  TempDir other;
  other.WriteSizedFile(L"c.txt", 3);
  TempDir dir;
  dir.WriteSizedFile(L"a.txt", 1);
  dir.WriteSizedFile(L"sub\\b.txt", 2);
  const std::wstring otherName = other.Path().substr(other.Path().rfind(L'\\') + 1);
  const FolderLink loop(dir / L"sub\\up", L".."), out(dir / L"out", L"../" + otherName);
  ASSERT_TRUE(loop.Made() && out.Made());
  const Found expected = Scan(dir.Path());
  ASSERT_EQ(expected.size(), 3u) << "the loop is entered once, the link out once";
  for (DWORD error : {ERROR_INVALID_PARAMETER, ERROR_INVALID_LEVEL, ERROR_NOT_SUPPORTED,
                      ERROR_INVALID_FUNCTION}) {
    refusal = error;
    SetListingBatchCall(RefuseListing);
    ScanResult result;
    EXPECT_EQ(Scan(dir.Path(), &result), expected) << "refused with " << error;
    EXPECT_EQ(result.unreadFolders, 0u) << error;
  }
  refusal = ERROR_ACCESS_DENIED;  // any other refusal: the folder is unreadable
  ScanResult result;
  EXPECT_TRUE(Scan(dir.Path(), &result).empty());
  EXPECT_EQ(result.unreadFolders, 1u);
  SetListingBatchCall(nullptr);
}

size_t peakWorkingSet = 0;
void SampleWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  if (counters.WorkingSetSize > peakWorkingSet) peakWorkingSet = counters.WorkingSetSize;
}

// Every level of the walk stays open while the levels below it are read; a
// deep tree must not cost a big listing buffer per level.
TEST(ScanFolder, DeepTreeIsPlannedWholeInLittleMemory) {
  TempDir dir;
  // Wine looks a path up from its start and hands Linux whole paths (under
  // 4096 bytes): an open at depth 1,800 takes about 250 ms there, so a
  // Windows-deep tree would take hours. 500 levels show the cost per level.
  const int levels = 500;
  if (UnixPath(dir.Path()).empty()) GTEST_SKIP() << "the tree is made on the Linux side";
  std::wstring deepest = dir.Path();
  for (int i = 0; i < levels; ++i) deepest += L"\\d";
  const std::wstring chain = L"$(printf 'd/%.0s' $(seq " + std::to_wstring(levels) + L"))";
  ASSERT_TRUE(dir.RunOnLinux(L"mkdir -p " + chain + L" && printf 12345 > " + chain + L"f.txt"));

  SampleWorkingSet();
  const size_t before = peakWorkingSet;
  SetScanTick(SampleWorkingSet);
  ScanResult result;
  const Found found = Scan(dir.Path(), &result);
  SetScanTick(nullptr);
  EXPECT_EQ(found, (Found{{deepest + L"\\f.txt", 5}}));
  EXPECT_EQ(result.unreadFolders, 0u);
  const size_t growth = peakWorkingSet - before;
  EXPECT_LT(growth, levels * size_t{16384}) << growth / levels << " bytes per level";
}

TEST(ScanFolder, CountsFoldersThatCannotBeListedAndKeepsTheFirstPaths) {
  TempDir dir;
  dir.WriteSizedFile(L"a.txt", 1);
  std::vector<std::wstring> unread;
  for (int i = 1; i <= 6; ++i) {
    const std::wstring folder = dir.MakeUnlistableFolder(L"d" + std::to_wstring(i));
    if (folder.empty()) GTEST_SKIP() << "no folder that cannot be listed outside Wine";
    unread.push_back(folder + L"\\");
  }
  ScanResult result;
  EXPECT_EQ(Scan(dir.Path(), &result), (Found{{dir / L"a.txt", 1}}));
  EXPECT_EQ(result.unreadFolders, 6u);
  unread.resize(UnreadPathsKept);
  EXPECT_EQ(result.firstUnread, unread);

  result.unreadFiles = 1;
  result.firstUnread.resize(2);
  EXPECT_EQ(UnreadNotice(result), L"6 Verzeichnisse und 1 Datei konnten nicht gelesen werden:\r\n" +
                                      unread[0] + L"\r\n" + unread[1] +
                                      L"\r\n... und 5 weitere\r\n\r\n" + UnreadFoldersNote +
                                      L"\r\n" + UnreadFilesNote);
  EXPECT_EQ(UnreadNotice(ScanResult()), L"");
}

TEST(ScanFolder, FollowsPathsBeyondTheClassicLimit) {
  TempDir dir;
  std::wstring deep;
  for (int level = 0; level < 8; ++level)
    deep += std::wstring(40, static_cast<wchar_t>(L'a' + level)) + L"\\";
  dir.WriteSizedFile(L"0.txt", 1);
  dir.WriteSizedFile(deep + L"deep.txt", 12345);
  dir.WriteSizedFile(L"z.txt", 2);
  const std::wstring deepFile = dir / (deep + L"deep.txt");
  ASSERT_GT(deepFile.size(), 300u);
  const Found expected{{dir / L"0.txt", 1}, {deepFile, 12345}, {dir / L"z.txt", 2}};
  EXPECT_EQ(Scan(dir.Path()), expected);
  EXPECT_EQ(FileSizeOf(deepFile.c_str()), 12345);

  // A source folder that is itself beyond the limit.
  const std::wstring deepFolder = deepFile.substr(0, deepFile.rfind(L'\\'));
  EXPECT_EQ(Scan(deepFolder), (Found{{deepFile, 12345}}));
}

// The form handed to the platform: short paths untouched, long ones made
// absolute, normalised and prefixed.
TEST(PlatformPath, PrefixesOnlyLongPaths) {
  const std::wstring tail = std::wstring(250, L'n') + L"\\f.txt";
  const struct {
    std::wstring path;
    std::wstring expected;
  } cases[] = {
      {L"C:\\short\\a.txt", L"C:\\short\\a.txt"},
      {L"relative\\a.txt", L"relative\\a.txt"},
      {L"C:\\" + tail, L"\\\\?\\C:\\" + tail},
      {L"C:/x/../" + tail, L"\\\\?\\C:\\" + tail},
      {L"\\\\server\\share\\" + tail, L"\\\\?\\UNC\\server\\share\\" + tail},
      {L"\\\\?\\C:\\" + tail, L"\\\\?\\C:\\" + tail},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlatformPath(c.path.c_str(), c.path.size()), c.expected) << c.path;

  // A long relative path is resolved against the current folder.
  wchar_t current[MAX_PATH];
  const DWORD n = GetCurrentDirectoryW(MAX_PATH, current);
  ASSERT_GT(n, 0u);
  std::wstring base(current, n);
  if (base.back() != L'\\') base += L'\\';
  EXPECT_EQ(PlatformPath(tail.c_str(), tail.size()), L"\\\\?\\" + base + tail);
}

TEST(FileSizeOf, FilesFoldersAndMissingPaths) {
  TempDir dir;
  dir.WriteSizedFile(L"f.bin", 70000);
  dir.WriteFile(L"zero", "");
  dir.MakeFolder(L"sub");
  const struct {
    std::wstring path;
    int64_t size;
  } cases[] = {
      {dir / L"f.bin", 70000}, {dir / L"zero", 0},     {dir / L"sub", -2},
      {dir / L"sub\\", -1},    {dir / L"missing", -1}, {dir / L"missing\\f.bin", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FileSizeOf(c.path.c_str()), c.size) << c.path;
}

using Listing = std::map<std::wstring, int64_t>;

// Names and sizes of the files directly in folder, as the platform lists them.
Listing FilesIn(const std::wstring& folder) {
  Listing files;
  WIN32_FIND_DATAW record;
  const ScopedFind find(FindFirstFileW((folder + L"\\*.*").c_str(), &record));
  if (!find.Valid()) return files;
  do {
    if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    files[record.cFileName] =
        (static_cast<int64_t>(record.nFileSizeHigh) << 32) | record.nFileSizeLow;
  } while (FindNextFileW(find.Get(), &record));
  return files;
}

// Under WoW64 the scan lists System32's own files, not SysWOW64's under the
// System32 name.
TEST(ScanFolder, ListsTheRealSystemFolderUnderWow64) {
  const SystemFolderViews views = ViewsOfSystemFolder();
  if (!views.untestable.empty()) GTEST_SKIP() << views.untestable;
  const Listing native = FilesIn(views.native);
  if (FilesIn(views.named) == native) GTEST_SKIP() << "System32 and SysWOW64 hold the same files";
  Listing scanned;
  for (const auto& [path, size] : Scan(views.named)) {
    const std::wstring name = path.substr(views.named.size() + 1);
    if (name.find(L'\\') == std::wstring::npos) scanned[name] = size;
  }
  EXPECT_TRUE(scanned == native) << scanned.size() << " files listed, " << native.size()
                                 << " in System32";
}

}  // namespace
