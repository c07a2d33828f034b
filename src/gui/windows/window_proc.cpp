#include "gui/windows/window_proc.h"

#include "gui/app_window.h"
#include "gui/core/busy.h"
#include "gui/core/event_queue.h"
#include "gui/core/event_state.h"
#include "gui/core/owner_call.h"
#include "gui/event_codes.h"
#include "gui/event_queue.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/owner_notice.h"
#include "gui/registered_messages.h"
#include "gui/windows/drop_files.h"
#include "gui/windows/focus.h"
#include "gui/windows/live_sizing.h"
#include "gui/windows/session_end.h"
#include "gui/windows/window_scale.h"
#include "gui/windows/window_table.h"

namespace {

void OnSize(HWND hwnd, int window, WPARAM kind) {
  WindowRecord* record = LookupWindow(window);
  if (record && record->handle != hwnd) return;  // a child's size is not the window's
  switch (kind) {
    case SIZE_RESTORED:
      if (record && record->minimisedOrMaximised) {
        record->minimisedOrMaximised = 0;
        QueueAppEvent(EventRestore, 0, window, 0);
      }
      QueueAppEvent(EventSize, 0, window, 0);
      break;
    case SIZE_MINIMIZED:
      if (record) record->minimisedOrMaximised = 1;
      QueueAppEvent(EventMinimize, 0, window, 0);
      break;
    case SIZE_MAXIMIZED:
      if (record) record->minimisedOrMaximised = 1;
      QueueAppEvent(EventMaximize, 0, window, 0);
      QueueAppEvent(EventSize, 0, window, 0);
      break;
    default:
      QueueAppEvent(EventSize, 0, window, 0);
      break;
  }
}

void OnActivate(HWND hwnd, int window, WPARAM wParam) {
  WindowRecord* record = LookupWindow(window);
  if (LOWORD(wParam) == WA_INACTIVE) {
    if (record) {
      const HWND focus = GetFocus();
      record->focusedControl = (focus && IsChild(hwnd, focus)) ? focus : nullptr;
    }
    return;
  }
  if (record && record->focusedControl && IsChild(hwnd, record->focusedControl)) {
    SetFocus(record->focusedControl);
  }
  QueueAppEvent(EventActivate, 0, window, 0);
}

void ApplyBounds(int window, MINMAXINFO* info) {
  const WindowRecord* record = LookupWindow(window);
  if (!record) return;
  if (record->minWidth) info->ptMinTrackSize.x = record->minWidth;
  if (record->minHeight) info->ptMinTrackSize.y = record->minHeight;
  if (record->maxWidth) info->ptMaxTrackSize.x = record->maxWidth;
  if (record->maxHeight) info->ptMaxTrackSize.y = record->maxHeight;
}

void OnControlCommand(WPARAM wParam, LPARAM lParam) {
  const int gadget = GadgetNumberOfControl(reinterpret_cast<HWND>(lParam));
  // The identifier is only 16 bits wide in the message.
  if (gadget < 0 || static_cast<WORD>(gadget) != LOWORD(wParam)) return;
  LRESULT ignored = 0;
  if (!HandleGadgetParentMessage(gadget, WM_COMMAND, wParam, lParam, &ignored)) {
    SetPendingGadgetEvent(gadget, HIWORD(wParam));
  }
}

// Messages a control sends its parent about itself; false when no gadget
// wants to answer them.
bool ForwardToGadget(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (!control) return false;
  const int gadget = GadgetNumberOfControl(control);
  return gadget >= 0 && HandleGadgetParentMessage(gadget, message, wParam, lParam, result);
}

}  // namespace

LRESULT CALLBACK LayerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ServeOwnerCall(message, wParam, lParam)) return 0;
  if (OwnerNotice::Serve(hwnd, message, wParam)) return 0;
  if (HandleLiveSizing(hwnd, message, wParam, lParam)) return 0;
  ServeRegisteredMessage(hwnd, message);
  LRESULT answer = 0;
  if (ServeSessionEnd(message, wParam, &answer)) return answer;
  const int window = LayerWindowNumberOf(hwnd);
  SetCurrentEventWindow(window);
  LRESULT result = 0;
  switch (message) {
    case WM_CLOSE:
      // Closing is up to whoever receives the event.
      QueueAppEvent(EventClose, window, window, 0);
      return 0;
    case WM_MOVE:
      QueueAppEvent(EventMove, window, window, 0);
      break;
    case WM_SIZE:
      OnSize(hwnd, window, wParam);
      break;
    case WM_ACTIVATE:
      OnActivate(hwnd, window, wParam);
      return 1;
    case WM_ERASEBKGND:
      QueueAppEvent(EventRepaint, 0, window, 0);
      break;
    case WM_GETMINMAXINFO:
      ApplyBounds(window, reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(hwnd, window, wParam, lParam);
      return 0;
    case WM_DROPFILES:
      QueueDropEvent(window, TakeDroppedPaths(reinterpret_cast<HDROP>(wParam)));
      return 0;
    case WM_SETCURSOR:
      if (KeepBusyCursor(hwnd)) return TRUE;
      break;
    case WM_COMMAND:
      if (lParam) {
        OnControlCommand(wParam, lParam);
      } else if (IsFocusCommand(wParam)) {
        MoveFocus(wParam);
      }
      return 0;
    case WM_NOTIFY:
      // Any process can send it; only a header from a control is read.
      if (lParam && ForwardToGadget(reinterpret_cast<NMHDR*>(lParam)->hwndFrom, message, wParam,
                                    lParam, &result)) {
        return result;
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      if (ForwardToGadget(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &result)) {
        return result;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}
