#include "gui/app_window.h"

#include <shellapi.h>

#include "gui/core/gui_font.h"
#include "gui/core/layer_dpi.h"
#include "gui/core/layer_instance.h"
#include "gui/core/owner_call.h"
#include "gui/core/properties.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/keep_value.h"
#include "gui/toolbox/display_scale.h"
#include "gui/toolbox/scoped.h"
#include "gui/toolbox/screen_centre.h"
#include "gui/toolbox/window_text.h"
#include "gui/windows/focus.h"
#include "gui/windows/window_proc.h"
#include "gui/windows/window_scale.h"
#include "gui/windows/window_table.h"

namespace {

struct ClassName {
  wchar_t text[32];
  explicit ClassName(int number) { wsprintfW(text, L"WindowClass_%d", number); }
};

// The layer's own bits in a flag word, besides WindowNoGadgetTarget.
constexpr unsigned PlacingBits = WindowCentreOnScreen | WindowCentreOnParent | WindowToolWindow;
static_assert(PlacingBits == 7u, "placing bits");
// A word without any bit but these gets a caption.
constexpr unsigned CaptionlessBits = WindowHidden | WindowCentreOnScreen | WindowCentreOnParent;
static_assert(~CaptionlessBits == 0xEFFFFFFCu, "bits that keep the caption off");
// A tool window has no minimise or maximise, neither as state nor as box.
constexpr DWORD ToolWindowDrops = WS_MINIMIZE | WS_MAXIMIZE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
static_assert(~ToolWindowDrops == 0xDEFCFFFFu, "styles a tool window drops");

// What a flag word asks for beyond the Windows style.
struct WindowFlags {
  DWORD style = 0;
  DWORD exStyle = 0;
  bool hidden = false;
  bool becomesTarget = true;
  bool centreOnScreen = false;
  bool centreOnParent = false;
};

WindowFlags TranslateFlags(unsigned word) {
  WindowFlags f;
  if (word & WindowNoGadgetTarget) {
    f.becomesTarget = false;
    word &= ~static_cast<unsigned>(WindowNoGadgetTarget);
  }
  if ((word & ~CaptionlessBits) == 0) word |= WS_CAPTION;
  if (word & WindowHidden) {
    f.hidden = true;
    word &= ~static_cast<unsigned>(WindowHidden);
  }
  if (word & WindowToolWindow) {
    f.exStyle = WS_EX_TOOLWINDOW;
    word &= ~ToolWindowDrops;
    word |= WS_CAPTION;
  }
  f.centreOnScreen = (word & WindowCentreOnScreen) != 0;
  f.centreOnParent = (word & WindowCentreOnParent) != 0;
  f.style = word & ~PlacingBits;
  return f;
}

// Outer position for the window; the outer size may be cut to the screen.
void PlaceNewWindow(const WindowFlags& f, HWND parent, int* x, int* y, int* outerWidth,
                    int* outerHeight) {
  if (f.centreOnScreen) {
    const RECT r = ScreenCentred(*outerWidth, *outerHeight);
    *x = r.left;
    *y = r.top;
    *outerWidth = r.right - r.left;
    *outerHeight = r.bottom - r.top;
    return;
  }
  if (f.centreOnParent) {
    const HWND reference = parent ? parent : GetActiveWindow();
    RECT r;
    if (reference && GetWindowRect(reference, &r)) {
      *x = r.left + ((r.right - r.left) - *outerWidth) / 2;
      *y = r.top + ((r.bottom - r.top) - *outerHeight) / 2;
      if (*x < 0) *x = 0;
      if (*y < 0) *y = 0;
      return;
    }
  }
  // "No position" must not reach Windows as a coordinate: it would put the
  // window far off the screen.
  if (*x == KeepValue || *y == KeepValue) *x = *y = CW_USEDEFAULT;
}

int ShowCommandFor(DWORD style) {
  if (style & WS_MAXIMIZE) return SW_MAXIMIZE;
  if (style & WS_MINIMIZE) return SW_SHOWMINIMIZED;
  return SW_SHOWNORMAL;
}

HWND OwnerOf(HWND hwnd) { return GetWindow(hwnd, GW_OWNER); }

// Outer size and position of a new window whose inner size (at 96 DPI) is
// drawn at dpi.
struct NewWindowPlace {
  int x, y, width, height;
};

NewWindowPlace PlaceAtDpi(const WindowFlags& f, HWND parent, int x, int y, int innerWidth,
                          int innerHeight, int dpi) {
  RECT outer = {0, 0, ScaleForDpi(innerWidth, dpi), ScaleForDpi(innerHeight, dpi)};
  AdjustWindowRectForDpi(&outer, f.style, FALSE, f.exStyle, dpi);
  NewWindowPlace place = {ScaleOrKeep(x, dpi), ScaleOrKeep(y, dpi), outer.right - outer.left,
                          outer.bottom - outer.top};
  PlaceNewWindow(f, parent, &place.x, &place.y, &place.width, &place.height);
  return place;
}

}  // namespace

HWND OpenAppWindow(int number, int x, int y, int innerWidth, int innerHeight, const wchar_t* title,
                   unsigned flags, HWND parent) {
  if (number < 0) return nullptr;
  if (LookupWindow(number)) CloseAppWindow(number);
  WindowRecord* record = WindowTable().Allocate(number);
  if (!record) return nullptr;

  const ClassName className(number);
  WNDCLASSW wc = {};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = LayerWindowProc;
  wc.hInstance = LayerInstance();
  wc.hIcon = LayerIcon();
  wc.hCursor = LayerCursor();
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = className.text;
  RegisterClassW(&wc);

  const WindowFlags f = TranslateFlags(flags);
  // The scale where the window will most likely stand: its parent's, else
  // the system's; checked once the window exists.
  int dpi = parent ? LayerDpiOf(parent) : SystemDpi();
  NewWindowPlace place = PlaceAtDpi(f, parent, x, y, innerWidth, innerHeight, dpi);
  const HWND hwnd =
      CreateWindowExW(f.exStyle, className.text, title ? title : L"", f.style, place.x, place.y,
                      place.width, place.height, parent, nullptr, LayerInstance(), nullptr);
  if (!hwnd) {
    UnregisterClassW(className.text, LayerInstance());
    WindowTable().Free(number);
    return nullptr;
  }
  if (WindowDpi(hwnd) != dpi) {
    dpi = WindowDpi(hwnd);
    place = PlaceAtDpi(f, parent, x, y, innerWidth, innerHeight, dpi);
    const bool centred = f.centreOnScreen || f.centreOnParent;
    SetWindowPos(hwnd, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (centred ? 0u : static_cast<UINT>(SWP_NOMOVE)));
  }
  SetLayerDpi(hwnd, dpi);
  record->ownerThread = GetCurrentThreadId();
  record->font = AcquireGuiFont(dpi);
  for (int& bound : record->innerBounds) bound = KeepValue;
  record->handle = hwnd;
  SetPropW(hwnd, WindowNumberProperty(),
           reinterpret_cast<HANDLE>(static_cast<INT_PTR>(number) + 1));
  if (!f.hidden) ShowWindow(hwnd, ShowCommandFor(f.style));
  record->minimisedOrMaximised = (f.style & (WS_MINIMIZE | WS_MAXIMIZE)) != 0;
  record->accelerators = CreateFocusAccelerators();
  if (f.becomesTarget) {
    GadgetTarget& target = CurrentGadgetTarget();
    target.window = hwnd;
    target.font = record->font;
    target.optionGroupOpen = false;
  }
  return hwnd;
}

void CloseAppWindow(int number) {
  WindowRecord* record = LookupWindow(number);
  if (!record) return;
  // Only the owning thread can destroy the window.
  if (record->ownerThread != GetCurrentThreadId()) {
    RunOnOwner(record->handle, record->ownerThread, [number] { CloseAppWindow(number); });
    return;
  }
  const HWND hwnd = record->handle;
  if (HWND owner = OwnerOf(hwnd)) SetActiveWindow(owner);
  RemovePropW(hwnd, WindowNumberProperty());
  DestroyWindow(hwnd);
  UnregisterClassW(ClassName(number).text, LayerInstance());
  // The record is plain data in the table; its keys are freed by their owner here.
  const ScopedAccelerators keys(record->accelerators);
  ReleaseGuiFont(record->font);
  GadgetTarget& target = CurrentGadgetTarget();
  if (target.window == hwnd) {
    target.window = nullptr;
    target.font = nullptr;  // the default font again
  }
  WindowTable().Free(number);
}

void SetAppWindowHidden(int number, int hidden) {
  WindowRecord* record = LookupWindow(number);
  if (!record) return;
  const HWND hwnd = record->handle;
  RunOnOwner(hwnd, record->ownerThread, [hwnd, hidden] {
    if (hidden) {
      if (HWND owner = OwnerOf(hwnd)) SetActiveWindow(owner);
      ShowWindow(hwnd, SW_HIDE);
    } else if (IsZoomed(hwnd)) {
      ShowWindow(hwnd, SW_MAXIMIZE);
    } else if (IsIconic(hwnd)) {
      ShowWindow(hwnd, SW_SHOWMINIMIZED);
    } else {
      ShowWindow(hwnd, SW_SHOWNORMAL);
    }
  });
}

HWND AppWindowHandle(int number) {
  const WindowRecord* record = LookupWindow(number);
  return record ? record->handle : nullptr;
}

// Sizes are read back at 96 DPI, the unit the program's numbers are in.
int AppWindowInnerWidth(int number) {
  const WindowRecord* record = LookupWindow(number);
  RECT r;
  if (!record || !GetClientRect(record->handle, &r)) return 0;
  return UnscaleForDpi(r.right - r.left, LayerDpiOf(record->handle));
}

int AppWindowInnerHeight(int number) {
  const WindowRecord* record = LookupWindow(number);
  RECT r;
  if (!record || !GetClientRect(record->handle, &r)) return 0;
  int height = r.bottom - r.top;
  if (GetMenu(record->handle)) height += GetSystemMetrics(SM_CYMENU);
  return UnscaleForDpi(height, LayerDpiOf(record->handle));
}

void SetAppWindowBounds(int number, int minWidth, int minHeight, int maxWidth, int maxHeight) {
  WindowRecord* record = LookupWindow(number);
  if (!record) return;
  const int given[4] = {minWidth, minHeight, maxWidth, maxHeight};
  for (int i = 0; i < 4; ++i) {
    if (given[i] != KeepValue) record->innerBounds[i] = given[i];
  }
  StoreOuterBounds(*record);
}

std::wstring GetAppWindowTitle(int number) {
  const WindowRecord* record = LookupWindow(number);
  if (!record) return std::wstring();
  return ReadWindowText(record->handle);
}

void SetAppWindowTitle(int number, const wchar_t* title) {
  const WindowRecord* record = LookupWindow(number);
  if (record && title) SetWindowTextW(record->handle, title);
}

void AcceptDroppedFiles(int number, bool accept) {
  if (const WindowRecord* record = LookupWindow(number)) DragAcceptFiles(record->handle, accept);
}
