#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "gui/requesters.h"
#include "support/dialog_driver.h"
#include "support/program_texts.h"

namespace {

BOOL CALLBACK FindIconStatic(HWND child, LPARAM data) {
  if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
  *reinterpret_cast<HWND*>(data) = child;
  return FALSE;
}

// The icon shown by the box's icon control (its identifier differs between
// Windows and Wine, so it is found by its style).
HICON BoxIcon(HWND box) {
  HWND control = nullptr;
  EnumChildWindows(box, FindIconStatic, reinterpret_cast<LPARAM>(&control));
  return control ? reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0)) : nullptr;
}

struct MessageCase {
  unsigned flags;
  const wchar_t* text;
  LPCWSTR icon;
};

TEST(RequestMessage, ShowsOneOkButtonTheCaptionTheTextAndTheIcon) {
  const MessageCase cases[] = {
      {MessageWarning, L"Fehler beim Kopieren der Datei.", IDI_WARNING},
      {MessageInformation, L"Alle Pakete wurden erstellt.\r\nGr\u00f6\u00dfe: 700 MiB",
       IDI_INFORMATION},
  };
  for (const MessageCase& c : cases) {
    OwnerWindow owner(40, 40, 300, 200);
    std::wstring text, title;
    std::vector<ButtonInfo> buttons;
    HICON icon = nullptr;
    HWND ownerSeen = nullptr;
    DialogAnswerer answers(MessageBoxMatch(ProgramCaption), [&](HWND box) {
      title = WindowText(box);
      buttons = DialogButtons(box);
      icon = BoxIcon(box);
      ownerSeen = GetWindow(box, GW_OWNER);
      AnswerOk (&text)(box);
    });
    const int answer = RequestMessage(ProgramCaption, c.text, c.flags);
    ASSERT_TRUE(answers.Answered()) << "flags " << c.flags << ": " << answers.Report();
    EXPECT_EQ(answer, IDOK) << "flags " << c.flags;
    EXPECT_EQ(title, ProgramCaption);
    EXPECT_EQ(text, c.text) << "flags " << c.flags;
    ASSERT_EQ(buttons.size(), 1u) << "flags " << c.flags;
    EXPECT_EQ(buttons[0].id, IDOK);
    EXPECT_EQ(buttons[0].text, L"OK");
    EXPECT_EQ(icon, LoadIconW(nullptr, c.icon)) << "flags " << c.flags;
    EXPECT_EQ(ownerSeen, owner.Handle());
  }
}

TEST(RequestMessage, DisablesTheThreadsOtherWindowsUntilAnswered) {
  OwnerWindow owner(40, 40, 300, 200);
  OwnerWindow other(400, 40, 200, 100, L"Other");
  SetForegroundWindow(owner.Handle());
  bool otherEnabled = true;
  DialogAnswerer answers(MessageBoxMatch(ProgramCaption), [&](HWND box) {
    otherEnabled = IsWindowEnabled(other.Handle()) != FALSE;
    AnswerOk()(box);
  });
  RequestMessage(ProgramCaption, L"Bitte einen Quell-Pfad angeben.", MessageInformation);
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_FALSE(otherEnabled);
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

// Another thread dismisses the boxes, as the run does with its worker's when
// the program ends.
TEST(RequestMessage, DismissedAsEscOrNeinWould) {
  // A closed OK box answers IDOK on Windows and IDCANCEL under Wine.
  const std::pair<unsigned, std::vector<int>> cases[] = {{MessageYesNo, {IDNO}},
                                                         {MessageInformation, {IDOK, IDCANCEL}}};
  const DWORD thread = GetCurrentThreadId();
  for (const auto& [flags, expected] : cases) {
    bool closed = false;
    DialogAnswerer answers(MessageBoxMatch(ProgramCaption), [thread, &closed](HWND box) {
      DismissRequestersOf(thread);
      closed = WaitFor([box] { return !IsWindow(box); }, 3000);
      if (!closed) PostMessageW(box, WM_COMMAND, IDYES, 0);  // a failure, not a hang
    });
    const int answer = RequestMessage(ProgramCaption, L"Trotzdem fortfahren?", flags);
    ASSERT_TRUE(answers.Answered()) << "flags " << flags << ": " << answers.Report();
    EXPECT_TRUE(closed) << "flags " << flags;
    EXPECT_NE(std::find(expected.begin(), expected.end(), answer), expected.end())
        << "flags " << flags << ": answered " << answer;
  }
}

}  // namespace
