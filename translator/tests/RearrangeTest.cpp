// Rearranging the autostore table of a translated file, and when it is asked for.
#include "morvane/Rearrange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FullDisk.h"
#include "TempDir.h"
#include "VqbBuilder.h"

namespace {

void WriteText(const std::string& path, const std::string& text) {
  vqbtest::WriteFile(path, vqbtest::Bytes(text.begin(), text.end()));
}

// 24 columns: a first line of 23 commas; the second line lacks the last two fields.
std::string WideTable(bool rearranged) {
  std::string text = "A Block\r\nData Follows\r\n";
  if (!rearranged) {
    std::string heading = "h0";
    std::string values = "v0";
    for (int k = 1; k < 24; ++k) heading += ",h" + std::to_string(k);
    for (int k = 1; k < 22; ++k) values += ",v" + std::to_string(k);
    return text + heading + "\r\n" + values + "\r\n";
  }
  for (int k = 0; k < 24; ++k) {
    text += "h" + std::to_string(k) + ",";
    if (k < 22) text += "v" + std::to_string(k) + ",";
    text += "\r\n";
  }
  return text;
}

struct RearrangeCase {
  const char* what;
  std::string before;
  std::string after;
};

TEST(RearrangeTest, EveryColumnBecomesARow) {
  const RearrangeCase cases[] = {
      {"24 columns in passes of 10, 10 and 4, the last field kept", WideTable(false), WideTable(true)},
      {"short and empty lines, LF line ends", "x\nData Follows\n,A,B\n,1\n\n",
       "x\r\nData Follows\r\n,,,\r\nA,1,\r\nB,\r\n"},
      {"a first table line without a comma keeps the rest", "Data Follows\r\nnote\r\n,1,2\r\n",
       "Data Follows\r\nnote\r\n,1,2\r\n"},
      {"no Data Follows line", ",a,b\r\n,c\n", ",a,b\r\n,c\n"},
      {"nothing after Data Follows", ",Frames,0\r\nData Follows", ",Frames,0\r\nData Follows\r\n"},
  };
  for (const RearrangeCase& test : cases) {
    TempDir dir;
    const std::string output = dir.File("out.csv");
    WriteText(output, test.before);
    EXPECT_TRUE(morvane::RearrangeOutput(output)) << test.what;
    EXPECT_EQ(vqbtest::ReadFileText(output), test.after) << test.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << test.what;
  }
}

TEST(RearrangeTest, AFailedWriteLeavesTheTranslatedOutput) {
  TempDir dir;
  const std::string output = dir.File("out.csv");
  const std::string translated = "Data Follows\r\n" + std::string(8000, ',') + "\r\n";
  WriteText(output, translated);

  EXPECT_FALSE(WithFullDisk(4096, [&] { return morvane::RearrangeOutput(output); }));
  EXPECT_EQ(vqbtest::ReadFileText(output), translated);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
  EXPECT_FALSE(morvane::RearrangeOutput(dir.File("missing.csv")));
}

TEST(RearrangeTest, WantedOnlyForADecodedABlockAndAChosenProfileAskingForIt) {
  struct {
    int aBlockDecoded;
    bool profileChosen;
    uint32_t autostoreWord;
    bool wanted;
  } const cases[] = {{1, true, 3, true}, {1, true, 2, true}, {1, true, 1, false}, {0, true, 3, false},
                     {1, false, 3, false}};
  for (const auto& test : cases) {
    _DataProfileTag profile{};
    profile.word[9] = test.autostoreWord;
    EXPECT_EQ(morvane::WantsRearrangedOutput(test.aBlockDecoded, test.profileChosen ? &profile : nullptr), test.wanted)
        << test.aBlockDecoded << ' ' << test.profileChosen << ' ' << test.autostoreWord;
  }
}

}  // namespace
