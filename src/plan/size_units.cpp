#include "plan/size_units.h"

#include <cwchar>

namespace {

struct SizeUnit {
  const wchar_t* text;
  int64_t factor;
};

constexpr SizeUnit Units[SizeUnitCount] = {
    {L"B", 1},
    {L"KiB (1024)", int64_t{1024}},
    {L"MiB (1024)", int64_t{1024} * 1024},
    {L"GiB (1024)", int64_t{1024} * 1024 * 1024},
    {L"KB (1000)", int64_t{1000}},
    {L"MB (1000)", int64_t{1000} * 1000},
    {L"GB (1000)", int64_t{1000} * 1000 * 1000},
};

}  // namespace

int64_t SizeLimitFor(int32_t value, const wchar_t* unitText) {
  // A text that names none of the units counts as bytes.
  int64_t factor = 1;
  if (unitText) {
    for (const SizeUnit& unit : Units) {
      if (std::wcscmp(unit.text, unitText) == 0) {
        factor = unit.factor;
        break;
      }
    }
  }
  return int64_t{value} * factor;
}

const wchar_t* SizeUnitText(int index) {
  return index >= 0 && index < SizeUnitCount ? Units[index].text : L"";
}
