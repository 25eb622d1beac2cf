// The persisted text form of data profiles.
#include <gtest/gtest.h>

#include "morvane/DataProfileText.h"

namespace {

using morvane::FormatProfileText;
using morvane::ParseProfileText;

TEST(DataProfileText, TheDefaultProfileRoundTrips) {
  const auto profile = ParseProfileText(morvane::kDefaultProfileText);
  EXPECT_EQ(profile.name, "<default>");
  EXPECT_EQ(profile.tag.word[0], 3u);
  for (int word = 1; word < kProfileWords; ++word) EXPECT_EQ(profile.tag.word[word], 1u) << word;
  EXPECT_EQ(FormatProfileText(profile.name, profile.tag), morvane::kDefaultProfileText);
}

TEST(DataProfileText, LargeWordsSurviveAsSignedNumbers) {
  _DataProfileTag tag{};
  tag.word[0] = 0xFFFFFFFFu;
  tag.word[11] = 0x80000000u;
  const std::string text = FormatProfileText("Big", tag);
  EXPECT_EQ(text, "Big,-1,0,0,0,0,0,0,0,0,0,0,-2147483648");
  const auto parsed = ParseProfileText(text);
  EXPECT_EQ(parsed.tag.word[0], 0xFFFFFFFFu);
  EXPECT_EQ(parsed.tag.word[11], 0x80000000u);
  EXPECT_EQ(ParseProfileText("U,4294967295").tag.word[0], 0xFFFFFFFFu);
}

TEST(DataProfileText, MissingAndMalformedWordsAreZero) {
  struct Case {
    const char* text;
    const char* name;
    uint32_t word0;
    uint32_t word1;
  };
  const Case cases[] = {
      {"OnlyName", "OnlyName", 0, 0}, {"Short,5", "Short", 5, 0}, {"Junk,abc,7x", "Junk", 0, 7},
      {",1,2", "", 1, 2},             {"", "", 0, 0},             {"Sp, 9,+4", "Sp", 9, 4},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseProfileText(c.text);
    EXPECT_EQ(parsed.name, c.name) << c.text;
    EXPECT_EQ(parsed.tag.word[0], c.word0) << c.text;
    EXPECT_EQ(parsed.tag.word[1], c.word1) << c.text;
    EXPECT_EQ(parsed.tag.word[11], 0u) << c.text;
  }
}

TEST(DataProfileText, ExtraWordsAreIgnored) {
  const auto parsed = ParseProfileText("X,1,2,3,4,5,6,7,8,9,10,11,12,13,14");
  EXPECT_EQ(parsed.tag.word[11], 12u);
}

}  // namespace
