#include "plan/size_units.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeLimitFor, EveryUnitAndUnknownTexts) {
  const struct {
    int32_t value;
    const wchar_t* unit;
    int64_t bytes;
  } cases[] = {
      {100, L"B", 100},
      {3, L"KiB (1024)", 3072},
      {700, L"MiB (1024)", 734003200},
      {9999999, L"GiB (1024)", int64_t{9999999} * 1073741824},
      {5, L"KB (1000)", 5000},
      {700, L"MB (1000)", 700000000},
      {2147483647, L"GB (1000)", int64_t{2147483647} * 1000000000},
      {7, L"MiB", 7},         // not one of the texts: bytes
      {7, L"mib (1024)", 7},  // case matters
      {7, L"MiB (1024) ", 7},
      {7, nullptr, 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SizeLimitFor(c.value, c.unit), c.bytes)
        << c.value << " " << (c.unit ? c.unit : L"(null)");
  }
}

}  // namespace
