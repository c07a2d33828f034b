#include <windows.h>

#include <commctrl.h>

#include "gui/core/layer_dpi.h"
#include "gui/core/layer_instance.h"
#include "gui/core/owner_call.h"
#include "gui/core/properties.h"
#include "gui/event_codes.h"
#include "gui/event_queue.h"
#include "gui/gadgets/gadget_kind.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/toolbox/display_scale.h"
#include "gui/window_number.h"

namespace {

HFONT defaultFont = nullptr;

GadgetRecord* RecordOfControl(HWND control) {
  const int number = static_cast<int>(GetWindowLongPtrW(control, GWLP_ID));
  GadgetRecord* record = LookupGadget(number);
  return (record && record->handle == control) ? record : nullptr;
}

void ForgetControl(HWND control, GadgetRecord* record, int number) {
  record->kind->Release(*record);
  RemovePropW(control, GadgetNumberProperty());
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

GadgetTarget& CurrentGadgetTarget() {
  thread_local GadgetTarget target = {nullptr, false, nullptr};
  if (!target.font) target.font = defaultFont;
  return target;
}

NumberTable<GadgetRecord>& GadgetTable() {
  static NumberTable<GadgetRecord> table;
  return table;
}

GadgetRecord* LookupGadget(int number) { return GadgetTable().Lookup(number); }

void InitGadgetPart() {
  GadgetTable();
  defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // The common controls the kinds use, and some that programs may add.
  constexpr DWORD Classes = ICC_TAB_CLASSES | ICC_HOTKEY_CLASS | ICC_DATE_CLASSES |
                            ICC_USEREX_CLASSES | ICC_INTERNET_CLASSES;
  static_assert(Classes == 0x0B48, "common control classes");
  INITCOMMONCONTROLSEX classes = {sizeof(classes), Classes};
  InitCommonControlsEx(&classes);
}

void ShutDownGadgetPart() {
  // Controls die with their windows; what is left is a control whose window
  // belongs to nobody in the layer.
  NumberTable<GadgetRecord>& table = GadgetTable();
  for (int number = 0; number < table.Capacity(); ++number) {
    if (GadgetRecord* record = table.Lookup(number)) DestroyWindow(record->handle);
  }
}

int GadgetNumberOfControl(HWND control) {
  const INT_PTR value = reinterpret_cast<INT_PTR>(GetPropW(control, GadgetNumberProperty()));
  return value ? static_cast<int>(value - 1) : -1;
}

bool HandleGadgetParentMessage(int gadget, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* result) {
  GadgetRecord* record = LookupGadget(gadget);
  return record && record->kind->ParentMessage(gadget, *record, message, wParam, lParam, result);
}

void RescaleGadgets(HWND window, int oldDpi, int newDpi, HFONT font) {
  NumberTable<GadgetRecord>& table = GadgetTable();
  for (int number = 0; number < table.Capacity(); ++number) {
    GadgetRecord* g = table.Lookup(number);
    if (!g || !IsChild(window, g->handle)) continue;
    // Read before the font changes it (a combo box sizes itself to its font).
    const RECT r = g->kind->CurrentRect(*g);
    const int x = UnscaleForDpi(r.left, oldDpi), y = UnscaleForDpi(r.top, oldDpi);
    const int width = UnscaleForDpi(r.right - r.left, oldDpi);
    const int height = UnscaleForDpi(r.bottom - r.top, oldDpi);
    g->kind->NewFont(*g, font);
    g->kind->Place(*g, ScaleForDpi(x, newDpi), ScaleForDpi(y, newDpi), ScaleForDpi(width, newDpi),
                   ScaleForDpi(height, newDpi));
  }
}

int TargetDpi() { return LayerDpiOf(CurrentGadgetTarget().window); }

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

void MarkGadgetControl(HWND control, int number) {
  SetWindowLongPtrW(control, GWLP_ID, number);
  SetPropW(control, GadgetNumberProperty(),
           reinterpret_cast<HANDLE>(static_cast<INT_PTR>(number) + 1));
}

void RegisterGadget(int number, GadgetRecord* record, HWND control, const GadgetKind* kind) {
  record->kind = kind;
  record->background = -1;
  record->textColour = -1;
  record->ownerThread = GetCurrentThreadId();
  record->previousProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record->previousProc));
  MarkGadgetControl(control, number);
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

void QueueGadgetEvent(HWND control, int gadget, int subtype) {
  QueueAppEvent(EventGadget, gadget, LayerWindowNumberOf(control), subtype);
}
