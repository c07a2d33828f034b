#include "plan/size_caption.h"

namespace {

constexpr uint64_t MiB = uint64_t{1024} * 1024;

}  // namespace

std::wstring FormatMiB(int64_t bytes) {
  // Integer arithmetic on the exact byte count: no locale, no C library
  // rounding quirks. Halves round away from zero (131,072 bytes give 0.13).
  const bool negative = bytes < 0;
  const uint64_t magnitude =
      negative ? uint64_t{0} - static_cast<uint64_t>(bytes) : static_cast<uint64_t>(bytes);
  uint64_t whole = magnitude / MiB;
  const uint64_t rest = magnitude % MiB;  // below 2^20, so rest * 200 cannot overflow
  uint64_t cents = (rest * 200 + MiB) / (2 * MiB);
  if (cents == 100) {
    ++whole;
    cents = 0;
  }
  std::wstring text;
  // Every negative amount keeps its sign, also one that rounds to -0.00.
  if (negative) text.push_back(L'-');
  text += std::to_wstring(whole);
  text.push_back(L'.');
  text.push_back(static_cast<wchar_t>(L'0' + cents / 10));
  text.push_back(static_cast<wchar_t>(L'0' + cents % 10));
  return text;
}

std::wstring PackageSizeCaption(int64_t bytes) {
  return L"Inhalt des markierten Pakets (Gr\u00f6\u00dfe: " + FormatMiB(bytes) + L" MiB)";
}
