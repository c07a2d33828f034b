#include <windows.h>

#include <mutex>
#include <string>

#include "gui/requesters.h"
#include "gui/requesters/requester_owner.h"
#include "gui/toolbox/scoped.h"
#include "gui/toolbox/window_text.h"

namespace {

constexpr wchar_t ClassName[] = L"InputRequester";
constexpr int PromptId = 0;
constexpr int EntryId = 10;
constexpr int OkCommand = 1000;
constexpr int CancelCommand = 1001;
constexpr int Width = 300;
constexpr int Height = 130;

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

std::mutex classLock;
int classUsers = 0;

LRESULT CALLBACK InputRequesterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

InputRequesterClass::InputRequesterClass(HINSTANCE instance) : instance_(instance) {
  std::lock_guard<std::mutex> hold(classLock);
  if (classUsers == 0) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = InputRequesterProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = ClassName;
    // Left registered by a requester whose window outlived it, the class is
    // still this one; refusing it would answer every later request with "".
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
  }
  ++classUsers;
  ready_ = true;
}

InputRequesterClass::~InputRequesterClass() {
  if (!ready_) return;
  std::lock_guard<std::mutex> hold(classLock);
  if (--classUsers == 0) UnregisterClassW(ClassName, instance_);
}

// Enter and Esc answer the requester.
ScopedAccelerators CreateAnswerKeys() {
  ACCEL keys[2] = {{FVIRTKEY, VK_RETURN, OkCommand}, {FVIRTKEY, VK_ESCAPE, CancelCommand}};
  return ScopedAccelerators(CreateAcceleratorTableW(keys, 2));
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
      if (LOWORD(wParam) == OkCommand) {
        state->result = ReadWindowText(state->entry);
        state->hasResult = true;
        CloseRequester(window, state);
      } else if (LOWORD(wParam) == CancelCommand) {
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
    case WM_DESTROY:
      state->finished = true;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeChild(HWND parent, DWORD exStyle, const wchar_t* kind, const wchar_t* text, DWORD style,
               int x, int y, int width, int height, int id, HINSTANCE instance, HFONT font) {
  HWND child =
      CreateWindowExW(exStyle, kind, text, style, x, y, width, height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void BuildControls(HWND window, InputRequesterState* state, const std::wstring& prompt,
                   const std::wstring& defaultText, HINSTANCE instance) {
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  state->prompt =
      MakeChild(window, 0, L"STATIC", prompt.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 10,
                10, 280, 22, PromptId, instance, font);
  state->entry = MakeChild(window, WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10, 32, 275, 21,
                           EntryId, instance, font);
  SetFocus(state->entry);
  if (!defaultText.empty()) {
    SendMessageW(state->entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(defaultText.c_str()));
    // Caret after the text, nothing selected: the user can append at once.
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(state->entry));
    SendMessageW(state->entry, EM_SETSEL, end, static_cast<LPARAM>(end));
  }
  state->okButton =
      MakeChild(window, 0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                110, 67, 80, 25, OkCommand, instance, font);
}

}  // namespace

std::wstring RequestText(const wchar_t* caption, const wchar_t* prompt,
                         const wchar_t* defaultText) {
  const std::wstring captionCopy = caption ? caption : L"";
  const std::wstring promptCopy = prompt ? prompt : L"";
  const std::wstring defaultCopy = defaultText ? defaultText : L"";
  const HINSTANCE instance = GetModuleHandleW(nullptr);
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
  const HWND window = CreateWindowExW(0, ClassName, captionCopy.c_str(), WS_VISIBLE | WS_CAPTION,
                                      GetSystemMetrics(SM_CXSCREEN) / 2 - Width / 2,
                                      GetSystemMetrics(SM_CYSCREEN) / 2 - Height / 2, Width, Height,
                                      state.owner, nullptr, instance, &state);
  if (!window) {
    if (state.disabledOwner) EnableWindow(state.owner, TRUE);
    EnableThreadWindows();
    return std::wstring();
  }
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
