#pragma once
#include <windows.h>

#include <string>

// Standard dialogs; each blocks the calling thread until the user answers.
int RequestMessage(const wchar_t* caption, const wchar_t* text, unsigned flags);
// Flags for RequestMessage: the icon of a box with one OK button, or a
// question with "Ja" and "Nein" (IDYES or IDNO back; "Nein" is the default,
// so a hasty Enter does not go ahead).
enum MessageFlag : unsigned {
  MessageInformation = MB_ICONINFORMATION,
  MessageWarning = MB_ICONWARNING,
  MessageYesNo = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2,
};
static_assert(MessageInformation == 64 && MessageWarning == 48, "message box icons");
static_assert(MessageYesNo == 0x134, "question box flags");
// The text entered; "" on Esc, on close, or when an empty field is confirmed.
std::wstring RequestText(const wchar_t* caption, const wchar_t* prompt, const wchar_t* defaultText);
// The text requester's window class and the numbers of its controls, for
// whoever finds and answers it from outside; Enter sends the OK command, Esc
// the cancel command.
constexpr wchar_t TextRequesterClass[] = L"InputRequester";
enum TextRequesterControl : int {
  TextRequesterPrompt = 0,
  TextRequesterEntry = 10,
  TextRequesterOk = 1000,
  TextRequesterCancel = 1001,
};
// The chosen folder ending in "\", or "" when cancelled.
std::wstring RequestFolder(const wchar_t* title, const wchar_t* startPath);
// A question with two command links (the text, a line break, then the note
// under it) and "Abbrechen": 1 or 2 for the link chosen, 0 on Abbrechen, Esc
// or a close request. The first link is the default.
int RequestChoice(const wchar_t* caption, const wchar_t* instruction, const wchar_t* content,
                  const wchar_t* first, const wchar_t* second);
// The command links' control numbers, for whoever answers it from outside.
enum ChoiceButton : int { ChoiceFirst = 1001, ChoiceSecond = 1002 };

// Closes every requester that the thread shows (each visible top-level window
// of it), as Esc or "Nein" would: a question with "Ja" and "Nein", which
// ignores a close request, is answered "Nein". Any thread may call it; it
// returns at once, and the requesters close as their thread runs on.
void DismissRequestersOf(DWORD threadId);
