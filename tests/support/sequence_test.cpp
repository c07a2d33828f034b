#include "support/sequence.h"

namespace {

TEST(SequenceMatch, OptionalEntriesMayBeMissingOthersMayNot) {
  EXPECT_TRUE(MatchesSequence<int>({1, 3}, {1, Optional(2), 3}, "optional left out"));
  EXPECT_TRUE(MatchesSequence<int>({1, 2, 3}, {1, Optional(2), 3}, "optional seen"));
  EXPECT_TRUE(MatchesSequence<int>({1}, {1, Optional(2)}, "optional at the end"));
  EXPECT_FALSE(MatchesSequence<int>({1, 3}, {1, 2, 3}, "required left out"));
  EXPECT_FALSE(MatchesSequence<int>({3, 1}, {1, 3}, "order"));
  EXPECT_FALSE(MatchesSequence<int>({1, 3, 4}, {1, 3}, "more seen"));
  EXPECT_FALSE(MatchesSequence<int>({}, {1}, "nothing seen"));
}

TEST(SequenceMatch, AMismatchShowsBothSequencesAndTheContext) {
  const std::string text =
      MatchesSequence<int>({1, 5, 3}, {1, Optional(4), 3}, "after Tab").message();
  EXPECT_NE(text.find("after Tab: expected entry 2 (3), saw 5"), std::string::npos) << text;
  EXPECT_NE(text.find("seen:    1 5 3"), std::string::npos) << text;
  EXPECT_NE(text.find("expected: 1 4? 3"), std::string::npos) << text;
}

}  // namespace
