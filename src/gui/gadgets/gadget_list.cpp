// List boxes: single selection, unsorted, with the layer's own tracking of
// a click on an item (release and drag start).
#include <windows.h>

#include <windowsx.h>

#include <cstdlib>

#include "gui/core/event_queue.h"
#include "gui/event_codes.h"
#include "gui/gadget_styles.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_item_base.h"
#include "gui/toolbox/window_text.h"

namespace {

constexpr ItemMessages ListMessages = {LB_GETCURSEL,    LB_SETCURSEL,   LB_INSERTSTRING,
                                       LB_RESETCONTENT, LB_INITSTORAGE, ListItemText};

bool OnParentMessage(int gadget, GadgetRecord&, UINT message, WPARAM wParam, LPARAM, LRESULT*) {
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

bool OnControlMessage(int gadget, GadgetRecord& g, HWND control, UINT message, WPARAM wParam,
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

class ListBoxGadget final : public ItemGadgetBase {
 public:
  ListBoxGadget() : ItemGadgetBase(ListMessages) {}
  bool ParentMessage(int gadget, GadgetRecord& g, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) const override {
    return OnParentMessage(gadget, g, message, wParam, lParam, result);
  }
  bool ControlMessage(int gadget, GadgetRecord& g, HWND control, UINT message, WPARAM wParam,
                      LPARAM lParam, LRESULT* result) const override {
    return OnControlMessage(gadget, g, control, message, wParam, lParam, result);
  }
};

const GadgetKind& ListBoxKind() {
  static const ListBoxGadget kind{};
  return kind;
}

}  // namespace

HWND NewListBox(int gadget, int x, int y, int width, int height) {
  return CreateSimpleGadget(gadget, &ListBoxKind(), L"ListBox", nullptr, WS_EX_CLIENTEDGE,
                            ListBoxStyle, x, y, width, height);
}
