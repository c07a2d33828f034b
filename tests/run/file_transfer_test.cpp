#include "run/file_transfer.h"

#include <gtest/gtest.h>

#include "gui/toolbox/scoped.h"
#include "support/system_folder_views.h"
#include "support/temp_dir.h"

namespace {

TEST(FileTransfer, MoveTakesNoFolderThatReplacedTheFile) {
  TempDir dir;
  dir.WriteFile(L"a.txt\\inner.txt", "inner");
  EXPECT_FALSE(TransferFile(TransferMove, dir / L"a.txt", dir / L"b.txt"));
  EXPECT_EQ(ReadWholeFile(dir / L"a.txt\\inner.txt"), "inner");
  EXPECT_FALSE(FolderExists(dir / L"b.txt"));
}

TEST(FileTransfer, ACopyReplacesOnlyWhatItMay) {
  // replace | copy succeeds | what the target holds after
  const struct {
    bool replace;
    bool done;
    const char* after;
  } cases[] = {{false, false, "there before"}, {true, true, "new"}};
  for (const auto& c : cases) {
    TempDir dir;
    dir.WriteFile(L"a.txt", "new");
    dir.WriteFile(L"P\\a.txt", "there before");
    EXPECT_EQ(TransferFile(TransferCopy, dir / L"a.txt", dir / L"P\\a.txt", c.replace), c.done);
    EXPECT_EQ(ReadWholeFile(dir / L"P\\a.txt"), c.after) << c.replace;
  }
}

// A source that drops out half-way (a stick pulled, a share gone): a part
// of the file is written, the source is gone, the copy fails.
BOOL WINAPI CopyThatLosesItsSource(LPCWSTR from, LPCWSTR to, LPPROGRESS_ROUTINE, LPVOID, LPBOOL,
                                   DWORD) {
  const ScopedFileHandle target(
      CreateFileW(to, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  WriteFile(target.Get(), "half", 4, &written, nullptr);
  DeleteFileW(from);
  SetLastError(ERROR_DEV_NOT_EXIST);
  return FALSE;
}

TEST(FileTransfer, ACopyWhoseSourceWentAwayLeavesNoPart) {
  TempDir dir;
  dir.WriteFile(L"a.bin", "the whole file");
  SetCopyCall(CopyThatLosesItsSource);
  EXPECT_FALSE(TransferFile(TransferCopy, dir / L"a.bin", dir / L"b.bin"));
  SetCopyCall(nullptr);
  EXPECT_FALSE(FileExists(dir / L"b.bin"));
}

// Under WoW64 a destination below System32 gets its package folders there,
// not in SysWOW64, where the copy would find no folder.
TEST(FileTransfer, PackageFoldersGoIntoTheRealSystemFolderUnderWow64) {
  const SystemFolderViews views = ViewsOfSystemFolder();
  if (!views.untestable.empty()) GTEST_SKIP() << views.untestable;
  const TempDir native(views.native + L"\\");  // in System32 only, not in SysWOW64
  const std::wstring named = views.named + native.Path().substr(native.Path().rfind(L'\\'));
  EXPECT_TRUE(CreateFolder(named + L"\\Paket 1"));
  EXPECT_TRUE(FolderExists(native / L"Paket 1"));
}

}  // namespace
