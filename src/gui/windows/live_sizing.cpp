// Border sizing run inside the window procedure, so that size events (and
// the program's layout) follow the pointer while the event loop keeps going;
// the system's own sizing loop would hold the loop until the button is up.
#include <windows.h>

#include <windowsx.h>

#include "gui/windows/live_sizing.h"

#include "gui/core/layer_dpi.h"
#include "gui/toolbox/display_scale.h"

namespace {

struct SizingState {
  bool active;
  HWND window;
  int edge;  // WMSZ_ code, 0 = not yet chosen (keyboard)
  RECT rect;
  POINT savedPointer;
  MINMAXINFO limits;
  bool restorePointer;
};

SizingState& Sizing() {
  thread_local SizingState state = {};
  return state;
}

bool ShowsContentsWhileDragging() {
  BOOL full = FALSE;
  return SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0) && full;
}

void FillLimits(HWND hwnd, MINMAXINFO* m) {
  *m = MINMAXINFO{};
  m->ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if (style & WS_BORDER) {
    m->ptMaxPosition = {GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
  } else if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_WINDOWEDGE) {
    m->ptMaxPosition = {GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE)};
  }
  m->ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  m->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(m));
}

void Start(HWND hwnd, WPARAM command) {
  SizingState& s = Sizing();
  s.window = hwnd;
  s.edge = static_cast<int>(command & 0xF);
  GetWindowRect(hwnd, &s.rect);
  FillLimits(hwnd, &s.limits);
  s.restorePointer = false;
  s.active = true;
  SetCapture(hwnd);
  PostMessageW(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  if (s.edge == 0) {
    GetCursorPos(&s.savedPointer);
    s.restorePointer = true;
    SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
  }
}

// Moves one edge to the pointer and keeps the size within the tracking
// limits; the opposite edge stays.
void MoveLowEdge(LONG* low, LONG high, LONG to, LONG minimum, LONG maximum) {
  *low = to;
  if (high - *low < minimum) *low = high - minimum;
  if (high - *low > maximum) *low = high - maximum;
}

void MoveHighEdge(LONG low, LONG* high, LONG to, LONG minimum, LONG maximum) {
  *high = to;
  if (*high - low < minimum) *high = low + minimum;
  if (*high - low > maximum) *high = low + maximum;
}

void Track(POINT p) {
  SizingState& s = Sizing();
  RECT& r = s.rect;
  const POINT minimum = s.limits.ptMinTrackSize, maximum = s.limits.ptMaxTrackSize;
  const int e = s.edge;
  if (e == WMSZ_LEFT || e == WMSZ_TOPLEFT || e == WMSZ_BOTTOMLEFT) {
    MoveLowEdge(&r.left, r.right, e == WMSZ_TOPLEFT ? p.x - 2 : p.x, minimum.x, maximum.x);
  }
  if (e == WMSZ_RIGHT || e == WMSZ_TOPRIGHT || e == WMSZ_BOTTOMRIGHT) {
    MoveHighEdge(r.left, &r.right, p.x + 2, minimum.x, maximum.x);
  }
  if (e == WMSZ_TOP || e == WMSZ_TOPLEFT || e == WMSZ_TOPRIGHT) {
    MoveLowEdge(&r.top, r.bottom, e == WMSZ_TOPLEFT ? p.y - 2 : p.y, minimum.y, maximum.y);
  }
  if (e == WMSZ_BOTTOM || e == WMSZ_BOTTOMLEFT || e == WMSZ_BOTTOMRIGHT) {
    MoveHighEdge(r.top, &r.bottom, p.y + 2, minimum.y, maximum.y);
  }
  SendMessageW(s.window, WM_SIZING, static_cast<WPARAM>(e), reinterpret_cast<LPARAM>(&r));
  RECT target = r;
  if (GetWindowLongW(s.window, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(s.window), reinterpret_cast<POINT*>(&target), 2);
  }
  MoveWindow(s.window, target.left, target.top, target.right - target.left,
             target.bottom - target.top, TRUE);
}

void Pick(int edge, POINT pointer, LPCWSTR shape) {
  Sizing().edge = edge;
  SetCursorPos(pointer.x, pointer.y);
  SetCursor(LoadCursorW(nullptr, shape));
}

// Arrow keys: pick an edge or corner first, then move the pointer by 10
// (at 96 DPI).
void ArrowKey(WPARAM key) {
  SizingState& s = Sizing();
  const RECT r = s.rect;
  POINT p;
  GetCursorPos(&p);
  const bool horizontal = key == VK_LEFT || key == VK_RIGHT;
  const bool towardsLow = key == VK_LEFT || key == VK_UP;
  const POINT topLeft = {r.left + 2, r.top + 2}, topRight = {r.right - 2, r.top};
  const POINT bottomLeft = {r.left, r.bottom - 2}, bottomRight = {r.right - 2, r.bottom - 2};
  switch (s.edge) {
    case 0:
      if (horizontal) {
        Pick(towardsLow ? WMSZ_LEFT : WMSZ_RIGHT, {towardsLow ? r.left : r.right - 2, p.y},
             IDC_SIZEWE);
      } else {
        Pick(towardsLow ? WMSZ_TOP : WMSZ_BOTTOM, {p.x, towardsLow ? r.top : r.bottom - 2},
             IDC_SIZENS);
      }
      return;
    case WMSZ_LEFT:
      if (horizontal) break;
      if (towardsLow)
        Pick(WMSZ_TOPLEFT, topLeft, IDC_SIZENWSE);
      else
        Pick(WMSZ_BOTTOMLEFT, bottomLeft, IDC_SIZENESW);
      return;
    case WMSZ_RIGHT:
      if (horizontal) break;
      if (towardsLow)
        Pick(WMSZ_TOPRIGHT, topRight, IDC_SIZENESW);
      else
        Pick(WMSZ_BOTTOMRIGHT, bottomRight, IDC_SIZENWSE);
      return;
    case WMSZ_TOP:
      if (!horizontal) break;
      if (towardsLow)
        Pick(WMSZ_TOPLEFT, topLeft, IDC_SIZENWSE);
      else
        Pick(WMSZ_TOPRIGHT, topRight, IDC_SIZENESW);
      return;
    case WMSZ_BOTTOM:
      if (!horizontal) break;
      if (towardsLow)
        Pick(WMSZ_BOTTOMLEFT, bottomLeft, IDC_SIZENESW);
      else
        Pick(WMSZ_BOTTOMRIGHT, bottomRight, IDC_SIZENWSE);
      return;
    default:
      break;
  }
  const int distance = ScaleForDpi(10, LayerDpiOf(s.window));
  const int step = towardsLow ? -distance : distance;
  if (horizontal)
    p.x += step;
  else
    p.y += step;
  SetCursorPos(p.x, p.y);
  Track(p);
}

bool OnKey(WPARAM key) {
  switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
      ReleaseCapture();
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      ArrowKey(key);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool HandleLiveSizing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  SizingState& s = Sizing();
  if (s.active && !IsWindow(s.window)) s.active = false;  // destroyed while sizing
  if (!s.active) {
    if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_SIZE) return false;
    if (!ShowsContentsWhileDragging()) return false;  // the system sizes the window
    Start(hwnd, wParam);
    return true;
  }
  if (hwnd != s.window) return false;
  switch (message) {
    case WM_MOUSEMOVE: {
      s.restorePointer = false;
      POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, &p);
      Track(p);
      return true;
    }
    case WM_KEYDOWN:
      return OnKey(wParam);
    case WM_LBUTTONUP:
      ReleaseCapture();
      return true;
    case WM_CAPTURECHANGED:
      PostMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
      s.active = false;
      if (s.restorePointer) SetCursorPos(s.savedPointer.x, s.savedPointer.y);
      return true;
    default:
      return false;
  }
}

bool LiveSizingTakesKey(const MSG& msg) {
  const SizingState& s = Sizing();
  if (!s.active || msg.message != WM_KEYDOWN || msg.hwnd == s.window) return false;
  return OnKey(msg.wParam);
}
