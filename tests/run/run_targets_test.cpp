#include "run/run_targets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plan/file_list.h"

namespace {

const std::wstring Source = L"C:\\Quelle\\";

struct File {
  const wchar_t* path;  // below Source
  int32_t package;
};

// The targets of the files, listed in this order (already by package).
RunTargets Plan(const std::vector<File>& files, bool keepFolders) {
  FileList list;
  for (const File& f : files) {
    const std::wstring path = Source + f.path;
    list.AddEntry(path.c_str(), path.size())->Package = f.package;
  }
  return PlanRunTargets(list, Source, keepFolders);
}

TEST(RunTargets, LaterSameNamesGetTheSmallestFreeNumber) {
  const struct {
    std::vector<File> files;
    bool keepFolders;
    std::vector<std::wstring> targets;
    int sameNames;
  } cases[] = {
      // Distinct names, and the same name in two packages: nothing changes.
      {{{L"a.txt", 1}, {L"S\\b.txt", 1}, {L"T\\a.txt", 2}},
       false,
       {L"a.txt", L"b.txt", L"a.txt"},
       0},
      // Case does not make names apart; the number goes before the last extension.
      {{{L"A\\a.tar.gz", 1}, {L"B\\A.TAR.GZ", 1}}, false, {L"a.tar.gz", L"A.TAR (2).GZ"}, 1},
      {{{L"A\\README", 1}, {L"B\\README", 1}, {L"C\\README", 1}},
       false,
       {L"README", L"README (2)", L"README (3)"},
       2},
      {{{L"A\\.profile", 1}, {L"B\\.profile", 1}}, false, {L".profile", L".profile (2)"}, 1},
      // A number that another file of the package has as its own name is skipped.
      {{{L"A\\x.jpg", 1}, {L"B\\x.jpg", 1}, {L"x (2).jpg", 1}},
       false,
       {L"x.jpg", L"x (3).jpg", L"x (2).jpg"},
       1},
      // Kept folders make the names apart, except where folders differ in case only.
      {{{L"DCIM\\100CANON\\IMG_0001.JPG", 1}, {L"DCIM\\101CANON\\IMG_0001.JPG", 1}, {L"top", 1}},
       true,
       {L"DCIM\\100CANON\\IMG_0001.JPG", L"DCIM\\101CANON\\IMG_0001.JPG", L"top"},
       0},
      {{{L"Sub\\a.txt", 1}, {L"SUB\\a.txt", 1}}, true, {L"Sub\\a.txt", L"SUB\\a (2).txt"}, 1},
  };
  for (const auto& c : cases) {
    const RunTargets seen = Plan(c.files, c.keepFolders);
    EXPECT_EQ(seen.relative, c.targets) << c.files[0].path;
    EXPECT_EQ(seen.sameNames, c.sameNames) << c.files[0].path;
  }
}

TEST(RunTargets, TheExampleIsTheFirstPairInTheRunsOrder) {
  const RunTargets seen = Plan({{L"a.txt", 1},
                                {L"DCIM\\100CANON\\IMG_0001.JPG", 2},
                                {L"img_0001.jpg", 2},
                                {L"DCIM\\101CANON\\IMG_0001.JPG", 2},
                                {L"A\\a.txt", 1 + 2}},
                               false);
  EXPECT_EQ(seen.sameNames, 2);
  EXPECT_EQ(seen.exampleName, L"IMG_0001.JPG");
  EXPECT_EQ(seen.exampleFirstFolder, L"DCIM\\100CANON");
  EXPECT_EQ(seen.exampleSecondFolder, L"") << "the source folder itself";
  EXPECT_EQ(seen.examplePackage, 2);
}

TEST(RunTargets, FolderWithinTheSource) {
  const struct {
    const wchar_t* folder;
    bool within;
  } cases[] = {{L"C:\\Quelle\\", true},
               {L"c:\\quelle\\Ziel\\", true},
               {L"C:\\Quelle2\\", false},
               {L"C:\\", false},
               {L"D:\\Quelle\\", false}};
  for (const auto& c : cases) EXPECT_EQ(FolderWithin(c.folder, Source), c.within) << c.folder;
}

}  // namespace
