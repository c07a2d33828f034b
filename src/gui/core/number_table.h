#pragma once
#include <windows.h>
#include <atomic>
#include <cstring>

#include "gui/toolbox/scoped.h"

// Table from non-negative number to record. Records live in fixed chunks that
// never move, so a lookup is two array reads and takes no lock; allocation and
// freeing hold the table's critical section. The chunk directory grows by
// replacing it; replaced directories are kept until the table dies, because a
// lock-free reader may still be looking at one.
// Record must be trivially copyable and have a member `handle` (0 = free slot).
template <typename Record>
class NumberTable {
 public:
  NumberTable() = default;
  ~NumberTable() {
    Directory* d = directory_.load();
    for (int i = 0; d && i < d->count; ++i) delete[] d->chunks[i];
    while (d) {
      Directory* older = d->older;
      delete d;
      d = older;
    }
  }
  NumberTable(const NumberTable&) = delete;
  NumberTable& operator=(const NumberTable&) = delete;

  // The record of a number in use, else nullptr. Lock-free.
  Record* Lookup(int number) const {
    Record* r = Slot(number);
    return (r && r->handle) ? r : nullptr;
  }

  // The slot of a number whether in use or not, nullptr when out of range.
  Record* Slot(int number) const {
    if (number < 0) return nullptr;
    const Directory* d = directory_.load(std::memory_order_acquire);
    const int chunk = number >> ChunkBits;
    if (!d || chunk >= d->count) return nullptr;
    Record* c = d->chunks[chunk];
    return c ? &c[number & (ChunkSize - 1)] : nullptr;
  }

  // Grows the table as needed and returns the zeroed slot of the number; the
  // caller fills it (handle last). nullptr for a negative number.
  Record* Allocate(int number) {
    if (number < 0) return nullptr;
    const CriticalSectionLock hold(lock_);
    const int chunk = number >> ChunkBits;
    Directory* d = directory_.load();
    if (!d || chunk >= d->count) d = Grow(d, chunk + 1);
    if (!d->chunks[chunk]) d->chunks[chunk] = new Record[ChunkSize]();
    Record* r = &d->chunks[chunk][number & (ChunkSize - 1)];
    std::memset(static_cast<void*>(r), 0, sizeof(Record));
    return r;
  }

  void Free(int number) {
    const CriticalSectionLock hold(lock_);
    if (Record* r = Slot(number)) std::memset(static_cast<void*>(r), 0, sizeof(Record));
  }

  // Highest number the table can currently hold plus one (for walks).
  int Capacity() const {
    const Directory* d = directory_.load(std::memory_order_acquire);
    return d ? d->count * ChunkSize : 0;
  }

 private:
  static constexpr int ChunkBits = 6;
  static constexpr int ChunkSize = 1 << ChunkBits;

  struct Directory {
    int count;
    Record** chunks;
    Directory* older;
    ~Directory() { delete[] chunks; }
  };

  Directory* Grow(Directory* old, int needed) {
    int count = old ? old->count : 0;
    if (count < 4) count = 4;
    while (count < needed) count *= 2;
    Directory* d = new Directory{count, new Record*[count](), old};
    for (int i = 0; old && i < old->count; ++i) d->chunks[i] = old->chunks[i];
    directory_.store(d, std::memory_order_release);
    return d;
  }

  mutable CriticalSection lock_;
  std::atomic<Directory*> directory_{nullptr};
};
