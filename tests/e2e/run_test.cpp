// Packaging runs from outside: the run button, the naming requester, the
// destination chooser, the progress window, the messages, and the disk.
#include <atomic>
#include <memory>
#include <thread>

#include "e2e/e2e_files.h"
#include "e2e/e2e_fixture.h"
#include "gui/toolbox/scoped.h"
#include "support/input.h"
#include "support/program_texts.h"
#include "support/sized_file.h"
#include "support/temp_dir.h"
#include "support/unix_side.h"

namespace {

// Keeps a window's thread answering messages sent to it, as it would for a
// busy other program: sent messages come before posted ones, so a click
// posted meanwhile waits until this ends, while a send from the program's own
// worker is served in between. (Wine now and then lets a posted message
// through or returns from the wait early: a test may then miss a fault.)
class SentMessageFlood {
 public:
  explicit SentMessageFlood(HWND window) {
    for (std::thread& sender : senders_) {
      sender = std::thread([this, window] {
        while (!stop_) {
          // A batch that waits for no answer, then one that does: the other
          // sender's batch keeps the thread busy while this one waits.
          for (int i = 0; i < 500; ++i) SendNotifyMessageW(window, WM_NULL, 0, 0);
          ++batches_;
          SendMessageW(window, WM_NULL, 0, 0);
        }
      });
    }
    while (batches_ < 2) Sleep(1);
  }
  ~SentMessageFlood() {
    stop_ = true;
    for (std::thread& sender : senders_) sender.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> batches_{0};
  std::thread senders_[2];
};

class RunTest : public E2eTest {
 protected:
  // A small tree with real content: scan order a.txt, Sub\b.bin,
  // Sub\Deeper\c.dat, z.txt.
  void MakeTree() {
    source_.WriteSizedFile(L"a.txt", 1000, 1);
    source_.WriteSizedFile(L"Sub\\b.bin", 70000, 2);
    source_.WriteSizedFile(L"Sub\\Deeper\\c.dat", 0, 3);
    source_.WriteSizedFile(L"z.txt", 5, 4);
  }
  // A run of the source into one package, copied or moved with the default
  // pattern, up to the transfer.
  void StartOnePackageRun(const std::wstring& source, TransferMode mode, const std::wstring& dest) {
    ASSERT_NO_FATAL_FAILURE(ChooseSource(source));
    ASSERT_NO_FATAL_FAILURE(ChooseOption(mode == TransferCopy ? CopyOption : MoveOption));
    ASSERT_NO_FATAL_FAILURE(UseCount(1));
    ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, dest));
  }

  TempDir source_;
  TempDir dest_;
};

TEST_F(RunTest, CopyRunPutsEveryFileFlatIntoItsPackageFolder) {
  MakeTree();
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source_.Path()));
  ASSERT_NO_FATAL_FAILURE(UseCount(2));
  ASSERT_NO_FATAL_FAILURE(StartRun(L"Teil #", dest_.Path()));
  EXPECT_EQ(AnswerMessage(), Completed);
  ASSERT_TRUE(WaitForRunEnd());
  // Dealt in scan order over two packages, without the sub-folders.
  EXPECT_EQ(FolderContents(dest_.Path()),
            (std::vector<std::wstring>{L"Teil 1\\", L"Teil 1\\a.txt", L"Teil 1\\c.dat", L"Teil 2\\",
                                       L"Teil 2\\b.bin", L"Teil 2\\z.txt"}));
  EXPECT_TRUE(SameBytes(dest_ / L"Teil 1\\a.txt", source_ / L"a.txt"));
  EXPECT_TRUE(SameBytes(dest_ / L"Teil 1\\c.dat", source_ / L"Sub\\Deeper\\c.dat"));
  EXPECT_TRUE(SameBytes(dest_ / L"Teil 2\\b.bin", source_ / L"Sub\\b.bin"));
  EXPECT_TRUE(SameBytes(dest_ / L"Teil 2\\z.txt", source_ / L"z.txt"));
  EXPECT_EQ(FolderContents(source_.Path()).size(), 6u) << "copying leaves the sources";
  EXPECT_TRUE(app_.Running());
}

TEST_F(RunTest, MoveRunTakesTheFilesAway) {
  MakeTree();
  TempDir before;  // the sources as they were, to compare the moved files with
  for (const wchar_t* name : {L"a.txt", L"Sub\\b.bin", L"Sub\\Deeper\\c.dat", L"z.txt"}) {
    before.WriteFile(name, ReadWholeFile(source_ / name));
  }
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source_.Path()));
  ASSERT_NO_FATAL_FAILURE(ChooseOption(MoveOption));
  ASSERT_NO_FATAL_FAILURE(UseCount(3));
  ASSERT_NO_FATAL_FAILURE(StartRun(L"Band #-#", dest_.Path()));
  EXPECT_EQ(AnswerMessage(), Completed);
  ASSERT_TRUE(WaitForRunEnd());
  struct Moved {
    const wchar_t* target;
    const wchar_t* original;
  };
  const Moved moved[] = {{L"Band 1-1\\a.txt", L"a.txt"},
                         {L"Band 1-1\\z.txt", L"z.txt"},
                         {L"Band 2-2\\b.bin", L"Sub\\b.bin"},
                         {L"Band 3-3\\c.dat", L"Sub\\Deeper\\c.dat"}};
  for (const Moved& m : moved) {
    EXPECT_TRUE(SameBytes(dest_ / m.target, before / m.original)) << m.target;
    EXPECT_FALSE(FileExists(source_ / m.original)) << m.original;
  }
  EXPECT_EQ(FolderContents(source_.Path()), (std::vector<std::wstring>{L"Sub\\", L"Sub\\Deeper\\"}))
      << "moving leaves the emptied folders";
}

// Names from Linux, macOS or a share that plain Windows paths cannot tell from
// their twins without the trailing dot or space: each arrives as itself.
TEST_F(RunTest, TwinNamesArriveAsThemselves) {
  const std::wstring names[] = {L"a", L"a.", L"b", L"b ", L"F\\f1.bin", L"F.\\f2.bin"};
  for (const bool move : {false, true}) {
    TempDir source, dest, before;
    for (unsigned i = 0; i < 6; ++i) {
      source.WriteSizedFile(names[i], 10 + i, i);
      before.WriteSizedFile(names[i], 10 + i, i);
    }
    ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
    if (move) {
      ASSERT_NO_FATAL_FAILURE(ChooseOption(MoveOption));
    }
    ASSERT_NO_FATAL_FAILURE(UseCount(2));
    ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, dest.Path()));
    EXPECT_EQ(AnswerMessage(), Completed) << move;
    ASSERT_TRUE(WaitForRunEnd());
    // Dealt in scan order: each name to package 1, its twin to package 2.
    const std::wstring targets[] = {L"Paket 1\\a",  L"Paket 2\\a.",     L"Paket 1\\b",
                                    L"Paket 2\\b ", L"Paket 1\\f1.bin", L"Paket 2\\f2.bin"};
    EXPECT_EQ(FolderContents(dest.Path()).size(), 8u) << move;
    for (unsigned i = 0; i < 6; ++i) {
      EXPECT_TRUE(SameBytes(dest / targets[i], before / names[i])) << targets[i] << " " << move;
      EXPECT_EQ(FileExists(source / names[i]), !move) << names[i];
    }
  }
}

TEST_F(RunTest, CancelledDestinationWarnsAndCreatesNothing) {
  MakeTree();
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source_.Path()));
  ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, L""));
  HWND box = WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(ProgressWindow(), nullptr) << "the warning comes while the run's window exists";
  EXPECT_FALSE(IsWindowVisible(ProgressWindow())) << "a run without files never shows it";
  EXPECT_EQ(MessageBoxText(box), NoDestination);
  EXPECT_TRUE(ClickButtonAway(box, IDOK));
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_TRUE(FolderContents(dest_.Path()).empty());
  EXPECT_EQ(FolderContents(source_.Path()).size(), 6u);
}

// What a camera card's tree has, and where each file goes with the sub-folders
// kept or with numbers.
struct CardFile {
  const wchar_t* path;
  const wchar_t* kept;
  const wchar_t* numbered;
};
const CardFile CameraCard[] = {
    {L"DCIM\\100CANON\\IMG_0001.JPG", L"Paket 1\\DCIM\\100CANON\\IMG_0001.JPG",
     L"Paket 1\\IMG_0001.JPG"},
    {L"DCIM\\100CANON\\IMG_0002.JPG", L"Paket 1\\DCIM\\100CANON\\IMG_0002.JPG",
     L"Paket 1\\IMG_0002.JPG"},
    {L"DCIM\\101CANON\\IMG_0001.JPG", L"Paket 1\\DCIM\\101CANON\\IMG_0001.JPG",
     L"Paket 1\\IMG_0001 (2).JPG"},
};

class SameNamesTest : public RunTest {
 protected:
  // A fresh card in its own source, chosen, in one package, its bytes kept.
  void StartCardRun(TempDir& source, TransferMode mode, const std::wstring& dest) {
    bytes_.clear();
    unsigned seed = 30;
    for (const CardFile& f : CameraCard) {
      source.WriteSizedFile(f.path, 5000 + seed, seed);
      bytes_.push_back(ReadWholeFile(source / f.path));
      ++seed;
    }
    StartOnePackageRun(source.Path(), mode, dest);
  }
  // Every card file where the answer put it (null: nowhere), whole, and its
  // source there for a copy or a run that never began.
  void ExpectCard(TempDir& source, const TempDir& dest, bool kept, bool numbered,
                  bool sourcesStay) {
    for (size_t i = 0; i < bytes_.size(); ++i) {
      const CardFile& f = CameraCard[i];
      const wchar_t* target = kept ? f.kept : numbered ? f.numbered : nullptr;
      if (target) {
        EXPECT_EQ(ReadWholeFile(dest / target), bytes_[i]) << target;
      }
      EXPECT_EQ(FileExists(source / f.path), sourcesStay) << f.path;
    }
  }
  std::vector<std::string> bytes_;
};

TEST_F(SameNamesTest, AreAskedAboutOnceBeforeTheFirstFile) {
  const std::wstring content = OneSameName(L"IMG_0001.JPG", L"DCIM\\100CANON", L"DCIM\\101CANON");
  const std::wstring keptNote = SubfoldersKeptNote(L"Paket 1\\DCIM\\100CANON\\IMG_0001.JPG");
  for (const TransferMode mode : {TransferCopy, TransferMove}) {
    for (const int answer :
         {static_cast<int>(ChoiceFirst), static_cast<int>(ChoiceSecond), IDCANCEL}) {
      SCOPED_TRACE("mode " + std::to_string(mode) + ", answer " + std::to_string(answer));
      TempDir source;
      TempDir dest;
      ASSERT_NO_FATAL_FAILURE(StartCardRun(source, mode, dest.Path()));
      HWND dialog = nullptr;
      ASSERT_TRUE(WaitFor([&] {
        return (dialog = FindProcessWindow(app_.Id(), L"#32770", ProgramCaption)) &&
               FindDescendant(dialog, nullptr, ChoiceSecond);
      })) << "no question about the same names";
      EXPECT_TRUE(ShowsText(dialog, SameNamesInstruction));
      EXPECT_TRUE(ShowsText(dialog, content));
      EXPECT_TRUE(ShowsText(dialog, keptNote) ||
                  ShowsText(dialog, KeepSubfolders + (L"\n" + keptNote)));
      EXPECT_TRUE(FolderContents(dest.Path()).empty()) << "asked before anything is written";
      ASSERT_TRUE(PressInDialog(answer));
      if (answer == IDCANCEL) {
        ASSERT_TRUE(WaitForRunEnd());
        EXPECT_EQ(WaitForMessageBox(1500), nullptr) << "Abbrechen ends the run like a cancel";
        EXPECT_TRUE(FolderContents(dest.Path()).empty());
      } else {
        EXPECT_EQ(AnswerMessage(), Completed);
        ASSERT_TRUE(WaitForRunEnd());
        EXPECT_EQ(FolderContents(dest / L"Paket 1").size(), answer == ChoiceFirst ? 6u : 3u)
            << "every file once (and three folders when they are kept)";
      }
      ExpectCard(source, dest, answer == ChoiceFirst, answer == ChoiceSecond,
                 mode == TransferCopy || answer == IDCANCEL);
    }
  }
}

TEST_F(SameNamesTest, FilesAlreadyThereAreDecidedBeforeTheFirstFile) {
  // copy answered Ja, copy answered Nein, move
  const struct {
    TransferMode mode;
    int answer;
  } cases[] = {{TransferCopy, IDYES}, {TransferCopy, IDNO}, {TransferMove, IDOK}};
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + ", answer " + std::to_string(c.answer));
    TempDir source;
    TempDir dest;
    dest.WriteFile(L"Paket 1\\IMG_0002.JPG", "left from before");
    dest.WriteFile(L"Paket 1\\other.txt", "not in the plan");
    ASSERT_NO_FATAL_FAILURE(StartCardRun(source, c.mode, dest.Path()));
    ASSERT_TRUE(PressInDialog(ChoiceSecond)) << "no question about the same names";
    HWND box = WaitForMessageBox(10000, c.answer);
    ASSERT_NE(box, nullptr) << "no word about the file already there";
    EXPECT_EQ(MessageBoxText(box),
              FilesAlreadyThere(1, L"Paket 1\\IMG_0002.JPG", c.mode == TransferMove));
    ASSERT_TRUE(PressInDialog(c.answer));
    const bool replaced = c.answer == IDYES;
    if (replaced) {
      EXPECT_EQ(AnswerMessage(), Completed);
    }
    ASSERT_TRUE(WaitForRunEnd());
    if (!replaced) {
      EXPECT_EQ(WaitForMessageBox(1500), nullptr) << "no further message";
    }
    ExpectCard(source, dest, false, replaced, true);
    if (!replaced) {
      EXPECT_EQ(ReadWholeFile(dest / L"Paket 1\\IMG_0002.JPG"), "left from before");
      EXPECT_EQ(FolderContents(dest / L"Paket 1").size(), 2u) << "nothing else written";
    }
    EXPECT_EQ(ReadWholeFile(dest / L"Paket 1\\other.txt"), "not in the plan");
  }
}

TEST_F(RunTest, ACancelInsideALargeFileEndsAtOnceAndUndoesIt) {
  // By the cancel button during a copy, and during a move to another file
  // system (a copy and a removal); by a close request (Alt+F4) to the
  // progress window, which stays until the run has ended.
  const struct {
    TransferMode mode;
    bool altF4;
  } cases[] = {{TransferCopy, false}, {TransferMove, false}, {TransferCopy, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + (c.altF4 ? ", Alt+F4" : ", button"));
    // A move's source on another file system: the move is a copy and a removal.
    std::unique_ptr<TempDir> other;
    if (c.mode == TransferMove) other = std::make_unique<TempDir>(L"C:\\tmpfs\\");
    TempDir local;
    TempDir& source = other ? *other : local;
    if (source.Path().empty()) {
      ADD_FAILURE() << "no folder on a second file system at C:\\tmpfs";
      continue;
    }
    TempDir dest;
    // Each far larger than a second's copy here; equal sizes go in scan order.
    for (const wchar_t* name : {L"1.bin", L"2.bin"}) {
      ASSERT_TRUE(WriteSizedFile(source / name, 1LL << 30, FileFill::Ends, 9));
    }
    ASSERT_NO_FATAL_FAILURE(StartOnePackageRun(source.Path(), c.mode, dest.Path()));
    const std::wstring target = dest / L"Paket 1\\1.bin";
    HWND progress = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (progress = ProgressWindow()) && IsWindowVisible(progress); }));
    // Pressed as soon as the first file has begun: a file from a RAM disk goes fast.
    ASSERT_TRUE(WaitFor([&] { return FileExists(target); })) << "the copy never began";
    const DWORD pressed = GetTickCount();
    if (c.altF4) {
      ASSERT_TRUE(ForegroundOf(progress));
      KeyStroke(VK_F4, VK_MENU);
    } else {
      ASSERT_TRUE(ClickButton(progress, CancelButton));
    }
    const std::wstring cancelling =
        c.mode == TransferCopy ? CopyCancellingTitle : MoveCancellingTitle;
    // Wine's CopyFileExW ignores the progress routine: the file in hand is
    // finished there, and the cancel takes effect before the next one.
    const bool finishesTheFile = !UnixPath(L"C:\\").empty();
    // The window stays, showing the cancel, until the run ends (a window
    // closed at once would let the run go on: the second file would come).
    const std::wstring title = SettledText(progress, cancelling);
    EXPECT_TRUE(title == cancelling || !IsWindow(progress)) << title;
    ASSERT_TRUE(WaitForRunEnd(60000));
    if (!finishesTheFile) {
      // A second, with room for a loaded machine.
      EXPECT_LT(GetTickCount() - pressed, 3000u) << "the cancel waited for the file";
    }
    EXPECT_EQ(AnswerMessage(1500), L"") << "a cancelled run shows no message";
    EXPECT_EQ(FolderContents(dest / L"Paket 1"),
              finishesTheFile ? std::vector<std::wstring>{L"1.bin"} : std::vector<std::wstring>{})
        << "no part of a file is left, nothing after it begun";
    // Every file whole in one place: a move takes away only a file it finished.
    const bool firstMoved = finishesTheFile && c.mode == TransferMove;
    EXPECT_EQ(FileExists(source / L"1.bin"), !firstMoved);
    for (const std::wstring& file : {firstMoved ? target : source / L"1.bin", source / L"2.bin"}) {
      WIN32_FILE_ATTRIBUTE_DATA data = {};
      EXPECT_TRUE(GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data) &&
                  data.nFileSizeHigh == 0 && data.nFileSizeLow == 1u << 30)
          << file;
    }
  }
}

TEST_F(RunTest, ARunStartedRightAfterAnEndedOneKeepsItsProgressWindow) {
  // A copy that fails at its second file, and one cancelled during its first.
  for (const bool cancelled : {false, true}) {
    TempDir source;
    TempDir dest;
    ScopedFileHandle held;
    if (cancelled) {
      ASSERT_NO_FATAL_FAILURE(StartApp(L""));  // a fresh program for the second case
      for (const wchar_t* name : {L"1.bin", L"2.bin"}) {
        ASSERT_TRUE(WriteSizedFile(source / name, 1LL << 30, FileFill::Ends, 7));
      }
    } else {  // the second file cannot be read: held open without sharing
      source.WriteFile(L"a.txt", "a");
      source.WriteFile(L"b.txt", "b");
      held.Reset(CreateFileW((source / L"b.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
      ASSERT_TRUE(held.Valid());
    }
    ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
    ASSERT_NO_FATAL_FAILURE(UseCount(1));
    ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, dest.Path()));
    const std::wstring first = dest / L"Paket 1\\1.bin";
    const auto copied = [&first](DWORD size) {
      WIN32_FILE_ATTRIBUTE_DATA data = {};
      return GetFileAttributesExW(first.c_str(), GetFileExInfoStandard, &data) &&
             data.nFileSizeLow >= size;
    };
    HWND box = nullptr;
    if (cancelled) {
      HWND progress = nullptr;
      ASSERT_TRUE(
          WaitFor([&] { return (progress = ProgressWindow()) && IsWindowVisible(progress); }));
      ASSERT_TRUE(ClickButton(progress, CancelButton));
      const std::wstring cancelling = CopyCancellingTitle;
      ASSERT_EQ(SettledText(progress, cancelling), cancelling);
      // Nearly copied, or (where the cancel reaches into the file) undone.
      ASSERT_TRUE(
          WaitFor([&] { return copied((1u << 30) - (16u << 20)) || !FileExists(first); }, 60000));
    } else {
      ASSERT_NE(box = WaitForMessageBox(), nullptr);
    }
    {
      // The old run ends while the program is kept busy: the run button's
      // click, posted before, is taken right after the old close request.
      SentMessageFlood busy(Main());
      ASSERT_TRUE(PostButtonCommand(Main(), RunButton));
      EXPECT_TRUE(cancelled ? WaitFor([&] { return copied(1u << 30) || !FileExists(first); }, 60000)
                            : ClickButton(box, IDOK));
      Sleep(500);  // for the old worker to end, unless it waits for its window
    }
    // That click started a run, or it came too early and was ignored: again then.
    HWND requester = nullptr;
    for (int i = 0; i < 3 && !requester; ++i) {
      requester = WaitForWindow(app_.Id(), TextRequesterClass, ProgramCaption, 1000);
      if (!requester) ClickGadget(RunButton);
    }
    ASSERT_NE(requester, nullptr) << cancelled;
    WaitIdle(Main());  // anything the old run left queued is handled by now
    EXPECT_NE(ProgressWindow(), nullptr)
        << "the old run closed the new one's window; cancelled: " << cancelled;
  }
}

// The program may write no file over 1 MiB: a bigger copy fails half-way,
// as on a full disk.
class FailedWriteTest : public RunTest {
 protected:
  FailedWriteTest() { fileSizeLimit_ = 1 << 20; }
  static constexpr size_t Size = 3 << 20;
};

TEST_F(FailedWriteTest, CopyCutShortLeavesNoPartOfTheFile) {
  source_.WriteSizedFile(L"a.bin", Size, 5);
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source_.Path()));
  ASSERT_NO_FATAL_FAILURE(UseCount(1));
  for (const bool earlierCopy : {false, true}) {
    TempDir dest;
    // A file left by an earlier run, which the user agreed to replace, is no
    // longer that file once overwritten.
    if (earlierCopy) dest.WriteFile(L"Paket 1\\a.bin", "from an earlier run");
    ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, dest.Path()));
    if (earlierCopy) {
      ASSERT_TRUE(PressInDialog(IDYES)) << "no question about the earlier file";
    }
    EXPECT_EQ(AnswerMessage(), CopyFailed);
    ASSERT_TRUE(WaitForRunEnd());
    EXPECT_FALSE(FileExists(dest / L"Paket 1\\a.bin")) << earlierCopy;
    EXPECT_EQ(ReadWholeFile(source_ / L"a.bin").size(), Size);
  }
}

TEST_F(FailedWriteTest, MoveToAnotherFileSystemCutShortKeepsTheSource) {
  // A move between file systems is a copy and a removal. The test command
  // puts C:\tmpfs on another file system when it can.
  TempDir source(L"C:\\tmpfs\\");
  if (source.Path().empty()) GTEST_SKIP() << "no folder on a second file system at C:\\tmpfs";
  source.WriteSizedFile(L"a.bin", Size, 6);
  ASSERT_NO_FATAL_FAILURE(ChooseSource(source.Path()));
  ASSERT_NO_FATAL_FAILURE(ChooseOption(MoveOption));
  ASSERT_NO_FATAL_FAILURE(UseCount(1));
  ASSERT_NO_FATAL_FAILURE(StartRun(nullptr, dest_.Path()));
  EXPECT_EQ(AnswerMessage(), MoveFailed);
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_FALSE(FileExists(dest_ / L"Paket 1\\a.bin"));
  EXPECT_EQ(ReadWholeFile(source / L"a.bin").size(), Size);
}

}  // namespace
