#include <windows.h>

#include "gui/requesters.h"

namespace {

BOOL CALLBACK DismissRequester(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  // A question with "Ja" and "Nein" ignores a close request: it is answered "Nein".
  if (GetDlgItem(window, IDNO)) PostMessageW(window, WM_COMMAND, IDNO, 0);
  PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

void DismissRequestersOf(DWORD threadId) { EnumThreadWindows(threadId, DismissRequester, 0); }
