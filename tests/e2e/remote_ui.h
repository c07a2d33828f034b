#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/window_text.h"

// Looking at and operating the windows of another process, as a user sees and
// uses them. Reading goes through messages that the system copies between
// processes (WM_GETTEXT, LB_GETTEXT, ...); input goes through SendInput, so
// it takes the program's own way from the keyboard and mouse queue.

// A visible top-level window of the process; class or title may be null
// (any). Waits up to timeoutMs; 0 when none came.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title,
                   DWORD timeoutMs = 10000);
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title);
// Waits until the window's thread has handled what it was sent before.
void WaitIdle(HWND window);
// Polls until done() or the time-out; returns done().
template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// Input reaches the program's queue asynchronously: what it changes is read
// with these, which wait (up to a few seconds) for the expected value and
// return the last value read, for the test's own comparison.
template <typename Read, typename Value>
Value Settled(Read read, const Value& expected, DWORD timeoutMs = 3000) {
  Value now = read();
  WaitFor([&] { return (now = read()) == expected; }, timeoutMs);
  return now;
}

// The child (at any depth) with this control identifier, and class if given.
HWND Control(HWND parent, int id, const wchar_t* className = nullptr);
// True when a child of the window (at any depth) shows exactly this text.
bool ShowsText(HWND window, const std::wstring& text);
std::vector<std::wstring> ListLines(HWND list);
std::wstring SettledText(HWND window, const std::wstring& expected);
std::vector<std::wstring> SettledLines(HWND list, const std::vector<std::wstring>& expected);
int ListSelection(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
int ComboSelection(HWND combo);
bool Checked(HWND button);
// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);
RECT ClientRectOnScreen(HWND window);

// Input, as from the keyboard and mouse. Keys go to the foreground window,
// which ForegroundOf makes the given top-level window first.
bool ForegroundOf(HWND topLevel);
void PressKey(WORD virtualKey, bool shift = false);
// A key pressed while a modifier key (VK_MENU, VK_CONTROL, ...) is held.
void PressKeyWith(WORD modifier, WORD virtualKey);
void PressKeyTimes(WORD virtualKey, int times);
void TypeText(const std::wstring& text);
// A left click at a point of the window's client area (default: its centre).
void Click(HWND window);
void ClickAt(HWND window, int x, int y);
// A click on a list box line.
void ClickListLine(HWND list, int index);

// Memory in the other process, for the messages of common controls whose
// pointers the system does not copy between processes.
class RemoteBuffer {
 public:
  RemoteBuffer(DWORD processId, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  void* Address() const { return address_; }
  bool Write(const void* data, size_t size, size_t offset = 0);
  bool Read(void* data, size_t size, size_t offset = 0) const;

 private:
  HANDLE process_;
  void* address_;
};

// The shell's folder chooser of the process (a "#32770" holding a tree).
HWND WaitForFolderChooser(DWORD processId, DWORD timeoutMs = 10000);
// Text of the folder selected in its tree.
std::wstring ChooserSelection(HWND chooser);
// Selects the folder (resending when the chooser ignores it), then presses
// OK; true when the tree showed the folder before OK.
bool ChooseFolder(HWND chooser, const std::wstring& path);
bool CancelDialog(HWND dialog);

// The program's message box ("#32770" titled "Bundelor" with a text).
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
std::wstring MessageText(HWND box);
// Presses a push button of a dialog by identifier with a click; false when it
// is missing, hidden or disabled.
bool PressButton(HWND dialog, int id);
