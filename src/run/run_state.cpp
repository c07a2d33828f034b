#include "run/run_state.h"

#include <atomic>

namespace {
// One aligned word each, written by one thread and read by the other.
std::atomic<int32_t> abortRequested{0};
std::atomic<bool> programEnding{false};
std::atomic<bool> runInProgress{false};
std::atomic<DWORD> workerThreadId{0};
std::atomic<bool> runClosing{false};
}  // namespace

void SetAbortRequested(int32_t value) { abortRequested.store(value); }
int32_t AbortRequested() { return programEnding.load() ? 1 : abortRequested.load(); }
bool ProgramEnding() { return programEnding.load(); }
void SetProgramEnding(bool ending) { programEnding.store(ending); }
bool RunInProgress() { return runInProgress.load(); }
void SetRunInProgress(bool running) { runInProgress.store(running); }
bool RunClosing() { return runClosing.load(); }
void SetRunClosing(bool closing) { runClosing.store(closing); }
DWORD RunWorkerThreadId() { return workerThreadId.load(); }
void SetRunWorkerThreadId(DWORD id) { workerThreadId.store(id); }
