#include "gui/session_end.h"

#include "gui/windows/session_end.h"

namespace {
SessionQuery sessionQuery = nullptr;
SessionEnd sessionEnd = nullptr;
}  // namespace

void SetSessionEndHandlers(SessionQuery query, SessionEnd end) {
  sessionQuery = query;
  sessionEnd = end;
}

bool ServeSessionEnd(UINT message, WPARAM wParam, LRESULT* result) {
  if (message == WM_QUERYENDSESSION) {
    *result = !sessionQuery || sessionQuery() ? TRUE : FALSE;
    return true;
  }
  if (message == WM_ENDSESSION) {
    if (sessionEnd) sessionEnd(wParam != FALSE);
    *result = 0;
    return true;
  }
  return false;
}
