#include "plan/file_list.h"

#include <cstring>

namespace {

// Orders entries on one field; a stable merge keeps equal keys in list order.
struct EntryOrder {
  SortKey key;
  SortOrder order;

  // True when b must come before a, so a merge takes from the left run on ties.
  bool TakeRight(const FileEntry* a, const FileEntry* b) const {
    if (key == SortKey::Size) {
      return order == SortOrder::Ascending ? b->Size < a->Size : b->Size > a->Size;
    }
    return order == SortOrder::Ascending ? b->Package < a->Package : b->Package > a->Package;
  }
};

// Merges two null-terminated runs linked by next; returns the head and sets
// *tail to the last node. prev links are rebuilt by the caller.
FileEntry* MergeRuns(FileEntry* left, FileEntry* right, const EntryOrder& order, FileEntry** tail) {
  FileEntry head{};
  FileEntry* last = &head;
  while (left && right) {
    if (order.TakeRight(left, right)) {
      last->next = right;
      right = right->next;
    } else {
      last->next = left;
      left = left->next;
    }
    last = last->next;
  }
  last->next = left ? left : right;
  while (last->next) last = last->next;
  *tail = last;
  return head.next;
}

// Cuts the first n nodes off run and returns the rest (nullptr when none).
FileEntry* SplitAfter(FileEntry* run, int n) {
  for (int i = 1; run && i < n; ++i) run = run->next;
  if (!run) return nullptr;
  FileEntry* rest = run->next;
  run->next = nullptr;
  return rest;
}

}  // namespace

FileList::FileList(HANDLE heap)
    : heap_(heap ? heap : GetProcessHeap()),
      first_(nullptr),
      last_(nullptr),
      current_(nullptr),
      count_(0) {}

FileList::~FileList() { ClearEntries(); }

void FileList::ClearEntries() {
  FileEntry* entry = first_;
  while (entry) {
    FileEntry* next = entry->next;
    HeapFree(heap_, 0, entry);
    entry = next;
  }
  first_ = last_ = current_ = nullptr;
  count_ = 0;
}

FileEntry* FileList::AddEntry() { return AddEntry(L"", 0); }

FileEntry* FileList::AddEntry(const wchar_t* path, size_t length) {
  // The path text lives right behind the node in the same block.
  const size_t bytes = sizeof(FileEntry) + (length + 1) * sizeof(wchar_t);
  void* block = HeapAlloc(heap_, 0, bytes);
  if (!block) return nullptr;
  FileEntry* entry = static_cast<FileEntry*>(block);
  entry->Path = reinterpret_cast<wchar_t*>(entry + 1);
  std::memcpy(entry->Path, path, length * sizeof(wchar_t));
  entry->Path[length] = L'\0';
  entry->PathLength = static_cast<uint32_t>(length);
  entry->Size = 0;
  entry->Package = 0;

  entry->prev = current_;
  entry->next = current_ ? current_->next : first_;
  if (entry->next) {
    entry->next->prev = entry;
  } else {
    last_ = entry;
  }
  if (current_) {
    current_->next = entry;
  } else {
    first_ = entry;
  }
  current_ = entry;
  ++count_;
  return entry;
}

void FileList::Rewind() { current_ = nullptr; }

FileEntry* FileList::Advance() {
  FileEntry* next = current_ ? current_->next : first_;
  if (next) current_ = next;
  return next;
}

FileEntry* FileList::MoveToFirst() { return current_ = first_; }

FileEntry* FileList::MoveToLast() { return current_ = last_; }

int FileList::EntryCount() const { return count_; }

void FileList::SortEntries(SortKey key, SortOrder order) {
  current_ = nullptr;
  if (count_ < 2) return;
  const EntryOrder entryOrder{key, order};
  // Bottom-up merge sort over the next links: runs of width 1, 2, 4, ...
  // merged pairwise, so no recursion and no extra memory.
  FileEntry* list = first_;
  FileEntry* tail = nullptr;
  for (int width = 1;; width *= 2) {
    FileEntry* rest = list;
    FileEntry* head = nullptr;
    tail = nullptr;
    while (rest) {
      FileEntry* left = rest;
      FileEntry* right = SplitAfter(left, width);
      rest = SplitAfter(right, width);
      FileEntry* mergedTail = nullptr;
      FileEntry* merged = MergeRuns(left, right, entryOrder, &mergedTail);
      if (tail) {
        tail->next = merged;
      } else {
        head = merged;
      }
      tail = mergedTail;
    }
    list = head;
    // Done once a run spans the list (written so that width cannot overflow).
    if (width >= count_ - width) break;
  }
  first_ = list;
  last_ = tail;
  FileEntry* prev = nullptr;
  for (FileEntry* e = first_; e; e = e->next) {
    e->prev = prev;
    prev = e;
  }
}
