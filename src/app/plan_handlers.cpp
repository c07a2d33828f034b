#include "app/plan_handlers.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "gui/app_window.h"
#include "gui/busy.h"
#include "gui/gadgets.h"
#include "gui/requesters.h"
#include "plan/assign.h"
#include "plan/preview.h"
#include "plan/scan_folder.h"
#include "plan/size_caption.h"
#include "plan/size_units.h"
#include "plan/unread_notice.h"
#include "run/run_start.h"

namespace {
void ShowOversizeNotice() {
  RequestMessage(
      L"Bundelor",
      L"Manche Dateien sind gr\u00f6\u00dfer als die geforderte Paketgr\u00f6\u00dfe.\r\n"
      L"Die Paketgr\u00f6\u00dfe wird tempor\u00e4r entsprechend angepasst.",
      MessageInformation);
}
}  // namespace

bool BuildPlan() {
  const BusyCursor busy;
  // The caption of the contents frame keeps the size of the last selection.
  ClearItems(PackageList);
  ClearItems(ContentsList);
  FileList& list = *Program().Files;
  list.ClearEntries();

  const std::wstring source = ReadText(SourcePathField);
  if (source.empty()) {
    RequestMessage(L"Bundelor", L"Geben Sie erst ein Quell-Verzeichnis an.", MessageInformation);
    return false;
  }
  const ScanResult scan = ScanFolder(source.c_str(), list);
  if (!scan.complete) {
    // Part of the files would look like all of them: no plan at all instead.
    list.ClearEntries();
    RequestMessage(L"Bundelor",
                   L"Es ist nicht genug Arbeitsspeicher frei, um alle Dateien aufzulisten.\r\n"
                   L"Der Vorgang wird abgebrochen.",
                   MessageWarning);
    return false;
  }

  if (ReadState(ByCountOption) != 0) AssignByCount(list, ReadState(PackageCountSpin));
  if (ReadState(BySizeOption) != 0) {
    const std::wstring unit = ReadText(SizeUnitCombo);
    Program().SizeLimit = SizeLimitFor(ReadState(PackageSizeSpin), unit.c_str());
    AssignBySize(list, Program().SizeLimit, ShowOversizeNotice);
  }
  FillPackageList(PackageList, list);
  // Said before a run goes on, so that its completion is not read as
  // covering what was never seen.
  const std::wstring notice = UnreadNotice(scan);
  if (!notice.empty()) RequestMessage(L"Bundelor", notice.c_str(), MessageWarning);
  return true;
}

void PreviewPlan() { BuildPlan(); }

void RunPackaging() {
  if (!BuildPlan()) return;
  StartPackagingRun(ReadState(CopyOption) != 0 ? TransferCopy : TransferMove, *Program().Files,
                    ReadText(SourcePathField), AppWindowHandle(MainWindow));
}

void ShowSelectedPackage() {
  ClearItems(ContentsList);
  const int index = ReadState(PackageList);
  const int64_t sum = FillPackageContents(ContentsList, *Program().Files, index + 1);
  WriteText(ContentsFrame, PackageSizeCaption(sum).c_str());
}
