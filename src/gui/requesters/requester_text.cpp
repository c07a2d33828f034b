#include <windows.h>

#include <string>
#include <utility>

#include "gui/core/dpi_changed.h"
#include "gui/core/gui_font.h"
#include "gui/core/layer_instance.h"
#include "gui/requesters.h"
#include "gui/requesters/requester_owner.h"
#include "gui/toolbox/display_scale.h"
#include "gui/toolbox/scoped.h"
#include "gui/toolbox/screen_centre.h"
#include "gui/toolbox/window_text.h"

namespace {

// Sizes and places at 96 DPI; the window's outer size first.
constexpr int Width = 300;
constexpr int Height = 130;
struct Place {
  int x, y, width, height;
};
constexpr Place PromptPlace = {10, 10, 280, 22};
constexpr Place EntryPlace = {10, 32, 275, 21};
constexpr Place OkPlace = {110, 67, 80, 25};

// Everything one open requester needs; it lives on the calling thread's stack
// and the window finds it through its user data, so two requesters on two
// threads never share state.
struct InputRequesterState {
  HWND owner = nullptr;
  bool disabledOwner = false;
  HWND prompt = nullptr;
  HWND entry = nullptr;
  HWND okButton = nullptr;
  bool finished = false;
  bool hasResult = false;
  std::wstring result;
  int dpi = BaseDpi;  // the display scale the children are laid out for
  ScopedGuiFont font;
};

// The class exists only while a requester is open. UnregisterClassW fails
// while a window of the class exists (also during its WM_DESTROY), so the
// class is dropped after the window is gone, and counted in case two
// threads have a requester open at once.
class InputRequesterClass {
 public:
  explicit InputRequesterClass(HINSTANCE instance);
  ~InputRequesterClass();
  InputRequesterClass(const InputRequesterClass&) = delete;
  InputRequesterClass& operator=(const InputRequesterClass&) = delete;
  bool Ready() const { return ready_; }

 private:
  HINSTANCE instance_;
  bool ready_ = false;
};

CriticalSection classLock;
int classUsers = 0;

LRESULT CALLBACK InputRequesterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

InputRequesterClass::InputRequesterClass(HINSTANCE instance) : instance_(instance) {
  const CriticalSectionLock hold(classLock);
  if (classUsers == 0) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = InputRequesterProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = TextRequesterClass;
    // Left registered by a requester whose window outlived it, the class is
    // still this one; refusing it would answer every later request with "".
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
  }
  ++classUsers;
  ready_ = true;
}

InputRequesterClass::~InputRequesterClass() {
  if (!ready_) return;
  const CriticalSectionLock hold(classLock);
  if (--classUsers == 0) UnregisterClassW(TextRequesterClass, instance_);
}

// Enter and Esc answer the requester.
ScopedAccelerators CreateAnswerKeys() {
  ACCEL keys[2] = {{FVIRTKEY, VK_RETURN, TextRequesterOk},
                   {FVIRTKEY, VK_ESCAPE, TextRequesterCancel}};
  return ScopedAccelerators(CreateAcceleratorTableW(keys, 2));
}

// A place in pixels at dpi.
Place Scaled(const Place& p, int dpi) {
  return {ScaleForDpi(p.x, dpi), ScaleForDpi(p.y, dpi), ScaleForDpi(p.width, dpi),
          ScaleForDpi(p.height, dpi)};
}

// Moved to a display of another scale: the children and their font follow.
void RelayoutRequester(HWND, int, int dpi, ScopedGuiFont font, void* context) {
  auto* state = static_cast<InputRequesterState*>(context);
  const std::pair<HWND, const Place*> children[] = {
      {state->prompt, &PromptPlace}, {state->entry, &EntryPlace}, {state->okButton, &OkPlace}};
  for (const auto& [child, place] : children) {
    const Place r = Scaled(*place, dpi);
    MoveWindow(child, r.x, r.y, r.width, r.height, TRUE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  }
  state->font = std::move(font);
  state->dpi = dpi;
}

// The owner comes back before the requester goes, so that Windows hands the
// activation back to it.
void CloseRequester(HWND window, InputRequesterState* state) {
  if (state->finished) return;
  if (state->disabledOwner) {
    EnableWindow(state->owner, TRUE);
    state->disabledOwner = false;
  }
  EnableThreadWindows();
  DestroyWindow(window);
}

LRESULT CALLBACK InputRequesterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcW(window, message, wParam, lParam);
  }
  auto* state = reinterpret_cast<InputRequesterState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == TextRequesterOk) {
        state->result = ReadWindowText(state->entry);
        state->hasResult = true;
        CloseRequester(window, state);
      } else if (LOWORD(wParam) == TextRequesterCancel) {
        CloseRequester(window, state);
      }
      return 0;
    case WM_CLOSE:
      CloseRequester(window, state);
      return 0;
    case WM_ACTIVATE:
      // Back from another window, the typing goes to the entry field again.
      if (LOWORD(wParam) != WA_INACTIVE && state->entry) {
        SetFocus(state->entry);
        return 0;
      }
      break;
    case WM_DPICHANGED:
      HandleDpiChanged(window, state->dpi, wParam, lParam, RelayoutRequester, state);
      return 0;
    case WM_DESTROY:
      state->finished = true;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeChild(HWND parent, DWORD exStyle, const wchar_t* kind, const wchar_t* text, DWORD style,
               const Place& place, int id, HINSTANCE instance, const InputRequesterState& state) {
  const Place r = Scaled(place, state.dpi);
  HWND child =
      CreateWindowExW(exStyle, kind, text, style, r.x, r.y, r.width, r.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(state.font.Get()), FALSE);
  return child;
}

void BuildControls(HWND window, InputRequesterState* state, const std::wstring& prompt,
                   const std::wstring& defaultText, HINSTANCE instance) {
  state->prompt =
      MakeChild(window, 0, L"STATIC", prompt.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP,
                PromptPlace, TextRequesterPrompt, instance, *state);
  state->entry = MakeChild(window, WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, EntryPlace,
                           TextRequesterEntry, instance, *state);
  SetFocus(state->entry);
  if (!defaultText.empty()) {
    SendMessageW(state->entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(defaultText.c_str()));
    // Caret after the text, nothing selected: the user can append at once.
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(state->entry));
    SendMessageW(state->entry, EM_SETSEL, end, static_cast<LPARAM>(end));
  }
  state->okButton =
      MakeChild(window, 0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                OkPlace, TextRequesterOk, instance, *state);
}

// The window centred on the screen at dpi.
Place WindowPlace(int dpi) {
  const RECT r = ScreenCentred(ScaleForDpi(Width, dpi), ScaleForDpi(Height, dpi));
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

std::wstring RequestText(const wchar_t* caption, const wchar_t* prompt,
                         const wchar_t* defaultText) {
  const std::wstring captionCopy = caption ? caption : L"";
  const std::wstring promptCopy = prompt ? prompt : L"";
  const std::wstring defaultCopy = defaultText ? defaultText : L"";
  const HINSTANCE instance = LayerInstance();
  InputRequesterClass windowClass(instance);
  if (!windowClass.Ready()) return std::wstring();

  InputRequesterState state;
  DisableThreadWindows();
  state.owner = RequesterOwner();
  if (state.owner && IsWindowEnabled(state.owner)) {
    EnableWindow(state.owner, FALSE);
    state.disabledOwner = true;
  }
  // Centred on the screen, not on the owner; a title bar but no close box.
  // The screen's scale is the system's, unless Windows puts it elsewhere.
  state.dpi = SystemDpi();
  Place place = WindowPlace(state.dpi);
  const HWND window =
      CreateWindowExW(0, TextRequesterClass, captionCopy.c_str(), WS_VISIBLE | WS_CAPTION, place.x,
                      place.y, place.width, place.height, state.owner, nullptr, instance, &state);
  if (!window) {
    if (state.disabledOwner) EnableWindow(state.owner, TRUE);
    EnableThreadWindows();
    return std::wstring();
  }
  if (WindowDpi(window) != state.dpi) {
    state.dpi = WindowDpi(window);
    place = WindowPlace(state.dpi);
    SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  state.font.Reset(AcquireGuiFont(state.dpi));
  BuildControls(window, &state, promptCopy, defaultCopy, instance);

  const ScopedAccelerators keys = CreateAnswerKeys();
  SetForegroundWindow(window);
  BringWindowToTop(window);

  bool quit = false;
  WPARAM quitCode = 0;
  MSG msg;
  while (!state.finished) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      quitCode = msg.wParam;
      break;
    }
    if (got == -1) break;
    if (!keys.Get() || !TranslateAcceleratorW(window, keys.Get(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Left without an answer (WM_QUIT): close as Esc would, and hand the quit
  // on to the loop that runs around this one.
  if (!state.finished) CloseRequester(window, &state);
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return state.hasResult ? state.result : std::wstring();
}
