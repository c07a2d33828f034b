// A preview that scans for seconds: the window shows that it works and does
// not pass for hung.
#include <algorithm>

#include "e2e/e2e_fixture.h"
#include "support/narrow.h"
#include "support/program_file.h"
#include "support/program_texts.h"
#include "support/shown_cursor.h"
#include "support/unix_side.h"

namespace {

class LongPreviewTest : public E2eTest {
 protected:
  void SetUp() override {}  // started with the big tree as its source
};

HCURSOR CursorShown() {
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

bool AnyIn(const std::vector<std::string>& frames, const std::vector<std::string>& known) {
  return std::any_of(frames.begin(), frames.end(), [&](const std::string& frame) {
    return std::binary_search(known.begin(), known.end(), frame);
  });
}

TEST_F(LongPreviewTest, TheWaitCursorShowsAndTheThreadAnswersWithinASecond) {
  // Thousands of folders, written by the test set-up (ctest fixture busy_tree).
  const std::wstring tree = BuildTreeFile(L"e2e-busy-tree");
  ASSERT_NE(GetFileAttributesW(tree.c_str()), INVALID_FILE_ATTRIBUTES)
      << "no tree at " << Narrow(tree) << ": run through ctest";
  // Windows shares system cursors between processes: the program's handle is
  // this process's. Wine loads one copy per process and cannot read another
  // process's: there the screen's pictures of the pointer are compared with
  // those of this process's own wait cursor (all frames of its animation).
  const bool wine = !UnixPath(L"C:\\").empty();
  std::vector<std::string> waitFrames;
  if (wine) {
    waitFrames = SystemCursorFrames(IDC_WAIT, 1500);
    ASSERT_FALSE(waitFrames.empty()) << "the X server's pointer could not be read";
  }
  ASSERT_NO_FATAL_FAILURE(StartApp(L"\"" + tree + L"\""));

  // The mouse rests on the button from before the click to after the preview.
  const RECT button = ClientRectOnScreen(G(PreviewButton));
  SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  Sleep(100);
  WaitIdle(Main());
  const HCURSOR before = CursorShown();
  // A click that does not wait for the program to be idle again.
  PostMessageW(G(PreviewButton), BM_CLICK, 0, 0);
  HCURSOR busy = before;
  ASSERT_TRUE(WaitFor([&] { return (busy = CursorShown()) != before; }, 5000))
      << "the cursor did not change";
  if (wine) {
    const std::vector<std::string> shown = ShownCursorFrames(300);
    const bool stillBusy = CursorShown() == busy;
    EXPECT_TRUE(AnyIn(shown, waitFrames))
        << "the screen showed another cursor, " << shown.size() << " pictures";
    // Only while the scan went on is every picture one of the wait cursor's.
    if (stillBusy) {
      EXPECT_TRUE(std::includes(waitFrames.begin(), waitFrames.end(), shown.begin(), shown.end()))
          << "the screen showed another cursor beside the wait cursor";
    }
  } else {
    EXPECT_EQ(busy, LoadCursorW(nullptr, IDC_WAIT));
  }

  int answers = 0;
  const DWORD start = GetTickCount();
  do {
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutW(Main(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result), 0)
        << "no answer within 1 s after " << answers << " answers";
    ++answers;
    Sleep(50);
  } while (SendWithin(G(PackageList), LB_GETCOUNT, 0, 0) == 0 && GetTickCount() - start < 120000);
  const std::vector<std::wstring> one = PackageItems(1);
  ASSERT_EQ(SettledLines(G(PackageList), one), one);
  EXPECT_GE(answers, 3) << "the preview was too short to show anything";
  EXPECT_EQ(Settled(CursorShown, before), before) << "the cursor comes back at the end";
}

}  // namespace
