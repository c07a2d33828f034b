#pragma once
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

// Compares what a test saw (events, messages, focus stops, ...) with the
// sequence it expects, entry by entry. An optional entry may be missing; on a
// mismatch the whole seen and expected sequences are printed with the test's
// context, so one failure shows what happened around it.
//
//   EXPECT_TRUE(MatchesSequence(seen, {EventGadget, Optional(EventRepaint), EventSize},
//                               "after the click"));

template <typename T>
struct SequenceEntry {
  // Not explicit: an expected list reads as plain values.
  SequenceEntry(T v, bool opt = false) : value(v), optional(opt) {}
  T value;
  bool optional;
};

template <typename T>
SequenceEntry<T> Optional(T value) {
  return SequenceEntry<T>(value, true);
}

template <typename T>
::testing::AssertionResult MatchesSequence(
    const std::vector<T>& seen,
    const std::vector<SequenceEntry<std::common_type_t<T>>>& expected,  // T taken from seen only
    const std::string& context) {
  size_t s = 0;
  size_t e = 0;
  while (e < expected.size()) {
    if (s < seen.size() && seen[s] == expected[e].value) {
      ++s;
    } else if (!expected[e].optional) {
      break;
    }
    ++e;
  }
  if (e == expected.size() && s == seen.size()) return ::testing::AssertionSuccess();
  auto result = ::testing::AssertionFailure();
  result << context << ": ";
  if (e < expected.size()) {
    result << "expected entry " << e << " (" << ::testing::PrintToString(expected[e].value) << ")";
    result << (s < seen.size() ? ", saw " + ::testing::PrintToString(seen[s]) : ", saw the end");
  } else {
    result << "more seen than expected from entry " << s;
  }
  result << "\n  seen:    ";
  for (const T& v : seen) result << ::testing::PrintToString(v) << ' ';
  result << "\n  expected:";
  for (const auto& x : expected) {
    result << ' ' << ::testing::PrintToString(x.value) << (x.optional ? "?" : "");
  }
  return result;
}
