#include "run/target_questions.h"

#include <windows.h>

#include "gui/requesters.h"
#include "plan/file_list.h"
#include "run/existing_targets.h"
#include "run/progress_display.h"
#include "run/target_paths.h"

namespace {

const wchar_t Caption[] = L"Bundelor";

std::wstring Quoted(const std::wstring& text) { return L"\u201e" + text + L"\u201c"; }

std::wstring FolderShown(const std::wstring& folder) { return folder.empty() ? L"." : folder; }

// 0 when the user cancels; 1 keeps the sub-folders, 2 numbers the names.
int AskAboutSameNames(const RunTargets& flat, const std::wstring& pattern) {
  const std::wstring count = std::to_wstring(flat.sameNames);
  const std::wstring content =
      (flat.sameNames == 1 ? L"1 Datei hat" : count + L" Dateien haben") +
      L" denselben Namen wie eine andere Datei ihres Pakets, zum Beispiel " +
      Quoted(flat.exampleName) + L" aus " + Quoted(FolderShown(flat.exampleFirstFolder)) +
      L" und " + Quoted(FolderShown(flat.exampleSecondFolder)) + L".";
  std::wstring kept = PackageFolder(L"", pattern, flat.examplePackage);
  if (!flat.exampleFirstFolder.empty()) kept += L"\\" + flat.exampleFirstFolder;
  kept += L"\\" + flat.exampleName;
  const std::wstring keep =
      L"Unterordner beibehalten\nJedes Paket erh\u00e4lt die Unterordner der Quelle, zum "
      L"Beispiel " +
      Quoted(kept) + L".";
  const std::wstring number =
      L"Nummer an den Namen anh\u00e4ngen\nDie Dateien bleiben flach im Paket; jede weitere "
      L"gleichnamige erh\u00e4lt eine Nummer, zum Beispiel " +
      Quoted(NumberedName(flat.exampleName, 2)) + L".";
  return RequestChoice(Caption, L"Gleiche Dateinamen in einem Paket", content.c_str(), keep.c_str(),
                       number.c_str());
}

// False when the run must end.
bool AskAboutExistingFiles(TransferMode mode, const ExistingTargets& existing) {
  const bool one = existing.count == 1;
  std::wstring text = one ? L"Im Ziel liegt schon 1 Datei mit einem Namen dieser Paketierung: " +
                                Quoted(existing.example) + L".\r\n"
                          : L"Im Ziel liegen schon " + std::to_wstring(existing.count) +
                                L" Dateien mit den Namen dieser Paketierung, zum Beispiel " +
                                Quoted(existing.example) + L".\r\n";
  if (mode == TransferMove) {
    // A move never replaces: it would end at the first of them.
    ShowRunStopped();
    RequestMessage(Caption, (text + L"Der Vorgang wird abgebrochen.").c_str(), MessageWarning);
    return false;
  }
  text += one ? L"Soll sie ersetzt werden?" : L"Sollen sie ersetzt werden?";
  return RequestMessage(Caption, text.c_str(), MessageYesNo) == IDYES;
}

}  // namespace

bool DecideTargets(TransferMode mode, FileList& files, const std::wstring& source,
                   const std::wstring& destination, const std::wstring& pattern,
                   RunTargets* targets, std::vector<bool>* replace) {
  *targets = PlanRunTargets(files, source, false);
  if (targets->sameNames > 0) {
    const int choice = AskAboutSameNames(*targets, pattern);
    if (choice == 0 || AbortRequested() != 0) return false;
    if (choice == 1) *targets = PlanRunTargets(files, source, true);
  }
  const ExistingTargets existing = FindExistingTargets(files, *targets, destination, pattern);
  if (existing.count > 0 && (!AskAboutExistingFiles(mode, existing) || AbortRequested() != 0)) {
    return false;
  }
  *replace = existing.exists;
  return true;
}
