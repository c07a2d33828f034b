#include "plan/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::wstring Name(int i) { return L"C:\\f" + std::to_wstring(i); }

FileEntry* Add(FileList& list, const std::wstring& path, int64_t size = 0, int32_t package = 0) {
  FileEntry* e = list.AddEntry(path.c_str(), path.size());
  if (e) {
    e->Size = size;
    e->Package = package;
  }
  return e;
}

// Paths in list order, walking with the cursor; also checks the prev links.
std::vector<std::wstring> Paths(FileList& list) {
  std::vector<std::wstring> out;
  list.Rewind();
  const FileEntry* prev = nullptr;
  while (FileEntry* e = list.Advance()) {
    EXPECT_EQ(e->prev, prev) << "broken prev link at " << out.size();
    EXPECT_EQ(e->PathLength, wcslen(e->Path));
    out.emplace_back(e->Path);
    prev = e;
  }
  EXPECT_EQ(static_cast<int>(out.size()), list.EntryCount());
  return out;
}

TEST(FileList, AddEntryInsertsAfterCursorAndCursorWalks) {
  FileList list;
  EXPECT_EQ(list.Advance(), nullptr);
  EXPECT_EQ(list.MoveToFirst(), nullptr);
  EXPECT_EQ(list.MoveToLast(), nullptr);
  FileEntry* blank = list.AddEntry();
  ASSERT_NE(blank, nullptr);
  EXPECT_STREQ(blank->Path, L"");
  EXPECT_EQ(blank->Size, 0);
  EXPECT_EQ(blank->Package, 0);
  list.ClearEntries();
  EXPECT_EQ(list.EntryCount(), 0);

  Add(list, L"a");
  Add(list, L"c");
  list.MoveToFirst();
  Add(list, L"b");  // after a, before c
  list.Rewind();
  Add(list, L"0");  // no current entry: goes to the front
  list.MoveToLast();
  Add(list, L"d");
  EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"0", L"a", L"b", L"c", L"d"}));

  // At the end Advance returns nothing and the cursor stays on the last entry.
  EXPECT_EQ(list.Advance(), nullptr);
  Add(list, L"e");
  EXPECT_EQ(Paths(list).back(), L"e");
  EXPECT_STREQ(list.MoveToFirst()->Path, L"0");
  EXPECT_STREQ(list.MoveToLast()->Path, L"e");

  list.ClearEntries();
  EXPECT_EQ(list.EntryCount(), 0);
  EXPECT_EQ(list.Advance(), nullptr);
  Add(list, L"x");
  EXPECT_EQ(Paths(list), std::vector<std::wstring>{L"x"});
}

struct Item {
  int64_t size;
  int32_t package;
  std::wstring path;
};

// Every key and direction against std::stable_sort, on lists with many
// equal keys so that a non-stable merge shows.
TEST(FileList, SortIsStableForBothKeysAndDirections) {
  for (int count : {0, 1, 2, 3, 7, 64, 1000, 1025}) {
    std::vector<Item> items;
    unsigned x = 12345u + static_cast<unsigned>(count);
    for (int i = 0; i < count; ++i) {
      x = x * 1103515245u + 12345u;
      items.push_back({static_cast<int64_t>((x >> 16) % 5) - 2, static_cast<int32_t>((x >> 8) % 4) - 1, Name(i)});
    }
    // A key beyond 32 bits, except in the empty and one-entry lists.
    if (count > 1) items.push_back({int64_t{1} << 40, 7, L"big"});
    for (SortKey key : {SortKey::Size, SortKey::Package}) {
      for (SortOrder order : {SortOrder::Ascending, SortOrder::Descending}) {
        FileList list;
        for (const Item& it : items) Add(list, it.path, it.size, it.package);
        list.MoveToFirst();
        list.SortEntries(key, order);
        FileEntry* afterSort = list.Advance();
        EXPECT_EQ(afterSort, list.MoveToFirst()) << "the sort must leave no current entry";

        std::vector<Item> expected = items;
        std::stable_sort(expected.begin(), expected.end(), [&](const Item& a, const Item& b) {
          const int64_t ka = key == SortKey::Size ? a.size : a.package;
          const int64_t kb = key == SortKey::Size ? b.size : b.package;
          return order == SortOrder::Ascending ? ka < kb : ka > kb;
        });
        std::vector<std::wstring> expectedPaths;
        for (const Item& it : expected) expectedPaths.push_back(it.path);
        EXPECT_EQ(Paths(list), expectedPaths) << "count " << count << " key " << static_cast<int>(key)
                                              << " order " << static_cast<int>(order);
        // The last entry is known after relinking: appending goes to the end.
        list.MoveToLast();
        Add(list, L"tail");
        EXPECT_EQ(Paths(list).back(), L"tail");
      }
    }
  }
}

// One block per entry from the given heap: node plus path, within 64 bytes of
// overhead per entry beside the path text.
TEST(FileList, EntriesComeFromTheGivenHeapAsOneBlock) {
  HANDLE heap = HeapCreate(HEAP_NO_SERIALIZE, 0, 0);
  ASSERT_NE(heap, nullptr);
  {
    FileList list(heap);
    const std::wstring path(100, L'p');
    const int count = 300000;
    for (int i = 0; i < count; ++i) ASSERT_NE(Add(list, path), nullptr);
    FileEntry* first = list.MoveToFirst();
    EXPECT_EQ(first->Path, reinterpret_cast<wchar_t*>(first + 1));
    EXPECT_EQ(HeapSize(heap, 0, first), sizeof(FileEntry) + (path.size() + 1) * sizeof(wchar_t));

    size_t used = 0;
    PROCESS_HEAP_ENTRY walk{};
    while (HeapWalk(heap, &walk)) {
      if (walk.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += walk.cbData + walk.cbOverhead;
    }
    const double perEntry = static_cast<double>(used) / count - path.size() * sizeof(wchar_t);
    EXPECT_LE(perEntry, 64.0) << "bytes per entry beside the path";
    list.ClearEntries();
    size_t left = 0;
    walk = PROCESS_HEAP_ENTRY{};
    while (HeapWalk(heap, &walk)) {
      if (walk.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++left;
    }
    EXPECT_EQ(left, 0u) << "blocks still allocated after ClearEntries";
  }
  HeapDestroy(heap);
}

}  // namespace
