// List boxes: single selection, unsorted, with the layer's own tracking of
// a click on an item (release and drag start).
#include <windows.h>

#include <windowsx.h>

#include <cstdlib>

#include "gui/event_codes.h"
#include "gui/gadget_internal.h"
#include "gui/gadgets.h"
#include "gui/layer_internal.h"

namespace {

std::wstring ReadSelectedText(GadgetRecord& g) {
  const LRESULT index = SendMessageW(g.handle, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return std::wstring();
  const LRESULT length = SendMessageW(g.handle, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(g.handle, LB_GETTEXT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

int ReadSelection(GadgetRecord& g) {
  return static_cast<int>(SendMessageW(g.handle, LB_GETCURSEL, 0, 0));
}

void WriteSelection(GadgetRecord& g, int value) {
  SendMessageW(g.handle, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void Insert(GadgetRecord& g, int position, const wchar_t* text) {
  SendMessageW(g.handle, LB_INSERTSTRING, static_cast<WPARAM>(position),
               reinterpret_cast<LPARAM>(text));
}

void Clear(GadgetRecord& g) { SendMessageW(g.handle, LB_RESETCONTENT, 0, 0); }

bool ParentMessage(int gadget, GadgetRecord&, UINT message, WPARAM wParam, LPARAM, LRESULT*) {
  if (message != WM_COMMAND) return false;
  switch (HIWORD(wParam)) {
    case LBN_SELCHANGE:
      SetPendingGadgetEvent(gadget, 0);
      return true;
    case LBN_DBLCLK:
      return false;  // the generic event, subtype LBN_DBLCLK
    default:
      return true;  // no event for the other notifications
  }
}

void EndPress(GadgetRecord& g, HWND control, int gadget, int subtype) {
  g.pressed = FALSE;
  ReleaseCapture();
  QueueGadgetEvent(control, gadget, subtype);
}

bool ControlMessage(int gadget, GadgetRecord& g, HWND control, UINT message, WPARAM wParam,
                    LPARAM lParam, LRESULT*) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (!(wParam & (MK_SHIFT | MK_CONTROL)) &&
          HIWORD(SendMessageW(control, LB_ITEMFROMPOINT, 0, lParam)) == 0) {
        g.pressed = TRUE;
        g.pressPoint.x = GET_X_LPARAM(lParam);
        g.pressPoint.y = GET_Y_LPARAM(lParam);
        SetCapture(control);
      }
      break;
    case WM_LBUTTONUP:
      if (g.pressed) EndPress(g, control, gadget, 0);
      break;
    case WM_MOUSEMOVE:
      if (g.pressed &&
          (std::abs(GET_X_LPARAM(lParam) - g.pressPoint.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(GET_Y_LPARAM(lParam) - g.pressPoint.y) > GetSystemMetrics(SM_CYDRAG))) {
        EndPress(g, control, gadget, SubtypeDragStart);
      }
      break;
    default:
      break;
  }
  return false;  // the list box sees every message as usual
}

}  // namespace

const GadgetKind& ListBoxKind() {
  static const GadgetKind kind = [] {
    GadgetKind k = {};
    k.readText = ReadSelectedText;
    k.readState = ReadSelection;
    k.writeState = WriteSelection;
    k.insertItem = Insert;
    k.clearItems = Clear;
    k.parentMessage = ParentMessage;
    k.controlMessage = ControlMessage;
    k.initStorageMessage = LB_INITSTORAGE;
    return k;
  }();
  return kind;
}

HWND NewListBox(int gadget, int x, int y, int width, int height) {
  return CreateSimpleGadget(gadget, &ListBoxKind(), L"ListBox", nullptr, WS_EX_CLIENTEDGE,
                            0x50330141u, x, y, width, height);
}
