// Folders and files dropped on the main window, built as the shell's drop
// target builds them in the receiving process.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "app/main_window.h"
#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "support/program_env.h"
#include "support/system_folder_views.h"
#include "support/temp_dir.h"

namespace {

// Posts WM_DROPFILES with a DROPFILES block of the paths, runs the loop, and
// returns the block (freed by then if the program released it).
HGLOBAL Drop(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  const HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  PostMessageW(AppWindowHandle(MainWindow), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  RunLoopFor(60);
  return block;
}

TEST(DropTest, TheFirstDroppedFolderBecomesTheSourceAndFilesAloneChangeNothing) {
  TempDir dir;
  dir.WriteFile(L"a.txt", "x");
  dir.MakeFolder(L"Fotos");
  dir.MakeFolder(L"Musik");
  EXPECT_NE(GetWindowLongW(AppWindowHandle(MainWindow), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);

  SetSource(L"");
  Drop({dir / L"a.txt"});
  EXPECT_EQ(ReadText(SourcePathField), L"");
  const HGLOBAL block = Drop({dir / L"a.txt", dir / L"Fotos", dir / L"Musik"});
  EXPECT_EQ(ReadText(SourcePathField), dir / L"Fotos\\") << "as the folder chooser gives it";
  EXPECT_EQ(GlobalSize(block), 0u) << "the drop handle was not released";
  RestoreStartSettings();
}

// Under WoW64 a folder that only System32 itself holds is found, not looked
// for in SysWOW64 (the command line's folder is checked the same way).
TEST(DropTest, AFolderOnlyTheRealSystemFolderHoldsIsTakenUnderWow64) {
  const SystemFolderViews views = ViewsOfSystemFolder();
  if (!views.untestable.empty()) GTEST_SKIP() << views.untestable;
  const TempDir native(views.native + L"\\");
  const std::wstring named = views.named + native.Path().substr(native.Path().rfind(L'\\'));
  SetSource(L"");
  Drop({named});
  EXPECT_EQ(ReadText(SourcePathField), named + L"\\");
  RestoreStartSettings();
}

}  // namespace
