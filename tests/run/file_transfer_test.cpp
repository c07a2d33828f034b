#include "run/file_transfer.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

TEST(FileTransfer, MoveTakesNoFolderThatReplacedTheFile) {
  TempDir dir;
  dir.WriteFile(L"a.txt\\inner.txt", "inner");
  EXPECT_FALSE(TransferFile(TransferMove, dir / L"a.txt", dir / L"b.txt"));
  EXPECT_EQ(ReadWholeFile(dir / L"a.txt\\inner.txt"), "inner");
  EXPECT_FALSE(FolderExists(dir / L"b.txt"));
}

}  // namespace
