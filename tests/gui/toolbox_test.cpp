#include <windows.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gui/toolbox/fs_redirection.h"
#include "gui/toolbox/scoped.h"
#include "gui/toolbox/window_text.h"
#include "support/system_folder_views.h"
#include "support/temp_dir.h"

namespace {

bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

TEST(Scoped, FreesEachHandleOnceWhereverItWasMoved) {
  const HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const HANDLE second = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_TRUE(first && second);
  {
    std::vector<ScopedHandle> owners;
    owners.emplace_back(first);
    owners.emplace_back(second);  // moves the first owner to a new array
    ScopedHandle taken(std::move(owners[0]));
    EXPECT_FALSE(owners[0].Valid());
    owners.erase(owners.begin());  // move-assigns the second owner down
    EXPECT_TRUE(IsOpen(first) && IsOpen(second));
    EXPECT_EQ(taken.Get(), first);
    EXPECT_EQ(owners[0].Get(), second);
  }
  EXPECT_FALSE(IsOpen(first));
  EXPECT_FALSE(IsOpen(second));

  const HANDLE kept = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ScopedHandle owner(kept);
  EXPECT_EQ(owner.Release(), kept);
  owner.Reset();
  EXPECT_TRUE(IsOpen(kept)) << "a released handle is the caller's";
  owner.Reset(kept);
  owner.Reset();
  EXPECT_FALSE(IsOpen(kept));

  ScopedFileHandle none(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(none.Valid());
}

TEST(WindowText, ReadsWholeTextsAndNothingForMissingItems) {
  const std::wstring longText(5000, L'\u00e4');
  const HWND list = CreateWindowExW(0, L"ListBox", L"", LBS_HASSTRINGS, 0, 0, 100, 100, nullptr,
                                    nullptr, nullptr, nullptr);
  const HWND box = CreateWindowExW(0, L"ComboBox", L"", CBS_DROPDOWNLIST, 0, 0, 100, 100, nullptr,
                                   nullptr, nullptr, nullptr);
  ASSERT_TRUE(list && box);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longText.c_str()));
  SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Eins"));
  EXPECT_EQ(ListItemText(list, 0), longText);
  EXPECT_EQ(ListItemText(list, 1), L"");
  EXPECT_EQ(ComboItemText(box, 0), L"Eins");
  EXPECT_EQ(ComboItemText(box, -1), L"");
  SetWindowTextW(list, longText.c_str());
  EXPECT_EQ(ReadWindowText(list), longText);
  EXPECT_EQ(ReadWindowText(nullptr), L"");
  DestroyWindow(list);
  DestroyWindow(box);
}

// Under WoW64 the redirection is off only around calls on paths in the
// system folder: a copy elsewhere that loads a DLL gets the 32-bit one.
TEST(FsRedirectionOff, OnlyForPathsInTheSystemFolder) {
  const SystemFolderViews views = ViewsOfSystemFolder();
  if (!views.untestable.empty()) GTEST_SKIP() << views.untestable;
  const TempDir native(views.native + L"\\");  // in System32 only, not in SysWOW64
  const std::wstring named = views.named + native.Path().substr(native.Path().rfind(L'\\'));
  const auto seen = [&] { return GetFileAttributesW(named.c_str()) != INVALID_FILE_ATTRIBUTES; };
  EXPECT_FALSE(seen()) << "redirected by default";
  {
    const FsRedirectionOff off({L"C:\\elsewhere\\a.txt", L"\\\\?\\D:\\b.txt"});
    EXPECT_FALSE(seen()) << "no path in the system folder";
  }
  {
    const FsRedirectionOff off({L"C:\\elsewhere\\a.txt", L"\\\\?\\" + named + L"\\b.txt"});
    EXPECT_TRUE(seen()) << "a target in the system folder";
  }
  EXPECT_FALSE(seen()) << "redirected again afterwards";
}

}  // namespace
