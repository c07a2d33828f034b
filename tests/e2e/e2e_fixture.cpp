#include "e2e/e2e_fixture.h"

#include <cstdlib>

void E2eTest::SetUp() {
  ASSERT_TRUE(app_.Start()) << app_.Problem();
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
  WaitIdle(Main());
}

void E2eTest::ClickGadget(int gadget) {
  ForegroundOf(Main());
  Click(G(gadget));
}

void E2eTest::UseCount(int count) {
  ClickGadget(ByCountOption);
  HWND spin = G(PackageCountSpin);
  ClickGadget(PackageCountSpin);
  const int now = std::stoi(Text(spin));
  const WORD key = count < now ? VK_DOWN : VK_UP;
  PressKeyTimes(key, std::abs(count - now));
  ASSERT_EQ(Text(spin), std::to_wstring(count));
}
