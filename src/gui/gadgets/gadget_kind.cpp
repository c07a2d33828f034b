// The generic behaviour of every kind, the gadget table, and the creation and
// placing steps kinds share.
#include "gui/gadgets/gadget_kind.h"

#include "gui/core/layer_dpi.h"
#include "gui/core/layer_instance.h"
#include "gui/core/owner_call.h"
#include "gui/event_codes.h"
#include "gui/event_queue.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/keep_value.h"
#include "gui/toolbox/display_scale.h"
#include "gui/toolbox/window_text.h"
#include "gui/window_number.h"

namespace {

GadgetRecord* RecordOfControl(HWND control) {
  const int number = static_cast<int>(GetWindowLongPtrW(control, GWLP_ID));
  GadgetRecord* record = LookupGadget(number);
  return (record && record->handle == control) ? record : nullptr;
}

void ForgetControl(HWND control, GadgetRecord* record, int number) {
  record->kind->Release(*record);
  SetWindowLongPtrW(control, GWLP_ID, -1);
  GadgetTable().Free(number);
}

// Every gadget control runs through here; the previous procedure is kept in
// GWLP_USERDATA (free for applications on the standard controls) so it is
// at hand even for messages that arrive after the slot was freed.
LRESULT CALLBACK GadgetControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
  if (ServeOwnerCall(message, wParam, lParam)) return 0;
  if (GadgetRecord* record = RecordOfControl(control)) {
    const int number = static_cast<int>(GetWindowLongPtrW(control, GWLP_ID));
    if (message == WM_NCDESTROY) {
      ForgetControl(control, record, number);
    } else {
      LRESULT result = 0;
      if (record->kind->ControlMessage(number, *record, control, message, wParam, lParam,
                                       &result)) {
        return result;
      }
    }
  }
  if (!previous) return DefWindowProcW(control, message, wParam, lParam);
  return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace

void GadgetKind::WriteText(GadgetRecord& g, const wchar_t* text) const {
  SetWindowTextW(g.handle, text);
}

std::wstring GadgetKind::ReadText(GadgetRecord& g) const { return ReadWindowText(g.handle); }

void GadgetKind::Place(GadgetRecord& g, int x, int y, int width, int height) const {
  ResolvePlacement(g, &x, &y, &width, &height);
  MoveWindow(g.handle, x, y, width, height, TRUE);
}

void GadgetKind::NewFont(GadgetRecord& g, HFONT font) const {
  SendMessageW(g.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

RECT GadgetKind::CurrentRect(GadgetRecord& g) const { return ControlRectInParent(g.handle); }

int GadgetKind::OuterWidth(GadgetRecord& g) const {
  RECT r;
  return GetWindowRect(g.handle, &r) ? r.right - r.left : 0;
}

NumberTable<GadgetRecord>& GadgetTable() {
  static NumberTable<GadgetRecord> table;
  return table;
}

GadgetRecord* LookupGadget(int number) { return GadgetTable().Lookup(number); }

HWND CreateGadgetControl(const wchar_t* windowClass, const wchar_t* text, DWORD exStyle,
                         DWORD style, int x, int y, int width, int height, int id) {
  return CreateWindowExW(exStyle, windowClass, text ? text : L"", style, x, y, width, height,
                         CurrentGadgetTarget().window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), LayerInstance(),
                         nullptr);
}

GadgetRecord* AllocateGadget(int number) {
  if (GadgetRecord* old = LookupGadget(number)) {
    const HWND control = old->handle;
    DestroyWindow(control);
    // A control of another thread cannot be destroyed from here; its slot
    // is taken over all the same.
    if (LookupGadget(number) && old->handle == control) ForgetControl(control, old, number);
  }
  return GadgetTable().Allocate(number);
}

void RegisterGadget(int number, GadgetRecord* record, HWND control, const GadgetKind* kind) {
  record->kind = kind;
  record->background = -1;
  record->textColour = -1;
  record->ownerThread = GetCurrentThreadId();
  SetWindowLongPtrW(control, GWLP_USERDATA, GetWindowLongPtrW(control, GWLP_WNDPROC));
  SetWindowLongPtrW(control, GWLP_ID, number);
  record->handle = control;
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GadgetControlProc));
  GadgetTarget& target = CurrentGadgetTarget();
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(target.font), TRUE);
  target.optionGroupOpen = false;
}

HWND CreateSimpleGadget(int number, const GadgetKind* kind, const wchar_t* windowClass,
                        const wchar_t* text, DWORD exStyle, DWORD style, int x, int y, int width,
                        int height, int id) {
  if (number < 0) return nullptr;
  const int dpi = TargetDpi();
  const HWND control = CreateGadgetControl(windowClass, text, exStyle, style, ScaleForDpi(x, dpi),
                                           ScaleForDpi(y, dpi), ScaleForDpi(width, dpi),
                                           ScaleForDpi(height, dpi), id);
  if (!control) return nullptr;
  GadgetRecord* record = AllocateGadget(number);
  RegisterGadget(number, record, control, kind);
  return control;
}

int TargetDpi() { return LayerDpiOf(CurrentGadgetTarget().window); }

void QueueGadgetEvent(HWND control, int gadget, int subtype) {
  QueueAppEvent(EventGadget, gadget, LayerWindowNumberOf(control), subtype);
}

RECT ControlRectInParent(HWND control) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ResolvePlacement(GadgetRecord& g, int* x, int* y, int* width, int* height) {
  if (*x != KeepValue && *y != KeepValue && *width != KeepValue && *height != KeepValue) return;
  const RECT r = g.kind->CurrentRect(g);
  if (*x == KeepValue) *x = r.left;
  if (*y == KeepValue) *y = r.top;
  if (*width == KeepValue) *width = r.right - r.left;
  if (*height == KeepValue) *height = r.bottom - r.top;
}
