#include "plan/assign.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A list whose entries are named f1, f2, ... in scan order.
void Fill(FileList& list, const std::vector<int64_t>& sizes) {
  for (size_t i = 0; i < sizes.size(); ++i) {
    const std::wstring name = L"f" + std::to_wstring(i + 1);
    list.AddEntry(name.c_str(), name.size())->Size = sizes[i];
  }
}

using Plan = std::vector<std::pair<std::wstring, int32_t>>;

Plan Packages(FileList& list) {
  Plan out;
  list.Rewind();
  while (FileEntry* e = list.Advance()) out.emplace_back(e->Path, e->Package);
  return out;
}

TEST(AssignByCount, DealsOutInTurn) {
  const struct {
    int files;
    int32_t count;
    std::vector<int32_t> packages;
  } cases[] = {
      {7, 3, {1, 2, 3, 1, 2, 3, 1}},
      {4, 10, {1, 2, 3, 4}},
      {3, 1, {1, 1, 1}},
      {3, 0, {1, 1, 1}},
      {3, -5, {1, 1, 1}},
      {0, 3, {}},
  };
  for (const auto& c : cases) {
    FileList list;
    Fill(list, std::vector<int64_t>(c.files, 10));
    AssignByCount(list, c.count);
    Plan expected;
    for (size_t i = 0; i < c.packages.size(); ++i) expected.emplace_back(L"f" + std::to_wstring(i + 1), c.packages[i]);
    EXPECT_EQ(Packages(list), expected) << c.files << " files, count " << c.count;
  }
}

TEST(AssignBySize, NextFitOnSizesLargestFirst) {
  const struct {
    const char* what;
    std::vector<int64_t> sizes;  // in scan order
    int64_t limit;
    Plan expected;  // list order afterwards
    int notices;
  } cases[] = {
      {"equal sizes keep scan order; exactly the limit joins",
       {30, 70, 50, 50, 20},
       100,
       {{L"f2", 1}, {L"f3", 2}, {L"f4", 2}, {L"f1", 3}, {L"f5", 3}},
       0},
      {"oversized file widens the limit once",
       {60, 150, 40, 120},
       100,
       {{L"f2", 1}, {L"f4", 2}, {L"f1", 3}, {L"f3", 3}},
       1},
      {"largest exactly the limit: no notice", {100, 1}, 100, {{L"f1", 1}, {L"f2", 2}}, 0},
      {"next fit never looks back",
       {60, 50, 50, 40},
       100,
       {{L"f1", 1}, {L"f2", 2}, {L"f3", 2}, {L"f4", 3}},
       0},
      {"zero bytes join the last package, -1 lowers the sum",
       {-1, 0, 60, 41, 0},
       100,
       {{L"f3", 1}, {L"f4", 2}, {L"f2", 2}, {L"f5", 2}, {L"f1", 2}},
       0},
      {"sizes beyond 32 bits",
       {int64_t{3} << 32, int64_t{2} << 32, int64_t{1} << 32},
       int64_t{4} << 32,
       {{L"f1", 1}, {L"f2", 2}, {L"f3", 2}},
       0},
      {"empty list", {}, 100, {}, 0},
  };
  for (const auto& c : cases) {
    FileList list;
    Fill(list, c.sizes);
    int notices = 0;
    AssignBySize(list, c.limit, [&] { ++notices; });
    EXPECT_EQ(Packages(list), c.expected) << c.what;
    EXPECT_EQ(notices, c.notices) << c.what;
  }
}

}  // namespace
