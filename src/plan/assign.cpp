#include "plan/assign.h"

void AssignByCount(FileList& list, int32_t count) {
  int32_t package = 1;
  list.Rewind();
  while (FileEntry* entry = list.Advance()) {
    if (package > count) package = 1;
    entry->Package = package;
    ++package;
  }
}

void AssignBySize(FileList& list, int64_t limit, const std::function<void()>& oversizeNotice) {
  list.SortEntries(SortKey::Size, SortOrder::Descending);
  const FileEntry* largest = list.MoveToFirst();
  if (!largest) return;
  if (largest->Size > limit) {
    if (oversizeNotice) oversizeNotice();
    limit = largest->Size;
  }
  // A failed size lookup counts as -1 byte and so lowers the running sum.
  int32_t package = 1;
  int64_t sum = 0;
  list.Rewind();
  while (FileEntry* entry = list.Advance()) {
    if (sum + entry->Size > limit) {
      ++package;
      sum = entry->Size;
    } else {
      sum += entry->Size;
    }
    entry->Package = package;
  }
}
