#include <gtest/gtest.h>

#include <clocale>

#include "plan/size_caption.h"
#include "plan/size_units.h"

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

TEST(FormatMiB, TwoDecimalsWithFullStop) {
  // A C library told to use the German locale must not turn the point into a comma.
  std::setlocale(LC_ALL, "German");
  const struct {
    int64_t bytes;
    const wchar_t* text;
  } cases[] = {
      {0, L"0.00"},
      {1, L"0.00"},
      {1048575, L"1.00"},
      {1048576, L"1.00"},
      {1572864, L"1.50"},
      {734003200, L"700.00"},
      {int64_t{10} << 30, L"10240.00"},
      {131072, L"0.13"},   // exactly 0.125: half rounds away from zero
      {5232394, L"4.99"},  // 4.99007...
      {-2097152, L"-2.00"},
      {-1572864, L"-1.50"},
      {-1, L"-0.00"},  // rounds to zero and keeps its sign, as printf does
      {INT64_MIN, L"-8796093022208.00"},
      {INT64_MAX, L"8796093022208.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMiB(c.bytes), c.text) << c.bytes;
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(PackageSizeCaption(1572864),
            L"Inhalt des markierten Pakets (Gr\u00f6\u00dfe: 1.50 MiB)");
}

}  // namespace
