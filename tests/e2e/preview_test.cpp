// Choosing the source and previewing the packages, driven from outside.
#include "e2e/e2e_fixture.h"
#include "support/program_texts.h"
#include "support/temp_dir.h"

namespace {

using PreviewTest = E2eTest;

TEST_F(PreviewTest, ByCountDealsTheFilesOutInScanOrder) {
  TempDir source;
  source.WriteSizedFile(L"a.txt", 1000, 1);
  source.WriteSizedFile(L"m.txt", 2048, 2);
  source.WriteSizedFile(L"Sub\\b.bin", 1572864, 3);
  source.WriteSizedFile(L"Sub\\Deeper\\c.dat", 0, 4);
  source.WriteSizedFile(L"z.txt", 5, 5);
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
  const std::wstring root = source.Path() + L"\\";

  ASSERT_NO_FATAL_FAILURE(UseCount(3));  // from 10 with the down arrow
  ClickGadget(PreviewButton);
  const std::vector<std::wstring> three = PackageItems(3);
  ASSERT_EQ(SettledLines(G(PackageList), three), three);
  EXPECT_TRUE(ListLines(G(ContentsList)).empty()) << "nothing is selected after a preview";

  struct Case {
    int line;
    std::vector<std::wstring> files;
    const wchar_t* mib;
  };
  // Scan order a.txt, m.txt, Sub\b.bin, Sub\Deeper\c.dat, z.txt dealt to 1, 2, 3, 1, 2.
  const Case cases[] = {
      {2, {root + L"Sub\\b.bin"}, L"1.50"},
      {0, {root + L"a.txt", root + L"Sub\\Deeper\\c.dat"}, L"0.00"},
      {1, {root + L"m.txt", root + L"z.txt"}, L"0.00"},
  };
  for (const Case& c : cases) {
    ClickListLine(G(PackageList), c.line);
    const std::wstring caption = SizedContentsCaption(c.mib);
    EXPECT_EQ(SettledLines(G(ContentsList), c.files), c.files) << "line " << c.line;
    EXPECT_EQ(SettledText(G(ContentsFrame), caption), caption) << "line " << c.line;
    EXPECT_EQ(ListSelection(G(PackageList)), c.line);
  }
}

TEST_F(PreviewTest, BySizeFillsPackagesLargestFirst) {
  TempDir source;
  const int kib = 1024;
  source.WriteSizedFile(L"c.bin", 300 * kib, 1);
  source.WriteSizedFile(L"e.bin", 160 * kib, 2);
  source.WriteSizedFile(L"Sub\\a.bin", 400 * kib, 3);
  source.WriteSizedFile(L"Sub\\b.bin", 303 * kib, 4);
  source.WriteSizedFile(L"d.bin", 250 * kib, 5);
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
  const std::wstring root = source.Path() + L"\\";

  // 703 KiB, set with the arrow keys: the spin's text cannot be typed into.
  ClickGadget(PackageSizeSpin);
  TypeChars(L"5");
  KeyStrokes(VK_UP, 3);
  EXPECT_EQ(SettledText(G(PackageSizeSpin), L"703"), L"703") << "typing is no way to change it";
  KeyStroke(VK_TAB);
  ASSERT_EQ(FocusedGadget(SizeUnitCombo), SizeUnitCombo);
  KeyStroke(VK_UP);
  EXPECT_EQ(SettledText(G(SizeUnitCombo), SizeUnits[1]), SizeUnits[1]);

  ClickGadget(PreviewButton);
  const std::vector<std::wstring> three = PackageItems(3);
  ASSERT_EQ(SettledLines(G(PackageList), three), three);
  struct Case {
    int line;
    std::vector<std::wstring> files;
    const wchar_t* mib;
  };
  // 400 + 303 fill the first package exactly; 300 opens the second, 250
  // joins it, 160 would pass the limit and opens the third.
  const Case cases[] = {
      {0, {root + L"Sub\\a.bin", root + L"Sub\\b.bin"}, L"0.69"},
      {1, {root + L"c.bin", root + L"d.bin"}, L"0.54"},
      {2, {root + L"e.bin"}, L"0.16"},
  };
  for (const Case& c : cases) {
    ClickListLine(G(PackageList), c.line);
    const std::wstring caption = SizedContentsCaption(c.mib);
    EXPECT_EQ(SettledLines(G(ContentsList), c.files), c.files) << "line " << c.line;
    EXPECT_EQ(SettledText(G(ContentsFrame), caption), caption) << "line " << c.line;
  }

  // One step less and the two largest no longer share a package.
  ClickGadget(PackageSizeSpin);
  KeyStroke(VK_DOWN);
  ASSERT_EQ(SettledText(G(PackageSizeSpin), L"702"), L"702");
  ClickGadget(PreviewButton);
  ASSERT_EQ(SettledLines(G(PackageList), three), three);
  ClickListLine(G(PackageList), 0);
  const std::vector<std::wstring> alone = {root + L"Sub\\a.bin"};
  EXPECT_EQ(SettledLines(G(ContentsList), alone), alone);
}

TEST_F(PreviewTest, CancellingTheChooserEmptiesTheSource) {
  TempDir source;
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
  ClickGadget(BrowseButton);
  HWND chooser = WaitForFolderChooser(app_.Id());
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(ShowsText(chooser, SourcePrompt));
  ASSERT_TRUE(ClickButtonAway(chooser, IDCANCEL));
  EXPECT_EQ(SettledText(G(SourcePathField), L""), L"");
}

}  // namespace
