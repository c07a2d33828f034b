#include "e2e/e2e_fixture.h"

#include <cstdlib>

void E2eTest::StartApp(const std::wstring& arguments) {
  ASSERT_TRUE(app_.Start(arguments, fileSizeLimit_)) << app_.Problem();
  ASSERT_TRUE(ForegroundOf(Main()));
}

HWND E2eTest::G(int gadget) const {
  if (gadget == PackageCountSpin || gadget == PackageSizeSpin) return Control(Main(), gadget, L"Edit");
  return Control(Main(), gadget);
}

void E2eTest::ChooseSource(const std::wstring& folder) {
  ClickGadget(BrowseButton);
  HWND chooser = WaitForFolderChooser(app_.Id());
  ASSERT_NE(chooser, nullptr) << "no folder chooser after the browse button";
  EXPECT_TRUE(ChooseFolder(chooser, folder)) << "the chooser never showed the folder";
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));
  std::wstring shown = folder;
  if (shown.back() != L'\\') shown += L'\\';
  ASSERT_EQ(SettledText(G(SourcePathField), shown), shown)
      << "the chosen folder, with a trailing backslash";
}

void E2eTest::ClickGadget(int gadget) {
  ForegroundOf(Main());
  Click(G(gadget));
}

void E2eTest::UseCount(int count) {
  ClickGadget(ByCountOption);
  HWND spin = G(PackageCountSpin);
  ClickGadget(PackageCountSpin);
  const int now = std::stoi(WindowText(spin));
  const WORD key = count < now ? VK_DOWN : VK_UP;
  PressKeyTimes(key, std::abs(count - now));
  ASSERT_EQ(SettledText(spin, std::to_wstring(count)), std::to_wstring(count));
}

int E2eTest::FocusedGadget(int expected) {
  return Settled([this] { return GetDlgCtrlID(FocusOf(Main())); }, expected);
}

void E2eTest::StartRun(const wchar_t* pattern, const std::wstring& destination) {
  ClickGadget(RunButton);
  HWND requester = WaitForWindow(app_.Id(), L"InputRequester", L"Bundelor");
  ASSERT_NE(requester, nullptr) << "no naming requester after the run button";
  ASSERT_TRUE(WaitFor([&] { return Control(requester, 1000) != nullptr; }));
  WaitIdle(requester);
  EXPECT_TRUE(ShowsText(requester, L"Benennung der Paket-Verzeichnisse:"));
  HWND edit = Control(requester, 10, L"Edit");
  EXPECT_EQ(WindowText(edit), L"Paket #");
  ForegroundOf(requester);
  if (pattern) {
    PressKey(VK_HOME, true);  // the caret stands after the offered text
    TypeText(pattern);
    EXPECT_EQ(SettledText(edit, pattern), pattern);
  }
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(requester); }));

  HWND chooser = WaitForFolderChooser(app_.Id());
  ASSERT_NE(chooser, nullptr) << "no destination chooser";
  EXPECT_TRUE(ShowsText(chooser, L"Speicher-Pfad der Pakete"));
  if (destination.empty()) {
    EXPECT_TRUE(CancelDialog(chooser));
  } else {
    EXPECT_TRUE(ChooseFolder(chooser, destination)) << "the chooser never showed the destination";
  }
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));
}

HWND E2eTest::ProgressWindow() const {
  for (const wchar_t* title : {L"Dateien kopieren...", L"Dateien verschieben...",
                               L"Dateien kopieren... (Abbruch l\u00e4uft...)",
                               L"Dateien verschieben... (Abbruch l\u00e4uft...)"}) {
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

std::wstring E2eTest::AnswerMessage(DWORD timeoutMs) {
  HWND box = WaitForMessageBox(app_.Id(), timeoutMs);
  if (!box) return std::wstring();
  const std::wstring text = MessageText(box);
  EXPECT_TRUE(PressButton(box, IDOK));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
  return text;
}
