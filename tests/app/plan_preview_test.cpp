// Plans built through the main window's buttons, and the preview they show.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/program_state.h"
#include "gui/gadgets.h"
#include "plan/file_list.h"
#include "run/run_state.h"
#include "support/dialog_driver.h"
#include "support/program_env.h"
#include "support/program_texts.h"
#include "support/sized_file.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::wstring> Package(int index) {
  SelectListLine(PackageList, index);
  return ListLines(ContentsList);
}

class PlanTest : public ::testing::Test {
 protected:
  void TearDown() override { RestoreStartSettings(); }
  void Preview() { PostGadgetClick(PreviewButton); }
  std::wstring Source() const { return dir_.Path() + L"\\"; }
  std::wstring File(const wchar_t* name) const { return dir_.Path() + L"\\" + name; }
  TempDir dir_;
};

TEST_F(PlanTest, ByCountDealsFilesOutInTurn) {
  for (int i = 1; i <= 7; ++i) dir_.WriteFile(L"f" + std::to_wstring(i), "x");
  SetSource(Source());
  UseCount(3);
  Preview();
  EXPECT_EQ(ListLines(PackageList), PackageItems(3));
  EXPECT_EQ(Package(0), (std::vector<std::wstring>{File(L"f1"), File(L"f4"), File(L"f7")}));
  EXPECT_EQ(Package(1), (std::vector<std::wstring>{File(L"f2"), File(L"f5")}));
  EXPECT_EQ(Package(2), (std::vector<std::wstring>{File(L"f3"), File(L"f6")}));
}

TEST_F(PlanTest, ByCountWithMorePackagesThanFilesMakesNoEmptyOnes) {
  for (int i = 1; i <= 4; ++i) dir_.WriteFile(L"f" + std::to_wstring(i), "x");
  SetSource(dir_.Path());  // without the trailing backslash
  UseCount(10);
  Preview();
  EXPECT_EQ(ListLines(PackageList).size(), 4u);
  EXPECT_EQ(Package(3), (std::vector<std::wstring>{File(L"f4")}));
}

TEST_F(PlanTest, TwelvePackagesAreListedInNumericOrder) {
  for (int i = 1; i <= 12; ++i) dir_.WriteFile(L"f" + std::to_wstring(100 + i), "x");
  SetSource(Source());
  UseCount(12);
  Preview();
  EXPECT_EQ(ListLines(PackageList), PackageItems(12));
}

TEST_F(PlanTest, BySizeFillsTheLastPackageLargestFirst) {
  // Scan order a..e: 30, 70, 50, 50, 20 bytes; limit 100 bytes.
  dir_.WriteSizedFile(L"a", 30);
  dir_.WriteSizedFile(L"b", 70);
  dir_.WriteSizedFile(L"c", 50);
  dir_.WriteSizedFile(L"d", 50);
  dir_.WriteSizedFile(L"e", 20);
  SetSource(Source());
  UseSize(100, 0);
  Preview();
  ASSERT_EQ(ListLines(PackageList).size(), 3u);
  EXPECT_EQ(Package(0), (std::vector<std::wstring>{File(L"b")}));
  EXPECT_EQ(Package(1), (std::vector<std::wstring>{File(L"c"), File(L"d")}));
  EXPECT_EQ(ReadText(ContentsFrame), SizedContentsCaption(L"0.00"));
  EXPECT_EQ(Package(2), (std::vector<std::wstring>{File(L"a"), File(L"e")}));
}

TEST_F(PlanTest, NextFitNeverLooksBack) {
  dir_.WriteSizedFile(L"a", 60);
  dir_.WriteSizedFile(L"b", 50);
  dir_.WriteSizedFile(L"c", 50);
  dir_.WriteSizedFile(L"d", 40);
  dir_.WriteSizedFile(L"e", 0);
  SetSource(Source());
  UseSize(100, 0);
  Preview();
  ASSERT_EQ(ListLines(PackageList).size(), 3u);
  EXPECT_EQ(Package(0), (std::vector<std::wstring>{File(L"a")}));
  EXPECT_EQ(Package(1), (std::vector<std::wstring>{File(L"b"), File(L"c")}));
  // The empty file comes last and joins the last package.
  EXPECT_EQ(Package(2), (std::vector<std::wstring>{File(L"d"), File(L"e")}));
}

struct CaptionCase {
  long long bytes;
  const wchar_t* shown;
};

TEST_F(PlanTest, CaptionShowsTheSelectedPackageInMiB) {
  const CaptionCase cases[] = {
      {1572864, L"1.50"}, {734003200, L"700.00"}, {10737418240LL, L"10240.00"},
      {1, L"0.00"},       {1048575, L"1.00"},     {0, L"0.00"},
  };
  for (const CaptionCase& c : cases) {
    TempDir tree;
    ASSERT_TRUE(WriteSizedFile(tree / L"only.bin", c.bytes, FileFill::Hole));
    SetSource(tree.Path());
    UseCount(1);
    Preview();
    ASSERT_EQ(ListLines(PackageList).size(), 1u) << c.bytes;
    SelectListLine(PackageList, 0);
    EXPECT_EQ(ReadText(ContentsFrame), SizedContentsCaption(c.shown)) << c.bytes << " bytes";
  }
}

TEST_F(PlanTest, NewPreviewEmptiesBothListsButKeepsTheCaption) {
  ASSERT_TRUE(WriteSizedFile(File(L"big"), 1572864, FileFill::Hole));
  SetSource(Source());
  UseCount(2);
  Preview();
  SelectListLine(PackageList, 0);
  ASSERT_EQ(ReadText(ContentsFrame), SizedContentsCaption(L"1.50"));
  TempDir empty;
  SetSource(empty.Path());
  Preview();
  EXPECT_TRUE(ListLines(PackageList).empty());
  EXPECT_TRUE(ListLines(ContentsList).empty());
  EXPECT_EQ(ReadText(ContentsFrame), SizedContentsCaption(L"1.50"));
}

TEST_F(PlanTest, SelectionEventWithNothingSelectedShowsZero) {
  dir_.WriteFile(L"a", "abc");
  SetSource(Source());
  UseCount(1);
  Preview();
  SelectListLine(PackageList, -1);
  EXPECT_TRUE(ListLines(ContentsList).empty());
  EXPECT_EQ(ReadText(ContentsFrame), SizedContentsCaption(L"0.00"));
}

TEST_F(PlanTest, SettingsTakeEffectOnlyWithThePreviewButton) {
  for (int i = 1; i <= 4; ++i) dir_.WriteFile(L"f" + std::to_wstring(i), "x");
  SetSource(Source());
  UseCount(2);
  Preview();
  ASSERT_EQ(ListLines(PackageList).size(), 2u);
  UseCount(4);
  PostGadgetClick(MoveOption);
  RunLoopFor(50);
  EXPECT_EQ(ListLines(PackageList).size(), 2u);
  PostGadgetClick(CopyOption);
  Preview();
  EXPECT_EQ(ListLines(PackageList).size(), 4u);
}

TEST_F(PlanTest, OutOfMemoryLeavesNoPlanToRun) {
  // About 130 KiB of entries; the heap holds 64 KiB at most (Wine rounds up to that).
  for (int i = 0; i < 400; ++i) dir_.WriteFile(std::wstring(100, L'n') + std::to_wstring(i), "x");
  SetSource(Source());
  const HANDLE heap = HeapCreate(0, 0, 16384);
  {
    FileList small(heap);
    FileList* const full = Program().Files;
    Program().Files = &small;
    for (const int button : {PreviewButton, RunButton}) {
      std::wstring seen;
      DialogAnswerer answers(MessageBoxMatch(ProgramCaption), AnswerOk(&seen));
      PostGadgetClick(button);
      EXPECT_TRUE(answers.Answered()) << answers.Report();
      EXPECT_EQ(seen, OutOfMemory);
      EXPECT_EQ(small.EntryCount(), 0);
      EXPECT_TRUE(ListLines(PackageList).empty());
      EXPECT_FALSE(RunInProgress());
    }
    Program().Files = full;
  }
  HeapDestroy(heap);
}

}  // namespace
