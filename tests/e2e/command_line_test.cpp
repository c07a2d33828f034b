// The program opened with a folder, as a shortcut or "Senden an" does.
#include "e2e/e2e_fixture.h"
#include "support/program_texts.h"
#include "support/temp_dir.h"

namespace {

class CommandLineTest : public E2eTest {
 protected:
  void SetUp() override {}  // each test starts the program with its own arguments
};

TEST_F(CommandLineTest, AQuotedFolderBecomesTheSourceAndLaterArgumentsAreIgnored) {
  TempDir dir;
  dir.WriteSizedFile(L"Meine Fotos\\Urlaub\\a.jpg", 100, 1);
  ASSERT_NO_FATAL_FAILURE(StartApp(L"\"" + (dir / L"Meine Fotos") + L"\" \"" + dir.Path() + L"\""));

  const std::wstring source = dir / L"Meine Fotos\\";
  EXPECT_EQ(SettledText(G(SourcePathField), source), source);
  ClickGadget(PreviewButton);
  const std::vector<std::wstring> one = PackageItems(1);
  EXPECT_EQ(SettledLines(G(PackageList), one), one);
}

TEST_F(CommandLineTest, AQuotedFolderEndingInABackslashIsThatFolder) {
  TempDir dir;
  dir.MakeFolder(L"Meine Fotos");
  const std::wstring source = dir / L"Meine Fotos\\";
  // The backslash escapes the closing quote, which then swallows what follows.
  for (const std::wstring& later : {std::wstring(), L" \"" + dir.Path() + L"\""}) {
    ASSERT_TRUE(app_.Start(L"\"" + source + L"\"" + later)) << app_.Problem();
    EXPECT_EQ(SettledText(G(SourcePathField), source), source) << later;
  }
}

TEST_F(CommandLineTest, AMissingFolderIsWarnedOfAndTheSourceStaysEmpty) {
  TempDir dir;
  const std::wstring missing = dir / L"fehlt";
  // The warning is open over the main window: no bringing it to the front.
  ASSERT_TRUE(app_.Start(L"\"" + missing + L"\"")) << app_.Problem();
  HWND box = WaitForMessageBox();
  ASSERT_NE(box, nullptr) << "no warning";
  EXPECT_EQ(MessageBoxText(box), SourceNotFound(missing));
  ASSERT_TRUE(ClickButtonAway(box, IDOK));
  EXPECT_EQ(WindowText(G(SourcePathField)), L"");
}

}  // namespace
