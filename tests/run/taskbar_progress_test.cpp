// The run's progress on the main window's taskbar button, told to a recorder
// that takes the place of the shell's interface.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/toolbox/scoped.h"
#include "run/packaging_run_fixture.h"
#include "run/taskbar_progress.h"
#include "support/program_texts.h"
#include "support/sequence.h"
#include "support/sized_file.h"

namespace {

using namespace std::string_literals;

// What the buttons were told, in order; the message steps read it from their thread.
CriticalSection callsLock;
std::vector<std::string> calls;

void Record(const std::string& call) {
  const CriticalSectionLock hold(callsLock);
  calls.push_back(call);
}

std::vector<std::string> TakeCalls() {
  const CriticalSectionLock hold(callsLock);
  return std::move(calls);
}

class RecordingButton final : public TaskbarButton {
 public:
  void SetState(State state) override {
    Record(state == Normal ? "normal" : state == Error ? "error" : "none");
  }
  void SetValue(uint64_t done, uint64_t total) override {
    Record(std::to_string(done) + "/" + std::to_string(total));
  }
};

std::unique_ptr<TaskbarButton> MakeRecorder(HWND window) {
  Record(window == AppWindowHandle(MainWindow) ? "button" : "button of another window");
  return std::make_unique<RecordingButton>();
}

// What the shell sends once the window's button exists, and again after a restart.
void AnnounceButton() {
  SendMessageW(AppWindowHandle(MainWindow), RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
}

class TaskbarProgressTest : public PackagingRunTest {
 protected:
  void SetUp() override {
    PackagingRunTest::SetUp();
    SetTaskbarButtonMaker(MakeRecorder);
    AnnounceButton();
    EXPECT_EQ(TakeCalls(), std::vector<std::string>{"button"});
  }
  void TearDown() override {
    ReleaseTaskbarButton();
    SetTaskbarButtonMaker(nullptr);
    PackagingRunTest::TearDown();
  }
};

TEST_F(TaskbarProgressTest, FollowsTheBarAndShowsTheErrorWhileAWarningIsShown) {
  struct Case {
    std::vector<const wchar_t*> files;
    bool destination;
    const wchar_t* message;
    std::vector<SequenceEntry<std::string>> whileMessage;
  };
  const Case cases[] = {{{L"a", L"b", L"c"},
                         true,
                         Completed,
                         {"normal"s, "0/3"s, Optional("1/3"s), Optional("2/3"s), "3/3"s, "none"s}},
                        // The second file is gone by the time it is copied.
                        {{L"a", L"b"}, true, CopyFailed, {"normal"s, "0/2"s, "1/2"s, "error"s}},
                        {{L"a"}, false, NoDestination, {"error"s}}};
  for (const Case& c : cases) {
    TempDir source;
    TempDir dest;
    for (const wchar_t* file : c.files) source.WriteFile(file, "x");
    std::wstring message;
    std::vector<std::string> whileMessage;
    DialogAnswerer answers(
        {{TextRequesterMatch(ProgramCaption),
          [&](HWND requester) {
            if (c.message == CopyFailed) DeleteFileW((source / L"b").c_str());
            PostKey(requester, VK_RETURN);
          }},
         {FolderChooserMatch(), c.destination ? AnswerFolder(dest.Path()) : AnswerCancel()},
         {MessageBoxMatch(ProgramCaption), [&](HWND box) {
            whileMessage = TakeCalls();
            message = MessageBoxText(box);
            PostButtonCommand(box, IDOK);
          }}});
    RunFrom(source.Path());
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    EXPECT_EQ(message, c.message);
    EXPECT_TRUE(MatchesSequence(whileMessage, c.whileMessage, "until the message"));
    const std::vector<std::string> after = TakeCalls();
    EXPECT_EQ(after, c.message == Completed ? std::vector<std::string>{}
                                            : std::vector<std::string>{"none"});
  }
}

TEST_F(TaskbarProgressTest, ARestartedShellIsToldAgainAndACancelLeavesNothing) {
  // Large enough that the first copy is still going when the test acts.
  for (const wchar_t* name : {L"1.bin", L"2.bin"}) {
    ASSERT_TRUE(WriteSizedFile(source_ / name, 400LL * 1024 * 1024, FileFill::Hole));
  }
  DialogAnswerer answers({{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                          {FolderChooserMatch(), AnswerFolder(dest_.Path())}});
  SetSource(source_.Path());
  PostGadgetClick(RunButton);
  ASSERT_TRUE(RunUntilProgressShown());
  TakeCalls();
  AnnounceButton();
  PostGadgetClick(CancelButton);
  ASSERT_TRUE(RunUntilEnded(60000));
  ASSERT_TRUE(answers.Answered()) << answers.Report();
  const std::vector<std::string> seen = TakeCalls();
  EXPECT_TRUE(MatchesSequence(seen, {"button"s, "normal"s, "0/2"s, Optional("1/2"s), "none"s},
                              "a new button, then the cancel"));
}

}  // namespace
