#pragma once
#include <windows.h>
#include <cstdint>

// One source file. The node and its path text are one heap block, so an entry
// costs its path plus a few dozen bytes; entries never move once created.
struct FileEntry {
  FileEntry* prev;
  FileEntry* next;
  int64_t Size;     // bytes; -1 when the lookup failed, -2 for a folder
  int32_t Package;  // 0 = none, 1, 2, ... once assigned
  uint32_t PathLength;
  wchar_t* Path;  // full path, plain form (never the \\?\ form), terminated
};

enum class SortKey { Size, Package };
enum class SortOrder { Ascending, Descending };

// The owning, doubly linked list of file entries with one cursor.
class FileList {
 public:
  // heap: where entries are allocated; nullptr means the process heap.
  explicit FileList(HANDLE heap = nullptr);
  ~FileList();
  FileList(const FileList&) = delete;
  FileList& operator=(const FileList&) = delete;

  void ClearEntries();
  // New entry with empty Path, Size 0, Package 0, inserted after the current
  // entry (at the front when there is none) and made current. nullptr when
  // out of memory.
  FileEntry* AddEntry();
  // The same with the path set (one allocation); nullptr when out of memory.
  FileEntry* AddEntry(const wchar_t* path, size_t length);
  void Rewind();
  FileEntry* Advance();
  FileEntry* MoveToFirst();
  FileEntry* MoveToLast();
  int EntryCount() const;
  // Stable merge sort that relinks the nodes; afterwards no entry is current.
  void SortEntries(SortKey key, SortOrder order);

 private:
  HANDLE heap_;
  FileEntry* first_;
  FileEntry* last_;
  FileEntry* current_;
  int count_;
};
