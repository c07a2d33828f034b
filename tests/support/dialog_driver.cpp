#include "support/dialog_driver.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <atomic>
#include <cwchar>

#include "support/pump.h"

namespace {

constexpr DWORD kPollMs = 20;

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size,
                      nullptr, nullptr);
  return out;
}

struct TopWindowSearch {
  const DialogMatch* match;
  std::vector<HWND> skip;
  HWND found;
  std::vector<HWND> visible;  // every visible window of this process, for reports
};

BOOL CALLBACK VisitTopWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TopWindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  search->visible.push_back(window);
  if (search->found || !search->match) return TRUE;
  for (HWND old : search->skip) {
    if (old == window) return TRUE;
  }
  const DialogMatch& m = *search->match;
  if (ClassNameOf(window) != m.className) return TRUE;
  if (m.matchTitle && WindowText(window) != m.title) return TRUE;
  if (m.accept && !m.accept(window)) return TRUE;
  search->found = window;
  return TRUE;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
  return true;
}

bool Gone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

std::string DescribeVisibleWindows() {
  TopWindowSearch search{nullptr, {}, nullptr, {}};
  EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
  std::string out = "visible windows:";
  if (search.visible.empty()) out += " none";
  for (HWND window : search.visible) {
    out += " [" + Narrow(ClassNameOf(window)) + " \"" + Narrow(WindowText(window)) + "\"]";
  }
  return out;
}

struct DescendantSearch {
  const wchar_t* className;
  int id;
  HWND found;
};

BOOL CALLBACK VisitDescendant(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<DescendantSearch*>(data);
  if (search->id != -1 && GetDlgCtrlID(child) != search->id) return TRUE;
  if (search->className && ClassNameOf(child) != search->className) return TRUE;
  search->found = child;
  return FALSE;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM data) {
  auto* buttons = reinterpret_cast<std::vector<ButtonInfo>*>(data);
  if (_wcsicmp(ClassNameOf(child).c_str(), L"Button") != 0 || !IsWindowVisible(child)) return TRUE;
  const LONG_PTR kind = GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
  if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON) return TRUE;
  buttons->push_back({GetDlgCtrlID(child), WindowText(child), IsWindowEnabled(child) != FALSE});
  return TRUE;
}

// A folder's name as the chooser's tree shows it.
std::wstring ShellDisplayName(const std::wstring& path) {
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return std::wstring();
  return info.szDisplayName;
}

std::wstring LeafName(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos || path.size() <= 3 ? path : path.substr(slash + 1);
}

}  // namespace

DialogMatch WindowOfClass(const wchar_t* className) {
  DialogMatch m;
  m.className = className;
  return m;
}

DialogMatch WindowOfClass(const wchar_t* className, const wchar_t* title) {
  DialogMatch m = WindowOfClass(className);
  m.matchTitle = true;
  m.title = title;
  return m;
}

DialogMatch MessageBoxMatch(const wchar_t* caption) {
  DialogMatch m = WindowOfClass(L"#32770", caption);
  m.accept = [](HWND box) { return GetDlgItem(box, 0xFFFF) != nullptr; };
  return m;
}

DialogMatch TextRequesterMatch(const wchar_t* caption) {
  DialogMatch m = WindowOfClass(L"InputRequester", caption);
  // The OK button is built last; before it the requester is still being set up.
  m.accept = [](HWND requester) { return GetDlgItem(requester, 1000) != nullptr; };
  return m;
}

DialogMatch FolderChooserMatch() {
  DialogMatch m = WindowOfClass(L"#32770");
  m.accept = [](HWND dialog) { return FindDescendant(dialog, WC_TREEVIEWW) != nullptr; };
  return m;
}

DialogAnswerer::DialogAnswerer(DialogMatch match, DialogAction action, DWORD timeoutMs)
    : DialogAnswerer(std::vector<DialogStep>{{std::move(match), std::move(action)}}, timeoutMs) {}

DialogAnswerer::DialogAnswerer(std::vector<DialogStep> steps, DWORD timeoutMs)
    : steps_(std::move(steps)), timeoutMs_(timeoutMs), thread_([this] { Run(); }) {}

DialogAnswerer::~DialogAnswerer() { Join(); }

void DialogAnswerer::Join() {
  if (thread_.joinable()) thread_.join();
}

void DialogAnswerer::Run() {
  // The shell's display names are read from this thread.
  const HRESULT com = CoInitialize(nullptr);
  std::vector<HWND> answered;
  for (size_t i = 0; i < steps_.size(); ++i) {
    const DialogStep& step = steps_[i];
    if (!answered.empty() && !WaitUntil([&] { return Gone(answered.back()); }, timeoutMs_)) {
      report_ = "step " + std::to_string(i + 1) + ": the previous dialog did not close; " +
                DescribeVisibleWindows();
      break;
    }
    TopWindowSearch search{&step.match, answered, nullptr, {}};
    WaitUntil(
        [&] {
          search.found = nullptr;
          search.visible.clear();
          EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
          return search.found != nullptr;
        },
        timeoutMs_);
    if (!search.found) {
      report_ = "step " + std::to_string(i + 1) + ": no window of class \"" +
                Narrow(step.match.className) + "\"" +
                (step.match.matchTitle ? " titled \"" + Narrow(step.match.title) + "\"" : "") +
                " within " + std::to_string(timeoutMs_) + " ms; " + DescribeVisibleWindows();
      break;
    }
    // Let the dialog's thread finish what it does before it reads input.
    SendWithin(search.found, WM_NULL, 0, 0);
    found_.push_back(search.found);
    answered.push_back(search.found);
    if (step.action) step.action(search.found);
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

bool DialogAnswerer::Answered() {
  Join();
  return found_.size() == steps_.size();
}

size_t DialogAnswerer::StepsAnswered() {
  Join();
  return found_.size();
}

HWND DialogAnswerer::Window(size_t step) {
  Join();
  return step < found_.size() ? found_[step] : nullptr;
}

std::string DialogAnswerer::Report() {
  Join();
  return report_.empty() ? "all " + std::to_string(steps_.size()) + " dialogs answered" : report_;
}

DialogAction AnswerOk(std::wstring* textSeen) {
  return [textSeen](HWND box) {
    if (textSeen) *textSeen = MessageBoxText(box);
    PressButton(box, IDOK);
  };
}

DialogAction AnswerEnter() {
  return [](HWND dialog) { PressEnter(dialog); };
}

DialogAction AnswerEscape() {
  return [](HWND dialog) { PressEscape(dialog); };
}

DialogAction AnswerText(const std::wstring& text) {
  return [text](HWND requester) {
    SetEditText(FindDescendant(requester, L"Edit"), text);
    PressButton(requester, 1000);
  };
}

DialogAction AnswerFolder(const std::wstring& path) {
  return [path](HWND chooser) { ChooseFolder(chooser, path); };
}

DialogAction AnswerCancel() {
  return [](HWND dialog) { PressButton(dialog, IDCANCEL); };
}

std::wstring DialogItemText(HWND dialog, int id) {
  HWND item = FindDescendant(dialog, nullptr, id);
  return item ? WindowText(item) : std::wstring();
}

std::wstring MessageBoxText(HWND box) { return DialogItemText(box, 0xFFFF); }

std::vector<ButtonInfo> DialogButtons(HWND dialog) {
  std::vector<ButtonInfo> buttons;
  EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&buttons));
  return buttons;
}

HWND FindDescendant(HWND parent, const wchar_t* className, int id) {
  DescendantSearch search{className, id, nullptr};
  EnumChildWindows(parent, VisitDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool PressButton(HWND dialog, int id) {
  HWND button = FindDescendant(dialog, nullptr, id);
  if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
  // What a click makes the button send to its parent; posted, so the dialog
  // may close (and its thread return) while this thread goes on.
  return PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != FALSE;
}

bool PressButtonByText(HWND dialog, const wchar_t* text) {
  for (const ButtonInfo& b : DialogButtons(dialog)) {
    if (b.text == text) return PressButton(dialog, b.id);
  }
  return false;
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void PressKey(HWND dialog, UINT virtualKey) {
  HWND target = FocusedControl(dialog);
  if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | scan);
  PostMessageW(target, WM_KEYUP, virtualKey,
               1 | scan | (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31));
}

void SetEditText(HWND edit, const std::wstring& text) {
  SendWithin(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TypeText(HWND edit, const std::wstring& text) {
  for (wchar_t c : text) SendWithin(edit, WM_CHAR, c, 1);
}

std::wstring ReadEditText(HWND edit) { return WindowText(edit); }

std::pair<DWORD, DWORD> EditSelection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendWithin(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

std::wstring FolderChooserSelection(HWND chooser) {
  HWND tree = FindDescendant(chooser, WC_TREEVIEWW);
  if (!tree) return std::wstring();
  const auto item = reinterpret_cast<HTREEITEM>(SendWithin(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return std::wstring();
  wchar_t text[MAX_PATH] = {};
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = MAX_PATH;
  SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return text;
}

bool SelectFolder(HWND chooser, const std::wstring& path, DWORD timeoutMs) {
  const std::wstring shown = ShellDisplayName(path);
  const std::wstring leaf = LeafName(path);
  auto selected = [&] {
    const std::wstring now = FolderChooserSelection(chooser);
    return !now.empty() && (now == shown || _wcsicmp(now.c_str(), leaf.c_str()) == 0);
  };
  const DWORD start = GetTickCount();
  // The chooser may ignore a selection sent while it is still filling its
  // tree, or stop at a parent folder: send again until the tree shows it.
  do {
    SendWithin(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    if (WaitUntil(selected, 300)) return true;
  } while (GetTickCount() - start < timeoutMs);
  return false;
}

bool ChooseFolder(HWND chooser, const std::wstring& path, DWORD timeoutMs) {
  const bool seen = SelectFolder(chooser, path, timeoutMs);
  // Windows takes a path typed into the edit field on OK; the selection above
  // covers choosers that ignore the field.
  if (HWND edit = FindDescendant(chooser, L"Edit")) SetEditText(edit, path);
  PressButton(chooser, IDOK);
  return seen;
}

void ChooseShellItem(HWND chooser, PCIDLIST_ABSOLUTE item) {
  SHFILEINFOW info = {};
  SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info,
                 SHGFI_PIDL | SHGFI_DISPLAYNAME);
  const std::wstring shown = info.szDisplayName;
  const DWORD start = GetTickCount();
  do {
    SendWithin(chooser, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(item));
    if (WaitUntil([&] { return !shown.empty() && FolderChooserSelection(chooser) == shown; }, 300)) {
      break;
    }
  } while (GetTickCount() - start < 5000);
  PressButton(chooser, IDOK);
}

OwnerWindow::OwnerWindow(int x, int y, int width, int height, const wchar_t* title) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  wc.lpszClassName = L"DialogDriverOwner";
  RegisterClassExW(&wc);  // fails harmlessly when a former owner registered it
  window_ = CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                            height, nullptr, nullptr, instance, nullptr);
  SetForegroundWindow(window_);
}

OwnerWindow::~OwnerWindow() {
  if (window_) DestroyWindow(window_);
}

void RunOnOtherThread(const std::function<void()>& work) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work();
    done = true;
  });
  PumpUntil([&] { return done.load(); }, INFINITE);
  worker.join();
}
