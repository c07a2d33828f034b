#include "gui/requesters.h"
#include "gui/requesters/requester_owner.h"

int RequestMessage(const wchar_t* caption, const wchar_t* text, unsigned flags) {
  DisableThreadWindows();
  // The box is modal to its owner; the flags pick its icon and buttons.
  const int answer =
      MessageBoxW(RequesterOwner(), text ? text : L"", caption ? caption : L"", flags);
  EnableThreadWindows();
  return answer;
}
