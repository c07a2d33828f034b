#include <windows.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gui/toolbox/scoped.h"
#include "gui/toolbox/window_text.h"

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

}  // namespace
