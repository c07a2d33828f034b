// The look at the destination before the first file: room for the plan, and
// a FAT32 volume that cannot hold a planned file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "gui/toolbox/scoped.h"
#include "run/packaging_run_fixture.h"
#include "run/room_check.h"
#include "support/program_texts.h"
#include "support/sized_file.h"

namespace {

constexpr long long MiB = 1024 * 1024;

long long FreeOn(const std::wstring& folder) {
  ULARGE_INTEGER free = {};
  GetDiskFreeSpaceExW((folder + L"\\").c_str(), &free, nullptr, nullptr);
  return static_cast<long long>(free.QuadPart);
}

// Held open without sharing, the file fails its copy at once instead of
// writing gigabytes: enough to see that the run began.
ScopedFileHandle Locked(const std::wstring& path) {
  return ScopedFileHandle(
      CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

class RoomCheckTest : public PackagingRunTest {
 protected:
  void TearDown() override {
    SetFileSystemNameQuery(nullptr);
    PackagingRunTest::TearDown();
  }
};

TEST_F(RoomCheckTest, TooLittleRoomIsAskedAboutBeforeTheFirstFile) {
  struct Case {
    TransferMode mode;
    bool otherVolume;
    int answer;  // 0: not asked
    const wchar_t* endMessage;
  };
  const Case cases[] = {{TransferCopy, false, IDNO, nullptr},
                        {TransferCopy, false, IDYES, CopyFailed},
                        {TransferMove, false, 0, Completed},  // renames within the volume
                        {TransferMove, true, IDNO, nullptr}};
  bool otherVolumeLeftOut = false;
  for (const Case& c : cases) {
    // Wine's Z: drive is a volume of its own beside C:.
    if (c.otherVolume && !FolderExists(L"Z:\\tmp")) {
      otherVolumeLeftOut = true;
      continue;
    }
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", answer " << c.answer);
    TempDir source;
    const auto destDir =
        c.otherVolume ? std::make_unique<TempDir>(L"Z:\\tmp\\") : std::make_unique<TempDir>();
    const TempDir& dest = *destDir;
    source.WriteFile(L"a.txt", "a");
    // Sparse: it needs no room itself. Copied after a.txt, from package 2;
    // more than the destination has free, with a margin for other writers.
    const long long huge = FreeOn(dest.Path()) + 16 * 1024 * MiB;
    ASSERT_TRUE(WriteSizedFile(source / L"huge.bin", huge, FileFill::Hole));
    const ScopedFileHandle locked =
        c.mode == TransferCopy ? Locked(source / L"huge.bin") : ScopedFileHandle();
    UseCount(2);
    PostGadgetClick(c.mode == TransferCopy ? CopyOption : MoveOption);
    std::wstring question, message;
    std::vector<int> buttons;
    std::vector<DialogStep> steps = {{TextRequesterMatch(ProgramCaption), AnswerEnter()},
                                     {FolderChooserMatch(), AnswerFolder(dest.Path())}};
    if (c.answer) {
      steps.push_back({MessageBoxMatch(ProgramCaption), [&](HWND box) {
                         question = MessageBoxText(box);
                         for (const ButtonInfo& button : DialogButtons(box))
                           buttons.push_back(button.id);
                         PostButtonCommand(box, c.answer);
                       }});
    }
    if (c.endMessage) steps.push_back(MessageStep(&message, nullptr));
    DialogAnswerer answers(steps);
    const RunSeen seen = RunFrom(source.Path(), 15000);
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    EXPECT_TRUE(seen.ended) << "a message came that was not expected";
    EXPECT_EQ(message, c.endMessage ? c.endMessage : L"");
    const bool began = c.answer != IDNO;
    EXPECT_EQ(FolderExists(dest / L"Paket 1"), began);
    EXPECT_EQ(FileExists(source / L"a.txt"), c.mode == TransferCopy || !began);
    if (!c.answer) continue;
    unsigned long long freeMiB = 0;
    std::swscanf(question.c_str(), (RoomQuestionStart + std::wstring(L"%llu")).c_str(), &freeMiB);
    EXPECT_EQ(question, RoomQuestion(freeMiB, (huge + 1 + MiB - 1) / MiB));
    EXPECT_LT(std::llabs(static_cast<long long>(freeMiB) - FreeOn(dest.Path()) / MiB), 4096);
    EXPECT_EQ(buttons, (std::vector<int>{IDYES, IDNO}));
  }
  if (otherVolumeLeftOut) GTEST_SKIP() << "the move to another volume did not run: no Z:\\tmp";
}

TEST_F(RoomCheckTest, AFat32DestinationTakesNoFileOf4GiB) {
  SetFileSystemNameQuery([](const std::wstring&) { return std::wstring(L"FAT32"); });
  for (const long long size : {4096 * MiB - 1, 4096 * MiB}) {
    TempDir source;
    TempDir dest;
    ASSERT_TRUE(WriteSizedFile(source / L"big.bin", size, FileFill::Hole));
    const ScopedFileHandle locked = Locked(source / L"big.bin");
    std::wstring message;
    DialogAnswerer answers(DefaultAnswers(dest.Path(), &message));
    const RunSeen seen = RunFrom(source.Path());
    ASSERT_TRUE(answers.Answered()) << answers.Report();
    const bool fits = size < 4096 * MiB;
    EXPECT_EQ(message, fits ? CopyFailed : Fat32TooLarge) << size;
    EXPECT_EQ(seen.progressShown, fits) << size;
    EXPECT_EQ(FolderExists(dest / L"Paket 1"), fits) << size;
  }
}

}  // namespace
