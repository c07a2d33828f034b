#include "support/find.h"

#include <cwchar>

#include "support/wait.h"
#include "support/window_text.h"

namespace {

struct TopWindows {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TopWindows*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

struct DescendantSearch {
  const wchar_t* className;
  int id;
  HWND found;
};

BOOL CALLBACK VisitDescendant(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<DescendantSearch*>(data);
  if (search->id != -1 && GetDlgCtrlID(child) != search->id) return TRUE;
  if (search->className && _wcsicmp(ClassNameOf(child).c_str(), search->className) != 0)
    return TRUE;
  search->found = child;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopWindows(DWORD processId) {
  TopWindows search{processId, {}};
  EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
  for (HWND window : VisibleTopWindows(processId)) {
    if (className && ClassNameOf(window) != className) continue;
    if (title && WindowText(window) != title) continue;
    return window;
  }
  return nullptr;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title,
                   DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindProcessWindow(processId, className, title)) != nullptr; },
          timeoutMs);
  return found;
}

HWND FindDescendant(HWND parent, const wchar_t* className, int id) {
  DescendantSearch search{className, id, nullptr};
  EnumChildWindows(parent, VisitDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ShowsText(HWND window, const std::wstring& text) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    if (WindowText(child) == text) return true;
  }
  return false;
}
