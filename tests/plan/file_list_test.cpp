#include "plan/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

FileEntry* Add(FileList& list, const std::wstring& path, int64_t size = 0, int32_t package = 0) {
  FileEntry* e = list.AddEntry(path.c_str(), path.size());
  e->Size = size;
  e->Package = package;
  return e;
}

// Paths in list order, walking with the cursor; also checks prev links and count.
std::vector<std::wstring> Paths(FileList& list) {
  std::vector<std::wstring> out;
  const FileEntry* prev = nullptr;
  list.Rewind();
  while (FileEntry* e = list.Advance()) {
    EXPECT_EQ(e->prev, prev) << "broken prev link at " << out.size();
    out.emplace_back(e->Path, e->PathLength);
    prev = e;
  }
  EXPECT_EQ(static_cast<int>(out.size()), list.EntryCount());
  return out;
}

using Names = std::vector<std::wstring>;

TEST(FileList, AddEntryInsertsAfterCursorAndCursorWalks) {
  FileList list;
  EXPECT_EQ(list.Advance(), nullptr);
  EXPECT_EQ(list.MoveToFirst(), nullptr);
  EXPECT_EQ(list.MoveToLast(), nullptr);
  const FileEntry* blank = list.AddEntry();
  EXPECT_TRUE(blank->Path[0] == L'\0' && blank->Size == 0 && blank->Package == 0);
  list.ClearEntries();

  Add(list, L"a");
  Add(list, L"c");
  list.MoveToFirst();
  Add(list, L"b");  // after a, before c
  list.Rewind();
  Add(list, L"0");  // no current entry: at the front
  EXPECT_EQ(Paths(list), (Names{L"0", L"a", L"b", L"c"}));
  // At the end Advance gives nothing and the cursor stays on the last entry.
  EXPECT_EQ(list.Advance(), nullptr);
  Add(list, L"d");
  EXPECT_EQ(Paths(list), (Names{L"0", L"a", L"b", L"c", L"d"}));
  EXPECT_STREQ(list.MoveToLast()->Path, L"d");

  list.ClearEntries();
  EXPECT_EQ(list.EntryCount(), 0);
  EXPECT_EQ(list.Advance(), nullptr);
  Add(list, L"x");
  EXPECT_EQ(Paths(list), Names{L"x"});
}

// Every key and direction against std::stable_sort, on lists with many equal
// keys so that an unstable merge shows.
TEST(FileList, SortIsStableForBothKeysAndDirections) {
  struct Item {
    int64_t size;
    int32_t package;
    std::wstring path;
  };
  for (int count : {0, 1, 2, 3, 7, 64, 1025}) {
    std::vector<Item> items;
    unsigned x = 12345u + static_cast<unsigned>(count);
    for (int i = 0; i < count; ++i) {
      x = x * 1103515245u + 12345u;
      items.push_back({int64_t((x >> 16) % 5) - 2, int32_t((x >> 8) % 4) - 1, std::to_wstring(i)});
    }
    if (count > 1) items.push_back({int64_t{1} << 40, 7, L"big"});  // a key beyond 32 bits
    for (SortKey key : {SortKey::Size, SortKey::Package}) {
      for (SortOrder order : {SortOrder::Ascending, SortOrder::Descending}) {
        FileList list;
        for (const Item& it : items) Add(list, it.path, it.size, it.package);
        list.SortEntries(key, order);
        FileEntry* afterSort = list.Advance();
        EXPECT_EQ(afterSort, list.MoveToFirst()) << "the sort must leave no current entry";

        std::vector<Item> expected = items;
        std::stable_sort(expected.begin(), expected.end(), [&](const Item& a, const Item& b) {
          const int64_t ka = key == SortKey::Size ? a.size : a.package;
          const int64_t kb = key == SortKey::Size ? b.size : b.package;
          return order == SortOrder::Ascending ? ka < kb : ka > kb;
        });
        Names expectedPaths;
        for (const Item& it : expected) expectedPaths.push_back(it.path);
        EXPECT_EQ(Paths(list), expectedPaths)
            << count << " entries, key " << int(key) << ", order " << int(order);
        list.MoveToLast();  // the relinked list knows its last entry
        Add(list, L"tail");
        EXPECT_EQ(Paths(list).back(), L"tail");
      }
    }
  }
}

// One block per entry from the given heap, at most 64 bytes beside the path
// text, and nothing left after ClearEntries.
TEST(FileList, EntriesComeFromTheGivenHeapAsOneBlock) {
  HANDLE heap = HeapCreate(HEAP_NO_SERIALIZE, 0, 0);
  ASSERT_NE(heap, nullptr);
  const auto busyBytes = [heap] {
    size_t used = 0;
    PROCESS_HEAP_ENTRY walk{};
    while (HeapWalk(heap, &walk)) {
      if (walk.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += walk.cbData + walk.cbOverhead;
    }
    return used;
  };
  {
    FileList list(heap);
    const std::wstring path(100, L'p');
    const int count = 300000;
    for (int i = 0; i < count; ++i) Add(list, path);
    FileEntry* first = list.MoveToFirst();
    EXPECT_EQ(first->Path, reinterpret_cast<wchar_t*>(first + 1));
    EXPECT_EQ(HeapSize(heap, 0, first), sizeof(FileEntry) + (path.size() + 1) * sizeof(wchar_t));
    EXPECT_LE(double(busyBytes()) / count - path.size() * sizeof(wchar_t), 64.0)
        << "bytes per entry";
    list.ClearEntries();
    EXPECT_EQ(busyBytes(), 0u);
  }
  HeapDestroy(heap);
}

}  // namespace
