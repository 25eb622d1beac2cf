// The translation driver: requests, banners, preamble, skipped records, and
// output files that are written whole or not at all.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FullDisk.h"
#include "TempDir.h"
#include "VqbBuilder.h"
#include "morvane/Morvane.h"
#include "morvane/Rearrange.h"

using vqbtest::Bytes;

namespace {

using vqbtest::ReadFileText;
const std::string& kRule = vqbtest::kBannerRule;

class TranslateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    input = dir.File("in.vqb");
    output = dir.File("out.csv");
    const Bytes record = vqbtest::RecordBuilder().Build();
    vqbtest::VqbFileBuilder()
        .Add(1, record)
        .Add(2, record)
        .Add(2, record, 0)
        .Add(2, record)
        .WriteTo(input);
  }

  _TranslateInfoTag Request(std::vector<_RecordEntryTag>& records, _DataProfileTag* profile = nullptr) {
    _TranslateInfoTag info{};
    std::strncpy(info.inputPath, input.c_str(), sizeof info.inputPath - 1);
    std::strncpy(info.outputPath, output.c_str(), sizeof info.outputPath - 1);
    info.profile = profile;
    info.records = records.data();
    info.recordTotal = static_cast<unsigned short>(records.size());
    info.blockSelect = ALL_PRESENT_BLOCKS;
    return info;
  }

  bool OnlyOutputIn(const std::filesystem::path& folder, std::size_t expected) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(folder)) ++count;
    return count == expected;
  }

  TempDir dir;
  std::string input;
  std::string output;
};

TEST_F(TranslateTest, BannersNameEachRecordByTypeAndNumber) {
  std::vector<_RecordEntryTag> records = {{2, 1, ""}, {1, 1, ""}, {2, 3, ""}};
  _DataProfileTag profile{};
  profile.word[0] = 1;
  _TranslateInfoTag info = Request(records, &profile);
  Morvane translator;
  ASSERT_EQ(translator.Translate(&info), 1);
  EXPECT_EQ(ReadFileText(output), kRule + "Output of Leq 1\r\n" + kRule + kRule + "Output of Normal 1\r\n" + kRule + kRule +
                                 "Output of Leq 3\r\n" + kRule);
  EXPECT_EQ(translator.ABlockDecoded(), 0);
}

TEST_F(TranslateTest, PreambleStandsVerbatimBeforeEverything) {
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  _DataProfileTag profile{};
  profile.word[0] = 1;
  _TranslateInfoTag info = Request(records, &profile);
  const char preamble[] = "0123456789tail";
  info.preamble = preamble;
  info.preambleLength = 10;
  Morvane translator;
  ASSERT_EQ(translator.Translate(&info), 1);
  EXPECT_EQ(ReadFileText(output), "0123456789" + kRule + "Output of Normal 1\r\n" + kRule);
}

TEST_F(TranslateTest, NoProfileMeansEveryOption) {
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  _TranslateInfoTag info = Request(records);
  Morvane translator;
  ASSERT_EQ(translator.Translate(&info), 1);
  EXPECT_EQ(ReadFileText(output).rfind(kRule + "Output of Normal 1\r\n" + kRule + "P Block\r\n,Store Type,Normal\r\n", 0),
            0u);
}

TEST_F(TranslateTest, MissingEmptyAndUnreadableRecordsLeaveNoTrace) {
  Bytes bytes = vqbtest::VqbFileBuilder().Add(1, Bytes(256, 0)).Add(1, Bytes(256, 0)).Build();
  bytes.resize(bytes.size() - 1);
  vqbtest::WriteFile(input, bytes);
  std::vector<_RecordEntryTag> records = {{1, 2, ""}, {9, 1, ""}, {1, 0, ""}, {1, 1, ""}};
  _DataProfileTag profile{};
  profile.word[0] = 1;
  _TranslateInfoTag info = Request(records, &profile);
  Morvane translator;
  ASSERT_EQ(translator.Translate(&info), 1);
  EXPECT_EQ(ReadFileText(output), kRule + "Output of Normal 1\r\n" + kRule);
}

TEST_F(TranslateTest, RefusedRequestsCreateNoOutput) {
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  Morvane translator;
  EXPECT_EQ(translator.Translate(nullptr), 0);
  _TranslateInfoTag none = Request(records);
  none.recordTotal = 0;
  EXPECT_EQ(translator.Translate(&none), 0);
  none = Request(records);
  none.records = nullptr;
  EXPECT_EQ(translator.Translate(&none), 0);

  input = dir.File("absent.vqb");
  _TranslateInfoTag missing = Request(records);
  EXPECT_EQ(translator.Translate(&missing), 0);

  input = dir.File("empty.vqb");
  vqbtest::VqbFileBuilder().WriteTo(input);
  _TranslateInfoTag empty = Request(records);
  EXPECT_EQ(translator.Translate(&empty), 0);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(TranslateTest, SuccessReplacesAnExistingOutput) {
  vqbtest::WriteFile(output, Bytes(5000, 'x'));
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  _DataProfileTag profile{};
  _TranslateInfoTag info = Request(records, &profile);
  Morvane translator;
  ASSERT_EQ(translator.Translate(&info), 1);
  EXPECT_EQ(ReadFileText(output), "");
  EXPECT_TRUE(OnlyOutputIn(dir.Path(), 2)) << "no temporary file is left behind";
}

// Both writers of translated text replace the file a link leads to, and the
// replaced file keeps its permission bits.
TEST_F(TranslateTest, OutputsReplaceTheLinkedFileAndKeepItsMode) {
  namespace fs = std::filesystem;
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  const std::pair<const char*, std::function<bool()>> writers[] = {
      {"translation", [&] { _TranslateInfoTag info = Request(records); return Morvane().Translate(&info) == 1; }},
      {"rearrangement", [&] { return morvane::RearrangeOutput(output); }},
  };
  const std::string linked = dir.File("linked.csv");
  fs::create_symlink("linked.csv", output);
  const std::string old = "Data Follows\n,1\n";
  for (const auto& [name, write] : writers) {
    vqbtest::WriteFile(linked, Bytes(old.begin(), old.end()));
    fs::permissions(linked, fs::perms(0640));
    ASSERT_TRUE(write()) << name;
    EXPECT_TRUE(fs::is_symlink(output)) << name;
    EXPECT_NE(ReadFileText(linked), old) << name;
    EXPECT_EQ(fs::status(linked).permissions(), fs::perms(0640)) << name;
  }
}

TEST_F(TranslateTest, AnUncreatableOutputFails) {
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  output = dir.File("no/such/folder/out.csv");
  _TranslateInfoTag info = Request(records);
  Morvane translator;
  EXPECT_EQ(translator.Translate(&info), 0);
}

TEST_F(TranslateTest, AFullDiskFailsAndKeepsTheOldOutput) {
  vqbtest::WriteFile(output, Bytes(10, 'o'));
  std::vector<_RecordEntryTag> records(2000, _RecordEntryTag{2, 1, ""});
  _TranslateInfoTag info = Request(records);

  Morvane translator;
  const int result = WithFullDisk(4096, [&] { return translator.Translate(&info); });

  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadFileText(output), "oooooooooo");
  EXPECT_TRUE(OnlyOutputIn(dir.Path(), 2));
}

TEST_F(TranslateTest, BlocksFollowTheWritingOrder) {
  // Each body has the size its block kind expects (two hardware channels), so no block reports its length.
  const Bytes record = vqbtest::RecordBuilder()
                           .Block(0x1000, Bytes(16, 0))
                           .Block(0x0200, Bytes(82, 0))
                           .Block(0x0040, Bytes(22, 0))
                           .Block(0x0020, Bytes(19, 0))
                           .Block(0x0010, Bytes(77, 0))
                           .Block(0x0008, Bytes(358, 0))
                           .Block(0x0002, Bytes(66, 0))
                           .Build();
  vqbtest::VqbFileBuilder().Add(1, record).WriteTo(input);
  _DataProfileTag profile{};
  for (uint32_t& word : profile.word) word = 0x1;
  profile.word[0] = 0x2;
  std::vector<_RecordEntryTag> records = {{1, 1, ""}};
  _TranslateInfoTag info = Request(records, &profile);
  ASSERT_EQ(Morvane().Translate(&info), 1);
  const std::string text = "\n" + ReadFileText(output);
  EXPECT_EQ(text.find("_Block:"), std::string::npos) << text;
  std::size_t at = 0;
  for (const char* heading :
       {"P Block", "N Block", "TH Block", "T Block", "LH Block", "L Block", "I Block", "S Block"}) {
    at = text.find(std::string("\n") + heading + "\r\n", at);
    ASSERT_NE(at, std::string::npos) << heading << " in order in " << text;
  }
}

TEST_F(TranslateTest, VersionIsFixed) { EXPECT_STREQ(Morvane::Version(), "1.10"); }

}  // namespace
