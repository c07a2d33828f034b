#include "run/packaging_worker.h"

#include <set>
#include <string>
#include <vector>

#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui/requesters.h"
#include "gui/toolbox/long_path.h"
#include "plan/file_list.h"
#include "run/file_transfer.h"
#include "run/progress_display.h"
#include "run/progress_window.h"
#include "run/room_check.h"
#include "run/run_state.h"
#include "run/run_targets.h"
#include "run/target_paths.h"
#include "run/target_questions.h"

namespace {

const wchar_t Caption[] = L"Bundelor";

FileList* plannedFiles = nullptr;
// Absolute and ending in "\\", as the scan made the list's paths; "" when unknown.
std::wstring sourceFolder;

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
  // Told apart from a close request of the user's, which cancels instead.
  SetRunClosing(true);
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

// The first package folder of the plan that would bear a device's name, or "".
std::wstring DeviceFolderName(const std::wstring& pattern) {
  std::set<int32_t> packages;
  plannedFiles->Rewind();
  while (const FileEntry* entry = plannedFiles->Advance()) packages.insert(entry->Package);
  for (int32_t package : packages) {
    const std::wstring name = PackageFolder(L"", pattern, package);
    if (IsDeviceName(name)) return name;
  }
  return std::wstring();
}

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
    if (PatternEndsInDotOrSpace(pattern)) {
      RequestMessage(Caption,
                     L"Ordnernamen d\u00fcrfen nicht mit einem Punkt oder einem Leerzeichen "
                     L"enden.\r\nBitte \u00e4ndern Sie die Benennung.",
                     MessageInformation);
      continue;
    }
    // In the exact path form the platform would not refuse such a folder, and
    // files put "into" it would be lost.
    const std::wstring device = DeviceFolderName(pattern);
    if (device.empty()) return pattern;
    RequestMessage(Caption,
                   (L"Der Name \u201e" + device +
                    L"\u201c ist unter Windows einem Ger\u00e4t vorbehalten.\r\nBitte \u00e4ndern "
                    L"Sie die Benennung.")
                       .c_str(),
                   MessageInformation);
  }
}

void Transfer(TransferMode mode, const std::wstring& pattern, const std::wstring& destination) {
  FileList& list = *plannedFiles;
  list.SortEntries(SortKey::Package, SortOrder::Ascending);
  WriteAttribute(ProgressBar, ProgressMaximum, list.EntryCount());
  RunTargets targets;
  std::vector<bool> replace;
  if (!RoomForRun(mode, list, destination) ||
      !DecideTargets(mode, list, sourceFolder, destination, pattern, &targets, &replace)) {
    RequestProgressClose();
    return;
  }
  list.Rewind();
  bool shown = false;
  std::wstring name;
  std::wstring packageFolder;
  std::wstring madeFolder;  // the last folder created, with all levels above it
  int32_t package = 0;
  int done = 0;
  while (const FileEntry* entry = list.Advance()) {
    if (AbortRequested() != 0) {
      ShowProgressExactly(name, done);
      RequestProgressClose();
      return;
    }
    name = FileNamePart(entry->Path);
    if (done == 0 || entry->Package != package) {
      package = entry->Package;
      packageFolder = PackageFolder(destination, pattern, package);
    }
    const std::wstring target = TargetPath(packageFolder, targets.relative[done]);
    const std::wstring_view folder(target.data(), target.find_last_of(L'\\'));
    if (folder != madeFolder) {
      // Fails harmlessly for a folder left from before.
      CreateFolderBelow(packageFolder, folder);
      madeFolder.assign(folder);
    }
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
    if (!TransferFile(mode, {entry->Path, entry->PathLength}, target, replace[done])) {
      if (AbortRequested() != 0) {  // the cancel came inside the file, which is undone
        ShowProgressExactly(name, done);
        RequestProgressClose();
        return;
      }
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

// The destination chosen, "" when the user cancelled. One that is the source
// folder or lies below it would be scanned into the plan next time, and a
// move into it would move files onto themselves: asked again.
std::wstring AskDestination() {
  for (;;) {
    const std::wstring destination = RequestFolder(L"Speicher-Pfad der Pakete", L"");
    if (destination.empty() || AbortRequested() != 0 || sourceFolder.empty()) return destination;
    if (!FolderWithin(AbsoluteFolderPath(destination.c_str()), sourceFolder)) return destination;
    RequestMessage(Caption,
                   L"Der Speicher-Pfad liegt im Quell-Verzeichnis.\r\nBitte w\u00e4hlen Sie einen "
                   L"Ort au\u00dferhalb.",
                   MessageInformation);
  }
}

}  // namespace

void SetPackagingPlan(FileList* files, const std::wstring& source) {
  plannedFiles = files;
  sourceFolder = source.empty() ? std::wstring() : AbsoluteFolderPath(source.c_str());
}

DWORD WINAPI PackagingWorker(LPVOID argument) {
  const auto mode = static_cast<TransferMode>(reinterpret_cast<INT_PTR>(argument));
  SetRunWorkerThreadId(GetCurrentThreadId());
  RunEnd end;

  const std::wstring pattern = AskNamingPattern();
  if (pattern.empty()) {  // only when the program is ending
    RequestProgressClose();
    return 0;
  }
  const std::wstring destination = AskDestination();
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
