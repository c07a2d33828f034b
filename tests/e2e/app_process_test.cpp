// The kit's own process handling: the program it starts is the one asked for.
#include "e2e/e2e_fixture.h"
#include "support/temp_dir.h"

namespace {

class AppProcessTest : public E2eTest {
 protected:
  void SetUp() override {}  // the test starts the program itself
};

TEST_F(AppProcessTest, ArgumentsPassUnderALimitAndAStartEndsTheProgramBefore) {
  TempDir dir;
  dir.MakeFolder(L"Quelle");
  const std::wstring argument = L"\"" + (dir / L"Quelle") + L"\"";
  const std::wstring source = dir / L"Quelle\\";
  ASSERT_TRUE(app_.Start(argument, 1 << 20)) << app_.Problem();
  EXPECT_EQ(SettledText(G(SourcePathField), source), source) << "the argument was dropped";

  const HANDLE first = app_.Handle();
  const DWORD firstId = app_.Id();
  const HWND firstMain = Main();
  ASSERT_TRUE(app_.Start(argument)) << app_.Problem();
  EXPECT_FALSE(IsWindow(firstMain)) << "the first program still runs";
  // A closed handle names no process, or the new one when its slot is reused.
  EXPECT_NE(GetProcessId(first), firstId) << "the first program's handle was kept";
  EXPECT_EQ(SettledText(G(SourcePathField), source), source);
}

}  // namespace
