#include "plan/size_units.h"

#include <gtest/gtest.h>

#include "support/program_texts.h"

namespace {

TEST(SizeLimitFor, EveryUnitAndUnknownTexts) {
  const struct {
    int32_t value;
    const wchar_t* unit;
    int64_t bytes;
  } cases[] = {
      {100, SizeUnits[0], 100},
      {3, SizeUnits[1], 3072},
      {700, SizeUnits[2], 734003200},
      {9999999, SizeUnits[3], int64_t{9999999} * 1073741824},
      {5, SizeUnits[4], 5000},
      {700, SizeUnits[5], 700000000},
      {2147483647, SizeUnits[6], int64_t{2147483647} * 1000000000},
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
