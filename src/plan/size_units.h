#pragma once
#include <cstdint>

// Bytes for value in the unit named by unitText, one of the texts of the
// size unit list ("B", "KiB (1024)", ... "GB (1000)"), matched exactly.
int64_t SizeLimitFor(int32_t value, const wchar_t* unitText);

// The unit texts in the order the size unit list offers them.
constexpr int SizeUnitCount = 7;
const wchar_t* SizeUnitText(int index);
