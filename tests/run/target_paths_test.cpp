#include "run/target_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(TargetPaths, FolderAndTargetOfAnEntry) {
  const struct {
    const wchar_t* destination;
    const wchar_t* pattern;
    int32_t package;
    const wchar_t* source;
    const wchar_t* folder;
    const wchar_t* target;
  } cases[] = {
      {L"D:\\Ziel\\", L"Paket #", 2, L"C:\\Quelle\\Sub\\a.txt", L"D:\\Ziel\\Paket 2",
       L"D:\\Ziel\\Paket 2\\a.txt"},
      {L"E:\\", L"Paket #", 1, L"C:\\Quelle\\b.doc", L"E:\\Paket 1", L"E:\\Paket 1\\b.doc"},
      {L"E:\\", L"Teil #-#", 12, L"C:/Quelle/c", L"E:\\Teil 12-12", L"E:\\Teil 12-12\\c"},
      {L"E:\\", L"#", 1, L"d", L"E:\\1", L"E:\\1\\d"},
      {L"E:\\", L"P#", -3, L"C:\\e", L"E:\\P-3", L"E:\\P-3\\e"},
      {L"E:\\", L"Paket # ", 4, L"C:\\f", L"E:\\Paket 4", L"E:\\Paket 4\\f"},
      {L"E:\\", L"Paket #\\/", 5, L"C:\\g", L"E:\\Paket 5", L"E:\\Paket 5\\g"},
  };
  for (const auto& c : cases) {
    const std::wstring folder =
        FolderPathForCreation(PackageFolderPath(c.destination, c.pattern, c.package));
    EXPECT_EQ(folder, c.folder) << c.pattern << " " << c.package;
    EXPECT_EQ(TargetPath(folder, FileNamePart(c.source)), c.target) << c.source;
  }
}

TEST(TargetPaths, FolderPathIsNotCut) {
  const std::wstring destination = L"D:\\" + std::wstring(300, L'x') + L"\\";
  const std::wstring folder = FolderPathForCreation(PackageFolderPath(destination, L"Paket #", 7));
  EXPECT_EQ(folder, destination + L"Paket 7");
  EXPECT_EQ(FolderPathForCreation(L" \\/ "), L"");
}

TEST(TargetPaths, FileNamePart) {
  const struct {
    const wchar_t* path;
    const wchar_t* name;
  } cases[] = {
      {L"C:\\a\\b.txt", L"b.txt"}, {L"C:/a/b.txt", L"b.txt"}, {L"C:\\a/b\\c", L"c"},
      {L"name", L"name"},          {L"C:\\a\\", L""},         {L"\"C:\\a\\q.txt\"", L"q.txt"},
      {L"\"q.txt", L"q.txt"},      {L"C:\\a\\b\"c\\d", L"b"}, {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
}

TEST(TargetPaths, NamingPatternCounter) {
  const struct {
    const wchar_t* pattern;
    bool hasCounter;
    const wchar_t* amended;
  } cases[] = {
      {L"Teil", false, L"Teil #"},         {L"Teil   ", false, L"Teil #"}, {L"", false, L" #"},
      {L"  Teil\t", false, L"  Teil\t #"}, {L"Paket #", true, nullptr},    {L"#", true, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PatternHasCounter(c.pattern), c.hasCounter) << c.pattern;
    if (c.amended) {
      const std::wstring amended = AmendNamingPattern(c.pattern);
      EXPECT_EQ(amended, c.amended) << c.pattern;
      EXPECT_TRUE(PatternHasCounter(amended));
    }
  }
}

TEST(TargetPaths, PatternNamesOneFolderInTheDestination) {
  for (const wchar_t* pattern : {L"Paket #", L"..#", L"# .", L"Teil \u00e4#", L""}) {
    EXPECT_TRUE(PatternIsFolderName(pattern)) << pattern;
  }
  for (const wchar_t c : std::wstring(L"\\/:*?\"<>|\t\x01\x1f")) {
    EXPECT_FALSE(PatternIsFolderName(std::wstring(L"Paket ") + c + L"#")) << static_cast<int>(c);
  }
  // Windows drops a trailing dot or space from a plain path.
  for (const wchar_t* pattern : {L"Paket #.", L"Paket # ", L"#. .", L" "}) {
    EXPECT_TRUE(PatternEndsInDotOrSpace(pattern)) << pattern;
  }
  for (const wchar_t* pattern : {L"Paket #", L". .#", L""}) {
    EXPECT_FALSE(PatternEndsInDotOrSpace(pattern)) << pattern;
  }
}

TEST(TargetPaths, NamesWindowsKeepsForDevices) {
  for (const wchar_t* name :
       {L"CON", L"prn", L"Aux", L"NUL.txt", L"COM1", L"com9.a.b", L"LPT3", L"NUL .x", L"CON "}) {
    EXPECT_TRUE(IsDeviceName(name)) << name;
  }
  for (const wchar_t* name :
       {L"CON1", L"COM0", L"COM10", L"LPT", L"Paket 1", L"XCON", L".NUL", L"CONSOLE"}) {
    EXPECT_FALSE(IsDeviceName(name)) << name;
  }
}

}  // namespace
