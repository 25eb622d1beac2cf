// verda list, blocks and translate on binary data files, as a script would use them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "TempDir.h"
#include "VerdaRunner.h"
#include "VqbBuilder.h"
#include "morvane/DataProfileText.h"

using vqbtest::Bytes;

namespace {

using vqbtest::ReadFileText;
const std::string& kRule = vqbtest::kBannerRule;

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    input = dir.File("data.vqb");
    const Bytes withM = vqbtest::RecordBuilder().Block(0x0004, Bytes(30, 0)).Build();
    vqbtest::VqbFileBuilder().Add(2, withM).Add(1, Bytes(300, 0)).Add(2, withM, 0).WriteTo(input);
  }
  TempDir dir;
  std::string input;
};

TEST_F(FileCommandsTest, ListShowsEveryRecordInDirectoryOrder) {
  const VerdaResult result = RunVerda({"list", input});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "2\t1\tLeq\t256\n1\t1\tNormal\t512\n2\t2\tLeq\t0\n");
}

TEST_F(FileCommandsTest, ListWarnsAboutRecordsCutShort) {
  Bytes bytes = vqbtest::VqbFileBuilder().Add(1, Bytes(256, 0)).Add(3, Bytes(256, 0)).Build();
  bytes.resize(bytes.size() - 10);
  vqbtest::WriteFile(input, bytes);
  const VerdaResult result = RunVerda({"list", input});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "1\t1\tNormal\t256\n3\t1\tMinimum\t256\n");
  EXPECT_EQ(result.err, "verda: " + input + ": record 3:1 is cut short by the end of the file\n");
}

TEST_F(FileCommandsTest, BlocksNamesThePresentBlocks) {
  const VerdaResult result = RunVerda({"blocks", input, "2", "1"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Prefix Block\nMain System Variables\n");
  const VerdaResult missing = RunVerda({"blocks", input, "2", "7"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("record 2:7"), std::string::npos);
}

TEST_F(FileCommandsTest, TranslateChosenRecordsUnderAProfile) {
  const std::string output = dir.File("out.csv");
  const VerdaResult result = RunVerda({"translate", input, output, "--profile", "Banner,1,0,0,0,0,0,0,0,0,0,0,0",
                                       "--record", "1:1", "--record", "2:1", "--blocks", "0x0000"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFileText(output), kRule + "Output of Normal 1\r\n" + kRule + kRule + "Output of Leq 1\r\n" + kRule);
}

TEST_F(FileCommandsTest, TranslateWarnsAboutRecordsItSkips) {
  const std::string output = dir.File("out.csv");
  const VerdaResult result = RunVerda({"translate", input, output, "--profile", "B,1,0,0,0,0,0,0,0,0,0,0,0", "--record",
                                       "2:2", "--record", "9:1"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.err.find("record 9:1 does not exist; skipped"), std::string::npos);
  EXPECT_NE(result.err.find("record 2:2 is empty; skipped"), std::string::npos);
  EXPECT_EQ(ReadFileText(output), "");
}

// --profile takes a name and exactly twelve 32-bit words; the settings
// store keeps its lenient reading of the same texts.
TEST_F(FileCommandsTest, TranslateRefusesAProfileItCannotMean) {
  const std::string zeros = ",0,0,0,0,0,0,0,0,0,0,0,0";
  const std::string ones = ",1,1,1,1,1,1,1,1,1,1,1";  // eleven
  const std::string nothing = "nothing was translated: the profile selects no block\n";
  const auto count = [](const std::string& n) {
    return "verda translate: --profile needs a name and 12 option words; got " + n + "\n";
  };
  const auto word = [](const std::string& w) {
    return "verda translate: --profile word 0 \"" + w + "\" is not a decimal number that fits 32 bits\n";
  };
  const struct {
    std::string text;
    std::string err;     // all of standard error, or the line before the usage line
    std::string stored;  // the settings store's reading, formatted again
  } cases[] = {
      {"bad", count("0"), "bad" + zeros},
      {"N" + ones, count("11"), "N" + ones + ",0"},
      {"N" + ones + ",1,1", count("13"), "N" + ones + ",1"},
      {"N,zz" + ones, word("zz"), "N,0" + ones},
      {"N,4294967296" + ones, word("4294967296"), "N,0" + ones},
      {zeros, "verda: " + nothing, zeros},
      {"N,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1", "", "N,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1"},
  };
  for (const auto& c : cases) {
    const auto stored = morvane::ParseProfileText(c.text);
    EXPECT_EQ(morvane::FormatProfileText(stored.name, stored.tag), c.stored) << c.text;
    const std::string output = dir.File(std::to_string(&c - cases) + ".csv");
    const VerdaResult result = RunVerda({"translate", input, output, "--record", "2:1", "--profile", c.text});
    const bool refused = c.err.rfind("verda translate: ", 0) == 0;
    EXPECT_EQ(result.status, refused ? 2 : 0) << c.text;
    EXPECT_EQ(refused ? result.err.substr(0, c.err.size()) : result.err, c.err) << c.text;
    EXPECT_EQ(std::filesystem::exists(output), !refused) << c.text;
  }
  const VerdaResult batch =
      RunVerda({"translate", "--into", dir.Path().string(), input, "--record", "2:1", "--profile", zeros});
  EXPECT_EQ(batch.err, "verda: " + input + ": " + nothing);
}

TEST(VerdaUsage, MistakesExitWithStatusTwo) {
  const std::vector<std::vector<std::string>> mistakes = {
      {},
      {"frobnicate"},
      {"list"},
      {"list", "a", "b"},
      {"blocks", "f.vqb", "256", "1"},
      {"blocks", "f.vqb", "1", "0"},
      {"translate", "in.vqb"},
      {"translate", "in.vqb", "out.csv", "--blocks", "0x10000"},
      {"translate", "in.vqb", "out.csv", "--record", "1-1"},
      {"translate", "in.vqb", "out.csv", "--profile"},
      {"translate", "in.vqb", "out.csv", "-j", "2"},
      {"translate", "--into", "/tmp"},
      {"translate", "--into", "/tmp", "-j", "0", "in.vqb"},
      {"translate", "--into", "/tmp", "a/in.vqb", "b/in.vqb"},
  };
  for (const auto& arguments : mistakes) {
    const VerdaResult result = RunVerda(arguments);
    EXPECT_EQ(result.status, 2) << testing::PrintToString(arguments);
    EXPECT_FALSE(result.err.empty());
  }
}

TEST(VerdaUsage, HelpDescribesEachCommand) {
  for (const char* command : {"list", "blocks", "translate"}) {
    const VerdaResult result = RunVerda({command, "--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind(std::string("usage: verda ") + command, 0), 0u) << result.out;
  }
  EXPECT_EQ(RunVerda({"--help"}).status, 0);
  const VerdaResult version = RunVerda({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "verda " VERDALON_VERSION "\n");
}

TEST_F(FileCommandsTest, UnreadableInputsAndUnwritableOutputsExitWithStatusOne) {
  const std::string notData = dir.File("short.vqb");
  vqbtest::WriteFile(notData, Bytes(20, 'x'));
  const VerdaResult shortFile = RunVerda({"list", notData});
  EXPECT_EQ(shortFile.status, 1);
  EXPECT_EQ(shortFile.err, "verda: " + notData + ": is shorter than the 38-byte header of a binary data file\n");
  EXPECT_EQ(RunVerda({"list", dir.File("absent.vqb")}).status, 1);

  const std::string blocked = dir.File("no/such/dir/out.csv");
  const VerdaResult unwritable = RunVerda({"translate", input, blocked, "--record", "1:1"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err,
            "verda: the folder " + dir.File("no/such/dir") + " cannot take a new file: No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists(blocked));

  // The measurement file is never replaced by its own translation, not even through a link.
  const std::string link = dir.File("link.vqb");
  std::filesystem::create_symlink(input, link);
  const auto before = std::filesystem::file_size(input);
  for (const std::string& output : {input, link}) {
    const VerdaResult itself = RunVerda({"translate", input, output});
    EXPECT_EQ(itself.status, 1);
    EXPECT_EQ(itself.err, "verda: " + output + ": is the input file; nothing was translated\n");
  }
  EXPECT_EQ(std::filesystem::file_size(input), before);
}

// Three files, one of them not a binary data file, two at a time: the two
// good ones come out as single translations would, the bad one gets one line.
TEST_F(FileCommandsTest, TranslateIntoAFolderTranslatesEachFileAndNamesTheFailures) {
  const std::string first = dir.File("first.vqb");
  vqbtest::VqbFileBuilder().Add(2, vqbtest::RecordBuilder().Block(0x0004, Bytes(30, 0)).Build()).WriteTo(first);
  const std::string second = dir.File("second.vqb");
  vqbtest::VqbFileBuilder().Add(1, Bytes(300, 7)).WriteTo(second);
  const std::string broken = dir.File("broken.vqb");
  vqbtest::WriteFile(broken, Bytes(20, 'x'));
  const std::string folder = dir.File("out");
  std::filesystem::create_directory(folder);
  const std::vector<std::string> profile = {"--profile", "B,1,1,1,1,1,1,1,1,1,3,1,1"};

  std::vector<std::string> batch = {"translate", "--into", folder, "-j", "2", first, broken, second};
  batch.insert(batch.end(), profile.begin(), profile.end());
  const VerdaResult result = RunVerda(batch);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "verda: " + broken + ": is shorter than the 38-byte header of a binary data file\n");

  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"first.csv", "second.csv"}));
  for (const std::string& source : {first, second}) {
    const std::string single = dir.File("single.csv");
    std::vector<std::string> alone = {"translate", source, single};
    alone.insert(alone.end(), profile.begin(), profile.end());
    ASSERT_EQ(RunVerda(alone).status, 0);
    const std::string name = std::filesystem::path(source).stem().string() + ".csv";
    EXPECT_EQ(ReadFileText(folder + "/" + name), ReadFileText(single)) << name;
  }
}

}  // namespace
