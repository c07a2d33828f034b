#include "run/thread_registry.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "gui/toolbox/scoped.h"

namespace {

struct ThreadRecord {
  ScopedHandle handle;
  int32_t sequence;
};

struct ThreadRegistry {
  CRITICAL_SECTION lock;
  bool ready = false;
  std::vector<ThreadRecord> records;
  int32_t nextSequence = 1;
};

ThreadRegistry registry;

bool HasEnded(HANDLE thread) { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }

}  // namespace

void InitThreadRegistry() {
  if (registry.ready) return;
  InitializeCriticalSection(&registry.lock);
  registry.ready = true;
}

int32_t StartThread(LPTHREAD_START_ROUTINE routine, int32_t argument) {
  // 4096 is the committed stack; the reserve stays the program's default.
  ScopedHandle thread(CreateThread(nullptr, 4096, routine,
                                   reinterpret_cast<LPVOID>(static_cast<INT_PTR>(argument)), 0,
                                   nullptr));
  if (!thread.Valid()) return 0;
  const CriticalSectionLock hold(registry.lock);
  auto& records = registry.records;
  records.erase(std::remove_if(records.begin(), records.end(),
                               [](const ThreadRecord& r) { return HasEnded(r.handle.Get()); }),
                records.end());
  const int32_t sequence = registry.nextSequence++;
  records.push_back({std::move(thread), sequence});
  return sequence;
}

void EmptyThreadRegistry() {
  if (!registry.ready) return;
  const CriticalSectionLock hold(registry.lock);
  registry.records.clear();
}
