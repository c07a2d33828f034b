// The generic behaviour of every kind, and the placing steps kinds share.
#include "gui/gadgets/gadget_kind.h"

#include "gui/keep_value.h"
#include "gui/toolbox/window_text.h"

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
