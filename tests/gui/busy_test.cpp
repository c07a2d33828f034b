// The wait cursor of a long task on the windows' thread.
#include <windows.h>

#include "gui/busy.h"
#include "gui_test_support.h"

namespace {

using BusyCursorTest = GadgetTest;

TEST_F(BusyCursorTest, HoldsTheWaitCursorOverEnabledWindowsUntilItEnds) {
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  const WPARAM over = reinterpret_cast<WPARAM>(window_);
  const LPARAM moved = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  SetCursor(arrow);
  {
    const BusyCursor busy;
    EXPECT_EQ(GetCursor(), wait);
    SetCursor(arrow);
    SendMessageW(window_, WM_SETCURSOR, over, moved);
    EXPECT_EQ(GetCursor(), wait) << "the mouse moved";
    EnableWindow(window_, FALSE);  // as while a requester waits for the user
    SendMessageW(window_, WM_SETCURSOR, over, moved);
    EXPECT_EQ(GetCursor(), arrow) << "over a disabled window";
    EnableWindow(window_, TRUE);
  }
  EXPECT_EQ(GetCursor(), arrow) << "the cursor from before comes back";
}

}  // namespace
