#include "run/packaging_worker.h"

#include <string>

#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui/requesters.h"
#include "plan/file_list.h"
#include "run/file_transfer.h"
#include "run/name_clash.h"
#include "run/progress_display.h"
#include "run/progress_window.h"
#include "run/room_check.h"
#include "run/run_state.h"
#include "run/target_paths.h"

namespace {

const wchar_t Caption[] = L"Bundelor";

FileList* plannedFiles = nullptr;

// Every way out of a run asks the main thread to close the progress window,
// exactly once; the main thread owns it and does the closing. The worker
// then waits until the window is gone, however long it takes (a modal loop
// of the main thread holds the close event up): a close event still queued
// when the run ends would close the window of the next run, and a completion
// message could get the dying window as its owner and go with it. Only a
// program that is ending leaves the window open; false then, and no message
// is due.
bool RequestProgressClose() {
  const HWND window = AppWindowHandle(ProgressWindow);
  if (window) SendMessageW(window, WM_CLOSE, 0, 0);
  while (window && IsWindow(window) && !ProgramEnding()) Sleep(10);
  return !ProgramEnding();
}

// Ends the run; the main window takes plan and run events again from here.
class RunEnd {
 public:
  RunEnd() = default;
  ~RunEnd() { SetRunInProgress(false); }
  RunEnd(const RunEnd&) = delete;
  RunEnd& operator=(const RunEnd&) = delete;
};

std::wstring AskNamingPattern() {
  std::wstring pattern = L"Paket #";
  for (;;) {
    pattern = RequestText(Caption, L"Benennung der Paket-Verzeichnisse:", pattern.c_str());
    if (AbortRequested() != 0) return std::wstring();
    if (!PatternIsFolderName(pattern)) {
      // Asked again with the pattern as typed, for the user to mend.
      RequestMessage(Caption,
                     L"Die Zeichen \\ / : * ? \" < > | und Steuerzeichen sind in der Benennung "
                     L"nicht erlaubt.\r\nBitte \u00e4ndern Sie die Benennung.",
                     MessageInformation);
      continue;
    }
    if (!PatternHasCounter(pattern)) {
      RequestMessage(
          Caption,
          L"Das Z\u00e4hlzeichen # ist erforderlich.\r\nEs wurde f\u00fcr Sie hinzugef\u00fcgt.",
          MessageInformation);
      pattern = AmendNamingPattern(pattern);
      continue;
    }
    if (!PatternEndsInDotOrSpace(pattern)) return pattern;
    RequestMessage(Caption,
                   L"Ordnernamen d\u00fcrfen nicht mit einem Punkt oder einem Leerzeichen "
                   L"enden.\r\nBitte \u00e4ndern Sie die Benennung.",
                   MessageInformation);
  }
}

// Returns the folder as created: without trailing spaces and separators,
// which the target paths must not carry either.
std::wstring CreatePackageFolder(const std::wstring& folder) {
  // Fails harmlessly for every file but the first of a package.
  std::wstring path = FolderPathForCreation(folder);
  CreateFolder(path);
  return path;
}

void Transfer(TransferMode mode, const std::wstring& pattern, const std::wstring& destination) {
  FileList& list = *plannedFiles;
  list.SortEntries(SortKey::Package, SortOrder::Ascending);
  WriteAttribute(ProgressBar, ProgressMaximum, list.EntryCount());
  if (!RoomForRun(mode, list, destination)) {
    RequestProgressClose();
    return;
  }
  list.Rewind();
  NameClashGuard clashes;
  bool shown = false;
  std::wstring name;
  int done = 0;
  while (const FileEntry* entry = list.Advance()) {
    if (AbortRequested() != 0) {
      ShowProgressExactly(name, done);
      RequestProgressClose();
      return;
    }
    name = FileNamePart(entry->Path);
    const std::wstring folder =
        CreatePackageFolder(PackageFolderPath(destination, pattern, entry->Package));
    if (shown) {
      // The main thread shows it when it gets to it; the worker goes on.
      PublishProgress(name, done);
    } else {
      // Shown with the first file's name in place. Once is enough: nothing
      // else hides it, and a request for a window already shown changes nothing.
      ShowProgressExactly(name, done);
      SetAppWindowHidden(ProgressWindow, 0);
      shown = true;
    }
    const std::wstring target = TargetPath(folder, name);
    // Two files of this run with the same target: the second would silently
    // replace the first, so it counts as a failed copy instead.
    const bool clash = mode == TransferCopy && !clashes.Claim(entry->Package, name);
    if (clash || !TransferFile(mode, {entry->Path, entry->PathLength}, target)) {
      // The warning comes with the failed file and the count of those done in view.
      ShowProgressExactly(name, done);
      ShowRunStopped();
      RequestMessage(Caption,
                     mode == TransferCopy
                         ? L"Eine Datei konnte zum Speicher-Ort nicht kopiert werden.\r\n"
                           L"Der Vorgang wird abgebrochen."
                         : L"Eine Datei konnte zum Verzeichnis im Speicher-Ort nicht verschoben "
                           L"werden.\r\nDer Vorgang wird abgebrochen.",
                     MessageWarning);
      RequestProgressClose();
      return;
    }
    ++done;
  }
  // The last name and the full bar, before the window goes.
  ShowProgressExactly(name, done);
  if (RequestProgressClose()) {
    RequestMessage(Caption, L"Die Paketierung ist abgeschlossen!", MessageInformation);
  }
}

}  // namespace

void SetPackagingPlan(FileList* files) { plannedFiles = files; }

DWORD WINAPI PackagingWorker(LPVOID argument) {
  const auto mode = static_cast<TransferMode>(reinterpret_cast<INT_PTR>(argument));
  SetRunWorkerThreadId(GetCurrentThreadId());
  RunEnd end;

  const std::wstring pattern = AskNamingPattern();
  if (pattern.empty()) {  // only when the program is ending
    RequestProgressClose();
    return 0;
  }
  const std::wstring destination = RequestFolder(L"Speicher-Pfad der Pakete", L"");
  if (AbortRequested() != 0) {
    RequestProgressClose();
    return 0;
  }
  if (destination.empty()) {
    ShowRunStopped();
    RequestMessage(Caption,
                   L"Sie haben kein Speicher-Pfad f\u00fcr die Pakete angegeben.\r\n"
                   L"Der Vorgang wird abgebrochen.",
                   MessageWarning);
    RequestProgressClose();
    return 0;
  }
  Transfer(mode, pattern, destination);
  return 0;
}
