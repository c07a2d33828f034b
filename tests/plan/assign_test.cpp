#include "plan/assign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Fills a list with entries f1, f2, ... (scan order) of the given sizes, runs
// assign on it and returns "name:package" in the list's order afterwards.
template <typename Assign>
std::wstring Plan(const std::vector<int64_t>& sizes, Assign assign) {
  FileList list;
  for (size_t i = 0; i < sizes.size(); ++i) {
    const std::wstring name = L"f" + std::to_wstring(i + 1);
    list.AddEntry(name.c_str(), name.size())->Size = sizes[i];
  }
  assign(list);
  std::wstring out;
  list.Rewind();
  while (FileEntry* e = list.Advance())
    out += std::wstring(e->Path) + L":" + std::to_wstring(e->Package) + L" ";
  return out;
}

TEST(AssignByCount, DealsOutInTurn) {
  const struct {
    size_t files;
    int32_t count;
    const wchar_t* plan;
  } cases[] = {
      {7, 3, L"f1:1 f2:2 f3:3 f4:1 f5:2 f6:3 f7:1 "},
      {4, 10, L"f1:1 f2:2 f3:3 f4:4 "},
      {3, 0, L"f1:1 f2:1 f3:1 "},
      {3, -5, L"f1:1 f2:1 f3:1 "},
      {0, 3, L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        Plan(std::vector<int64_t>(c.files, 10), [&](FileList& l) { AssignByCount(l, c.count); }),
        c.plan)
        << c.files << " files, count " << c.count;
  }
}

TEST(AssignBySize, NextFitOnSizesLargestFirst) {
  const int64_t G = int64_t{1} << 32;
  const struct {
    std::vector<int64_t> sizes;  // scan order
    int64_t limit;
    const wchar_t* plan;
    int notices;
  } cases[] = {
      // Equal sizes keep scan order; a file that reaches the limit exactly joins.
      {{30, 70, 50, 50, 20}, 100, L"f2:1 f3:2 f4:2 f1:3 f5:3 ", 0},
      // The largest file widens the limit, with one notice for two large files.
      {{60, 150, 40, 120}, 100, L"f2:1 f4:2 f1:3 f3:3 ", 1},
      {{100, 1}, 100, L"f1:1 f2:2 ", 0},
      // Next fit never goes back to an earlier package.
      {{60, 50, 50, 40}, 100, L"f1:1 f2:2 f3:2 f4:3 ", 0},
      // Zero bytes and failed lookups come last and join the last package.
      {{-1, 0, 60, 41, 0}, 100, L"f3:1 f4:2 f2:2 f5:2 f1:2 ", 0},
      {{3 * G, 2 * G, 1 * G}, 4 * G, L"f1:1 f2:2 f3:2 ", 0},
      {{}, 100, L"", 0},
  };
  for (const auto& c : cases) {
    int notices = 0;
    EXPECT_EQ(Plan(c.sizes, [&](FileList& l) { AssignBySize(l, c.limit, [&] { ++notices; }); }),
              c.plan)
        << c.limit;
    EXPECT_EQ(notices, c.notices) << c.plan;
  }
}

}  // namespace
