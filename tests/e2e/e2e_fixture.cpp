#include "e2e/e2e_fixture.h"

#include <cstdlib>

void E2eTest::StartApp(const std::wstring& arguments) {
  ASSERT_TRUE(app_.Start(arguments, fileSizeLimit_)) << app_.Problem();
  ASSERT_TRUE(ForegroundOf(Main()));
}

HWND E2eTest::G(int gadget) const {
  const bool spin = gadget == PackageCountSpin || gadget == PackageSizeSpin;
  return FindDescendant(Main(), spin ? L"Edit" : nullptr, gadget);
}

void E2eTest::ChooseSource(const std::wstring& folder) {
  ClickGadget(BrowseButton);
  HWND chooser = WaitForFolderChooser(app_.Id());
  ASSERT_NE(chooser, nullptr) << "no folder chooser after the browse button";
  EXPECT_TRUE(SelectFolder(chooser, folder)) << "the chooser never showed the folder";
  ASSERT_TRUE(ClickButtonAway(chooser, IDOK));
  std::wstring shown = folder;
  if (shown.back() != L'\\') shown += L'\\';
  ASSERT_EQ(SettledText(G(SourcePathField), shown), shown)
      << "the chosen folder, with a trailing backslash";
}

void E2eTest::ClickGadget(int gadget) {
  ForegroundOf(Main());
  Click(G(gadget));
}

void E2eTest::ChooseOption(int gadget) {
  const auto checked = [&] { return SendMessageW(G(gadget), BM_GETCHECK, 0, 0) == BST_CHECKED; };
  for (int attempt = 0; attempt < 3 && !checked(); ++attempt) {
    ClickGadget(gadget);
    WaitFor(checked, 2000);
  }
  ASSERT_TRUE(checked()) << "option " << gadget << " did not take the click";
}

void E2eTest::UseCount(int count) {
  ASSERT_NO_FATAL_FAILURE(ChooseOption(ByCountOption));
  HWND spin = G(PackageCountSpin);
  ClickGadget(PackageCountSpin);
  const int now = std::stoi(WindowText(spin));
  const WORD key = count < now ? VK_DOWN : VK_UP;
  KeyStrokes(key, std::abs(count - now));
  ASSERT_EQ(SettledText(spin, std::to_wstring(count)), std::to_wstring(count));
}

int E2eTest::FocusedGadget(int expected) {
  return Settled([this] { return ::FocusedGadget(Main()); }, expected);
}

void E2eTest::StartRun(const wchar_t* pattern, const std::wstring& destination) {
  ClickGadget(RunButton);
  HWND requester = WaitForWindow(app_.Id(), TextRequesterClass, ProgramCaption);
  ASSERT_NE(requester, nullptr) << "no naming requester after the run button";
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(requester, TextRequesterOk) != nullptr; }));
  WaitIdle(requester);
  EXPECT_TRUE(ShowsText(requester, NamingPrompt));
  HWND edit = FindDescendant(requester, L"Edit", TextRequesterEntry);
  EXPECT_EQ(WindowText(edit), DefaultPattern);
  ForegroundOf(requester);
  if (pattern) {
    KeyStroke(VK_HOME, VK_SHIFT);  // the caret stands after the offered text
    TypeChars(pattern);
    EXPECT_EQ(SettledText(edit, pattern), pattern);
  }
  KeyStroke(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(requester); }));

  HWND chooser = WaitForFolderChooser(app_.Id());
  ASSERT_NE(chooser, nullptr) << "no destination chooser";
  EXPECT_TRUE(ShowsText(chooser, DestinationPrompt));
  if (!destination.empty()) {
    EXPECT_TRUE(SelectFolder(chooser, destination)) << "the chooser never showed the destination";
  }
  ASSERT_TRUE(ClickButtonAway(chooser, destination.empty() ? IDCANCEL : IDOK));
}

HWND E2eTest::ProgressWindow() const {
  for (const wchar_t* title : {CopyTitle, MoveTitle, CopyCancellingTitle, MoveCancellingTitle}) {
    // The window exists hidden before its first file: look past visibility.
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, nullptr, title)) != nullptr) {
      DWORD process = 0;
      GetWindowThreadProcessId(found, &process);
      if (process == app_.Id()) return found;
    }
  }
  return nullptr;
}

bool E2eTest::WaitForRunEnd(DWORD timeoutMs) const {
  return WaitFor([this] { return ProgressWindow() == nullptr; }, timeoutMs);
}

HWND E2eTest::WaitForMessageBox(DWORD timeoutMs, int button) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        found = FindProcessWindow(app_.Id(), L"#32770", ProgramCaption);
        return found && GetDlgItem(found, 0xFFFF) && GetDlgItem(found, button);
      },
      timeoutMs);
  if (found) WaitIdle(found);
  return found;
}

std::wstring E2eTest::AnswerMessage(DWORD timeoutMs) {
  HWND box = WaitForMessageBox(timeoutMs);
  if (!box) return std::wstring();
  const std::wstring text = MessageBoxText(box);
  EXPECT_TRUE(ClickButtonAway(box, IDOK));
  return text;
}

bool E2eTest::PressInDialog(int button, DWORD timeoutMs) {
  HWND dialog = nullptr;
  WaitFor(
      [&] {
        dialog = FindProcessWindow(app_.Id(), L"#32770", ProgramCaption);
        return dialog && FindDescendant(dialog, nullptr, button);
      },
      timeoutMs);
  if (!dialog) return false;
  WaitIdle(dialog);
  return ClickButtonAway(dialog, button);
}
