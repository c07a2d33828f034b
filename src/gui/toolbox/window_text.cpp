#include "gui/toolbox/window_text.h"

namespace {

// The item's length first, then the text into a buffer of that size.
std::wstring ItemText(HWND control, LRESULT index, UINT lengthMessage, UINT textMessage) {
  const LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(control, textMessage, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

}  // namespace

std::wstring ReadWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::wstring ListItemText(HWND list, LRESULT index) {
  return ItemText(list, index, LB_GETTEXTLEN, LB_GETTEXT);
}

std::wstring ComboItemText(HWND box, LRESULT index) {
  return ItemText(box, index, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
