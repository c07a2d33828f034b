#include "plan/size_caption.h"

#include <gtest/gtest.h>

#include <clocale>

#include "support/program_texts.h"

namespace {

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
  EXPECT_EQ(PackageSizeCaption(1572864), SizedContentsCaption(L"1.50"));
}

}  // namespace
