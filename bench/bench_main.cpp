// Benchmarks of the program's own code paths beside the least work the same
// job could cost on the same tree. Each command prints one line per figure:
//   bundelor_bench preview <tree> <runs> <size value> <unit index>
//   bundelor_bench copy <label> <source tree> <scratch folder> <packages> <runs>
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
#include "support/temp_dir.h"
#include "window_ops.h"

namespace {

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

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
      Emit("error\tpreview listed %d files, the walk saw %lld", Program().Files->EntryCount(), files);
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

// Messages the worker sends to the main thread per file: the file name, the
// show request, and reading and writing the bar's position.
constexpr int MessagesPerFile = 4;

int Copy(const std::string& label, const std::wstring& tree, const std::wstring& scratch,
         int packages, int runs) {
  std::vector<double> bare, messages, product, firstFile;
  const long long files = WalkFloor(tree);
  CreateDirectoryW(scratch.c_str(), nullptr);
  for (int run = 0; run < runs; ++run) {
    // The order rotates so that no variant always runs first after a clean-up.
    for (int turn = 0; turn < 3; ++turn) {
      const int variant = (turn + run) % 3;
      const std::wstring target = FreshFolder(scratch, L"run", run * 3 + variant);
      double first = 0.0;
      const double seconds =
          variant == 2 ? TimeCopyRun(tree, target + L"\\", packages, &first)
                       : CopyLoop(PackageCopyPairs(tree, target, packages),
                                  variant == 0 ? 0 : MessagesPerFile);
      const long long found = WalkFloor(target);
      RemoveTree(target);
      if (seconds < 0.0 || found != files) {
        Emit("error\tcopy variant %d failed (%.3f s, %lld of %lld files)", variant, seconds, found,
             files);
        return 1;
      }
      (variant == 0 ? bare : variant == 1 ? messages : product).push_back(seconds);
      if (variant == 2) firstFile.push_back(first);
    }
  }
  Emit("copy\tlabel=%s\tfiles=%lld\tpackages=%d\tbare=%.3f\tmessages=%.3f\tproduct=%.3f\tratio_bare=%.3f\t"
       "ratio_messages=%.3f\tproduct_first_file=%.3f\tbare_runs=%s\tmessages_runs=%s\tproduct_runs=%s",
       label.c_str(), files, packages, Median(bare), Median(messages), Median(product),
       Median(product) / Median(bare), Median(product) / Median(messages), Median(firstFile),
       JoinRuns(bare).c_str(),
       JoinRuns(messages).c_str(), JoinRuns(product).c_str());
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
  const long long growth = static_cast<long long>(after.peakWorkingSet) -
                           static_cast<long long>(before.workingSet);
  Emit("memory\tfiles=%lld\tpointer_bytes=%d\tentry_record=%d\tpath_bytes=%.1f\tpeak_growth=%.1f\t"
       "overhead=%.1f\tbefore_peak=%lld\tbefore_ws=%lld\tafter_peak=%lld\tafter_ws=%lld",
       entries, static_cast<int>(sizeof(void*)), static_cast<int>(sizeof(FileEntry)),
       static_cast<double>(pathBytes) / entries, static_cast<double>(growth) / entries,
       static_cast<double>(growth - pathBytes) / entries, static_cast<long long>(before.peakWorkingSet),
       static_cast<long long>(before.workingSet), static_cast<long long>(after.peakWorkingSet),
       static_cast<long long>(after.workingSet));
  return 0;
}

int Usage() {
  std::fputs("usage: bundelor_bench preview <tree> <runs> <size value> <unit index>\n"
             "       bundelor_bench copy <label> <source tree> <scratch folder> <packages> <runs>\n"
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
  if (command == L"copy" && argc == 7) {
    return Copy(Narrow(argv[2]), argv[3], argv[4], _wtoi(argv[5]), _wtoi(argv[6]));
  }
  if (command == L"memory" && argc == 3) return Memory(argv[2]);
  if (command == L"ops" && argc == 3) return TimeWindowOperations(_wtoi(argv[2]));
  return Usage();
}
