// Source trees with link cycles and with folders that cannot be read,
// previewed and run from outside.
#include "e2e/e2e_fixture.h"
#include "support/folder_link.h"
#include "support/temp_dir.h"

namespace {

using ScanTest = E2eTest;

// The notice for one folder that could not be read.
std::wstring OneFolderNotice(const std::wstring& folder) {
  return OneFolderUnread + (L"\r\n" + folder) + L"\r\n\r\n" + UnreadFoldersNote;
}

TEST_F(ScanTest, LinksAreFollowedButNoFolderIsEnteredTwice) {
  TempDir other;
  other.WriteSizedFile(L"c.txt", 1);
  TempDir source;
  source.WriteSizedFile(L"a.txt", 3);  // one package, largest first
  source.WriteSizedFile(L"x\\b.txt", 2);
  source.MakeFolder(L"y");
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
  const std::wstring otherName = other.Path().substr(other.Path().rfind(L'\\') + 1);
  // Two loops back to the source, a link out of the tree, one to a sibling.
  const FolderLink links[] = {{source / L"x\\up", L".."},
                              {source / L"y\\up", L".."},
                              {source / L"ext", L"../" + otherName},
                              {source / L"alias", L"x"}};
  for (const FolderLink& link : links) ASSERT_TRUE(link.Made());

  ClickGadget(PreviewButton);
  const std::vector<std::wstring> one = {L"Paket 1"};
  ASSERT_EQ(SettledLines(G(PackageList), one), one) << "the preview did not end";
  ClickListLine(G(PackageList), 0);
  // x is met first through alias, so its file is listed under that path only.
  const std::wstring root = source.Path() + L"\\";
  const std::vector<std::wstring> files = {root + L"a.txt", root + L"alias\\b.txt",
                                           root + L"ext\\c.txt"};
  EXPECT_EQ(SettledLines(G(ContentsList), files), files);
}

TEST_F(ScanTest, WhatCannotBeReadIsNamedBeforeThePlanGoesOn) {
  TempDir source;
  source.WriteSizedFile(L"a.txt", 1);
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
  const std::wstring locked = source.MakeUnlistableFolder(L"Sub\\locked") + L"\\";
  if (locked.size() == 1) GTEST_SKIP() << "no folder that cannot be listed outside Wine";
  ClickGadget(PreviewButton);
  EXPECT_EQ(AnswerMessage(), OneFolderNotice(locked));
  const std::vector<std::wstring> one = {L"Paket 1"};
  EXPECT_EQ(SettledLines(G(PackageList), one), one) << "the readable file is still planned";

  // The source folder itself, in a run that moves: warned before the run asks on.
  ASSERT_TRUE(source.RunOnLinux(L"rm -rf Sub"));  // Windows cannot remove what it cannot name
  RemoveTree(source.Path());
  ASSERT_NO_FATAL_FAILURE(ChooseOption(MoveOption));
  ClickGadget(RunButton);
  EXPECT_EQ(AnswerMessage(), OneFolderNotice(source.Path() + L"\\"));
  EXPECT_NE(WaitForWindow(app_.Id(), TextRequesterClass, ProgramCaption), nullptr);
}

}  // namespace
