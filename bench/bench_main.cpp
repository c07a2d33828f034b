// Benchmarks of the program's own code paths beside the least work the same
// job could cost on the same tree. Each command prints one line per figure:
//   bundelor_bench preview <tree> <runs> <size value> <unit index>
//   bundelor_bench copy <label> <source tree> <scratch folder> <packages> <runs>
//   bundelor_bench move <label> <source tree> <scratch folder> <packages> <runs>
//   bundelor_bench memory <tree>
//   bundelor_bench ops <calls>
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "bench_clock.h"
#include "floors.h"
#include "memory_sample.h"
#include "plan/file_list.h"
#include "program_bench.h"
#include "support/narrow.h"
#include "support/temp_dir.h"
#include "window_ops.h"

namespace {

void Emit(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Emit(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stdout, format, arguments);
  va_end(arguments);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

int Preview(const std::wstring& tree, int runs, int sizeValue, int unitIndex) {
  std::vector<double> floor, product, select, clear;
  long long files = 0;
  PackageChoice largest{0, 0};
  long long listed = 0;
  // One untimed walk first, so every timed run finds the same caches.
  WalkFloor(tree);
  for (int run = 0; run < runs; ++run) {
    const double start = Now();
    files = WalkFloor(tree);
    floor.push_back(Now() - start);
    clear.push_back(ClearPlan());
    product.push_back(TimePreview(tree, sizeValue, unitIndex));
    if (Program().Files->EntryCount() != files) {
      Emit("error\tpreview listed %d files, the walk saw %lld", Program().Files->EntryCount(),
           files);
      return 1;
    }
    largest = LargestPackage();
    select.push_back(TimeSelection(largest.package, &listed));
    if (listed != largest.files) {
      Emit("error\tpackage %d has %lld files, the list shows %lld", largest.package, largest.files,
           listed);
      return 1;
    }
  }
  const double ratio = Median(product) / Median(floor);
  Emit("preview\tfiles=%lld\tfloor=%.3f\tproduct=%.3f\tratio=%.3f\tfloor_runs=%s\tproduct_runs=%s",
       files, Median(floor), Median(product), ratio, JoinRuns(floor).c_str(),
       JoinRuns(product).c_str());
  Emit("select\tfiles=%lld\tpackage=%d\tpackage_files=%lld\tseconds=%.3f\truns=%s", files,
       largest.package, largest.files, Median(select), JoinRuns(select).c_str());
  Emit("clear\tfiles=%lld\tseconds=%.3f\truns=%s", files, Median(clear), JoinRuns(clear).c_str());
  return 0;
}

// A fresh, empty folder below scratch.
std::wstring FreshFolder(const std::wstring& scratch, const wchar_t* name, int run) {
  const std::wstring folder = scratch + L"\\" + name + std::to_wstring(run);
  RemoveTree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// The bare loop and the program's run take turns (the order alternates, so
// that neither always runs first after a clean-up), each into a fresh folder.
// A move run's files are moved back afterwards, outside the clock.
int Transfer(bool move, const std::string& label, const std::wstring& tree,
             const std::wstring& scratch, int packages, int runs) {
  std::vector<double> bare, product, shown, refreshRate, longestGap;
  const long long files = WalkFloor(tree);
  CreateDirectoryW(scratch.c_str(), nullptr);
  for (int run = 0; run < runs; ++run) {
    for (int turn = 0; turn < 2; ++turn) {
      const bool floor = (turn + run) % 2 == 0;
      const std::wstring target = FreshFolder(scratch, L"run", run * 2 + turn);
      const std::vector<CopyPair> pairs = PackageCopyPairs(tree, target, packages, floor);
      RunFigures figures{-1.0, 0.0, 0, 0.0};
      if (floor) {
        figures.seconds = TransferLoop(pairs, move);
      } else if (!TimeRun(move, tree, target + L"\\", packages, &figures)) {
        figures.seconds = -1.0;
      }
      const long long found = WalkFloor(target);
      const bool restored = !move || MoveBack(pairs);
      RemoveTree(target);
      if (figures.seconds < 0.0 || found != files || !restored) {
        Emit("error\t%s %s failed (%.3f s, %lld of %lld files, %s)", move ? "move" : "copy",
             floor ? "floor" : "run", figures.seconds, found, files,
             restored ? "sources in place" : "sources not restored");
        return 1;
      }
      (floor ? bare : product).push_back(figures.seconds);
      if (!floor) {
        shown.push_back(figures.shown);
        refreshRate.push_back(static_cast<double>(figures.refreshes) / figures.seconds);
        longestGap.push_back(figures.longestGap);
      }
    }
  }
  Emit(
      "%s\tlabel=%s\tfiles=%lld\tpackages=%d\tbare=%.3f\tproduct=%.3f\tratio_bare=%.3f\t"
      "shown_after=%.3f\trefresh_per_second=%.1f\tlongest_refresh_gap=%.3f\tbare_runs=%s\t"
      "product_runs=%s\trefresh_runs=%s\tgap_runs=%s",
      move ? "move" : "copy", label.c_str(), files, packages, Median(bare), Median(product),
      Median(product) / Median(bare), Median(shown), Median(refreshRate), Median(longestGap),
      JoinRuns(bare).c_str(), JoinRuns(product).c_str(), JoinRuns(refreshRate, 1).c_str(),
      JoinRuns(longestGap).c_str());
  return 0;
}

int Memory(const std::wstring& tree) {
  const MemorySample before = SampleMemory();
  TimePreview(tree, 256, 2);
  const MemorySample after = SampleMemory();
  FileList& list = *Program().Files;
  long long pathBytes = 0;
  list.Rewind();
  while (const FileEntry* entry = list.Advance()) pathBytes += entry->PathLength * 2LL;
  const long long entries = list.EntryCount();
  if (entries == 0) {
    Emit("error\tno entries below %s", Narrow(tree).c_str());
    return 1;
  }
  const long long growth =
      static_cast<long long>(after.peakWorkingSet) - static_cast<long long>(before.workingSet);
  Emit(
      "memory\tfiles=%lld\tpointer_bytes=%d\tentry_record=%d\tpath_bytes=%.1f\tpeak_growth=%.1f\t"
      "overhead=%.1f\tbefore_peak=%lld\tbefore_ws=%lld\tafter_peak=%lld\tafter_ws=%lld",
      entries, static_cast<int>(sizeof(void*)), static_cast<int>(sizeof(FileEntry)),
      static_cast<double>(pathBytes) / entries, static_cast<double>(growth) / entries,
      static_cast<double>(growth - pathBytes) / entries,
      static_cast<long long>(before.peakWorkingSet), static_cast<long long>(before.workingSet),
      static_cast<long long>(after.peakWorkingSet), static_cast<long long>(after.workingSet));
  return 0;
}

int Usage() {
  std::fputs(
      "usage: bundelor_bench preview <tree> <runs> <size value> <unit index>\n"
      "       bundelor_bench copy <label> <source tree> <scratch folder> <packages> <runs>\n"
      "       bundelor_bench move <label> <source tree> <scratch folder> <packages> <runs>\n"
      "       bundelor_bench memory <tree>\n"
      "       bundelor_bench ops <calls>\n",
      stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return Usage();
  const std::wstring command = argv[1];
  StartProgramForBench();
  if (command == L"preview" && argc == 6) {
    return Preview(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]));
  }
  if ((command == L"copy" || command == L"move") && argc == 7) {
    return Transfer(command == L"move", Narrow(argv[2]), argv[3], argv[4], _wtoi(argv[5]),
                    _wtoi(argv[6]));
  }
  if (command == L"memory" && argc == 3) return Memory(argv[2]);
  if (command == L"ops" && argc == 3) return TimeWindowOperations(_wtoi(argv[2]));
  return Usage();
}
