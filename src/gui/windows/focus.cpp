// Tab and Shift+Tab between the controls of the active layer window.
#include <vector>

#include "gui/window_number.h"
#include "gui/windows/focus.h"
#include "gui/windows/window_table.h"

namespace {

constexpr WORD FocusForwards = 64001;
constexpr WORD FocusBackwards = 64002;

bool TakesTabItself(HWND control) {
  wchar_t name[32] = {};
  if (!control || !GetClassNameW(control, name, 32)) return false;
  if (_wcsicmp(name, L"msctls_hotkey32") == 0) return true;
  if (_wcsnicmp(name, L"RichEdit", 8) == 0) {
    return (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) == 0;
  }
  return false;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

bool IsCandidate(HWND hwnd) {
  return IsWindowEnabled(hwnd) && IsWindowVisible(hwnd) &&
         (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP);
}

}  // namespace

HACCEL CreateFocusAccelerators() {
  ACCEL keys[2] = {{FVIRTKEY | FNOINVERT, VK_TAB, FocusForwards},
                   {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, FocusBackwards}};
  return CreateAcceleratorTableW(keys, 2);
}

HACCEL ChooseAccelerators(HWND* target) {
  const HWND active = GetActiveWindow();
  if (!active) return nullptr;
  const WindowRecord* record = LookupWindow(LayerWindowNumberOf(active));
  if (!record || record->handle != active || TakesTabItself(GetFocus())) return nullptr;
  *target = active;
  return record->accelerators;
}

bool IsFocusCommand(WPARAM wParam) {
  return LOWORD(wParam) == FocusForwards || LOWORD(wParam) == FocusBackwards;
}

void MoveFocus(WPARAM command) {
  const HWND reference = GetActiveWindow();
  if (!reference) return;
  // The current unit: the focused control, or the composite control it is
  // part of, counted as the outermost ancestor below the window.
  HWND current = GetFocus();
  if (current && !IsChild(reference, current)) current = nullptr;
  while (current && GetParent(current) != reference) current = GetParent(current);

  std::vector<HWND> all;
  EnumChildWindows(reference, CollectChild, reinterpret_cast<LPARAM>(&all));
  const int count = static_cast<int>(all.size());
  int at = -1;
  for (int i = 0; i < count && current; ++i) {
    if (all[i] == current) at = i;
  }
  HWND target = nullptr;
  if (LOWORD(command) == FocusForwards || at < 0) {
    for (int i = at + 1; i < count && !target; ++i) {
      if (IsCandidate(all[i])) target = all[i];
    }
    for (int i = 0; i < count && !target; ++i) {  // wrap around to the first
      if (IsCandidate(all[i])) target = all[i];
    }
  } else {
    for (int i = at - 1; i >= 0 && !target; --i) {
      if (IsCandidate(all[i])) target = all[i];
    }
    for (int i = count - 1; i >= 0 && !target; --i) {  // wrap around to the last
      if (IsCandidate(all[i])) target = all[i];
    }
  }
  if (target) SetFocus(target);
}
