#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "gui/requesters.h"
#include "support/dialog_driver.h"
#include "support/program_texts.h"

namespace {

bool ClassRegistered() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  return GetClassInfoExW(GetModuleHandleW(nullptr), TextRequesterClass, &wc) != FALSE;
}

TEST(RequestText, EnterKeepsTheDefaultWithTheCaretAfterIt) {
  std::wstring prompt, text, button;
  std::pair<DWORD, DWORD> selection{99, 99};
  bool focusInEntry = false;
  bool classWhileOpen = false;
  DialogAnswerer answers(TextRequesterMatch(ProgramCaption), [&](HWND requester) {
    HWND entry = GetDlgItem(requester, TextRequesterEntry);
    prompt = DialogItemText(requester, 0);
    text = ReadEditText(entry);
    selection = EditSelection(entry);
    button = DialogItemText(requester, TextRequesterOk);
    focusInEntry = FocusedControl(requester) == entry;
    classWhileOpen = ClassRegistered();
    PostKey(requester, VK_RETURN);
  });
  const std::wstring result = RequestText(ProgramCaption, NamingPrompt, DefaultPattern);
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(result, DefaultPattern);
  EXPECT_EQ(prompt, NamingPrompt);
  EXPECT_EQ(text, DefaultPattern);
  EXPECT_EQ(selection.first, 7u);
  EXPECT_EQ(selection.second, 7u);
  EXPECT_EQ(button, L"OK");
  EXPECT_TRUE(focusInEntry);
  EXPECT_TRUE(classWhileOpen);
  EXPECT_FALSE(ClassRegistered()) << "the class outlived the requester";
}

struct TextCase {
  const char* name;
  const wchar_t* defaultText;
  DialogAction answer;
  std::wstring expected;
};

TEST(RequestText, AnswersGiveTheirResults) {
  const TextCase cases[] = {
      {"Esc", DefaultPattern, AnswerEscape(), L""},
      {"WM_CLOSE", DefaultPattern, [](HWND r) { PostMessageW(r, WM_CLOSE, 0, 0); }, L""},
      {"OK on an emptied field", DefaultPattern,
       [](HWND r) {
         SetEditText(GetDlgItem(r, TextRequesterEntry), L"");
         PostButtonCommand(r, TextRequesterOk);
       },
       L""},
      {"typing at the caret", DefaultPattern,
       [](HWND r) {
         SendChars(GetDlgItem(r, TextRequesterEntry), L"-1");
         PostKey(r, VK_RETURN);
       },
       L"Paket #-1"},
      {"umlauts, no default", nullptr, AnswerText(L"Gr\u00f6\u00dfe #"), L"Gr\u00f6\u00dfe #"},
  };
  for (const TextCase& c : cases) {
    DialogAnswerer answers(TextRequesterMatch(ProgramCaption), c.answer);
    const std::wstring result = RequestText(ProgramCaption, NamingPrompt, c.defaultText);
    ASSERT_TRUE(answers.Answered()) << c.name << ": " << answers.Report();
    EXPECT_EQ(result, c.expected) << c.name;
    EXPECT_FALSE(IsWindow(answers.Window(0))) << c.name << ": requester still exists";
  }
}

TEST(RequestText, SitsAtTheScreenCentreAndDisablesItsOwner) {
  const int cx = GetSystemMetrics(SM_CXSCREEN);
  const int cy = GetSystemMetrics(SM_CYSCREEN);
  const POINT ownerPlaces[] = {{0, 0}, {cx - 200, cy - 150}, {-50, 300}};
  for (const POINT place : ownerPlaces) {
    OwnerWindow owner(place.x, place.y, 320, 240);
    OwnerWindow other(100, 100, 200, 100, L"Other");  // a second window of this thread
    SetForegroundWindow(owner.Handle());
    RECT rect = {};
    HWND ownerSeen = nullptr;
    bool ownerEnabled = true, otherEnabled = true;
    DialogAnswerer answers(TextRequesterMatch(ProgramCaption), [&](HWND requester) {
      GetWindowRect(requester, &rect);
      ownerSeen = GetWindow(requester, GW_OWNER);
      ownerEnabled = IsWindowEnabled(owner.Handle()) != FALSE;
      otherEnabled = IsWindowEnabled(other.Handle()) != FALSE;
      PostKey(requester, VK_RETURN);
    });
    RequestText(ProgramCaption, NamingPrompt, L"x");
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    const RECT expected = {cx / 2 - 150, cy / 2 - 65, cx / 2 + 150, cy / 2 + 65};
    EXPECT_TRUE(EqualRect(&rect, &expected))
        << "owner at " << place.x << "," << place.y << ": requester at " << rect.left << ","
        << rect.top << "-" << rect.right << "," << rect.bottom;
    EXPECT_EQ(ownerSeen, owner.Handle());
    EXPECT_FALSE(ownerEnabled);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  }
}

// Moved to a display at 150 %, as Windows tells it (Wine never does): the
// window takes the suggested size, the controls their places at that scale.
TEST(RequestText, AMoveToAnotherDisplayScaleLaysItOutAtIt) {
  std::vector<RECT> seen;
  LONG font = 0;
  DialogAnswerer answers(TextRequesterMatch(ProgramCaption), [&](HWND requester) {
    RECT r;
    GetWindowRect(requester, &r);
    r = {r.left, r.top, r.left + 450, r.top + 195};
    SendMessageW(requester, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&r));
    GetWindowRect(requester, &r);
    seen = {{0, 0, r.right - r.left, r.bottom - r.top}};
    for (int id : {TextRequesterPrompt, TextRequesterEntry, TextRequesterOk}) {
      seen.push_back(ControlRect(GetDlgItem(requester, id)));
    }
    font = ControlFontHeight(GetDlgItem(requester, TextRequesterOk));
    PostKey(requester, VK_RETURN);
  });
  RequestText(ProgramCaption, NamingPrompt, L"x");
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  const RECT expected[] = {
      {0, 0, 450, 195}, {15, 15, 435, 48}, {15, 48, 428, 80}, {165, 101, 285, 139}};
  ASSERT_EQ(seen.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(EqualRect(&seen[i], &expected[i])) << i;
  LOGFONTW stock = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
  EXPECT_EQ(font, MulDiv(stock.lfHeight, 144, 96));
}

TEST(RequestText, FromASecondThreadDisablesTheFirstThreadsOwner) {
  OwnerWindow mainWindow(50, 50, 400, 300, L"Main");
  bool ownerEnabled = true;
  HWND ownerSeen = nullptr;
  DialogAnswerer answers(TextRequesterMatch(ProgramCaption), [&](HWND requester) {
    ownerSeen = GetWindow(requester, GW_OWNER);
    ownerEnabled = IsWindowEnabled(mainWindow.Handle()) != FALSE;
    PostKey(requester, VK_RETURN);
  });
  std::wstring result;
  RunOnOtherThread([&] { result = RequestText(ProgramCaption, NamingPrompt, DefaultPattern); });
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(result, DefaultPattern);
  EXPECT_EQ(ownerSeen, mainWindow.Handle());
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(mainWindow.Handle()));
}

TEST(RequestText, TwoThreadsKeepTheirOwnAnswers) {
  // Both requesters are open at once, the later one in front of the earlier
  // (which it takes as its owner); the later one is answered first.
  // Wine differs: edit controls on two threads laying out text at one moment
  // can corrupt its text-layout heap; so no default texts, and the earlier
  // one is answered only once the later one is gone.
  HWND secondWindow = nullptr, secondOwner = nullptr;
  DialogAnswerer answers({{TextRequesterMatch(L"Zweiter"),
                           [&](HWND requester) {
                             secondWindow = requester;
                             secondOwner = GetWindow(requester, GW_OWNER);
                             AnswerText(L"zwei")(requester);
                           }},
                          {TextRequesterMatch(L"Erster"), [&](HWND requester) {
                             WaitFor([&] { return !IsWindow(secondWindow); });
                             AnswerText(L"eins")(requester);
                           }}});
  std::wstring first, second;
  DialogThread firstThread([&] { first = RequestText(L"Erster", NamingPrompt, L""); });
  HWND firstWindow = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    firstWindow = FindWindowW(TextRequesterClass, L"Erster");
    return firstWindow && GetForegroundWindow() == firstWindow;
  })) << "the first requester did not come to the front";
  DialogThread secondThread([&] { second = RequestText(L"Zweiter", NamingPrompt, L""); });
  const bool secondInTime = secondThread.Finish();
  const bool firstInTime = firstThread.Finish();
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_TRUE(secondInTime && firstInTime)
      << "second in time " << secondInTime << ", first " << firstInTime;
  EXPECT_EQ(first, L"eins");
  EXPECT_EQ(second, L"zwei");
  EXPECT_EQ(secondOwner, firstWindow);
  EXPECT_FALSE(ClassRegistered());
}

TEST(RequestText, WorksWithItsClassLeftRegistered) {
  // The class as a requester registers it, then left behind, as by a
  // requester whose window outlived it.
  WNDCLASSEXW leftOver = {};
  leftOver.cbSize = sizeof leftOver;
  DialogAnswerer first(TextRequesterMatch(ProgramCaption), [&](HWND requester) {
    GetClassInfoExW(GetModuleHandleW(nullptr), TextRequesterClass, &leftOver);
    PostKey(requester, VK_RETURN);
  });
  RequestText(ProgramCaption, NamingPrompt, L"a");
  ASSERT_TRUE(first.Answered()) << first.Report();
  leftOver.lpszClassName = TextRequesterClass;
  ASSERT_NE(RegisterClassExW(&leftOver), 0);
  DialogAnswerer second(TextRequesterMatch(ProgramCaption), AnswerEnter());
  EXPECT_EQ(RequestText(ProgramCaption, NamingPrompt, DefaultPattern), DefaultPattern);
  EXPECT_TRUE(second.Answered()) << second.Report();
  EXPECT_FALSE(ClassRegistered());
}

TEST(RequestText, QuitMessageEndsItAndIsPassedOn) {
  const DWORD thread = GetCurrentThreadId();
  DialogAnswerer answers(TextRequesterMatch(ProgramCaption),
                         [thread](HWND) { PostThreadMessageW(thread, WM_QUIT, 7, 0); });
  const std::wstring result = RequestText(ProgramCaption, NamingPrompt, DefaultPattern);
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  EXPECT_EQ(result, L"");
  EXPECT_FALSE(IsWindow(answers.Window(0)));
  MSG msg = {};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
