#include "simanalyzer/SimOptions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "simanalyzer/DemoRecords.h"
#include "simanalyzer/VqbFiles.h"

namespace simanalyzer {
namespace {

std::optional<SimOptions> Parse(std::vector<std::string> arguments) {
  std::string problem;
  return ParseSimOptions(arguments, problem);
}

TEST(SimOptionsTest, Defaults) {
  const auto options = Parse({});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->model, Model::Cedar);
  EXPECT_EQ(options->pacing.baud, 19200);
  EXPECT_TRUE(options->loads.empty());
  EXPECT_TRUE(options->diskette);
  EXPECT_FALSE(options->help);
}

TEST(SimOptionsTest, EveryOptionTakesEffect) {
  const auto options = Parse({"--model", "deodar", "--baud", "9600", "--speed", "2.5", "--load", "a/b/Site.vqb",
                              "--load", "c.vqb=NOISE", "--no-diskette", "--fail", "qrlr=7", "--silent-after", "40",
                              "--drop-line", "QHS=3", "--short-record", "10", "--non-numeric-size",
                              "--missing-listing-lines", "2", "--battery", "6.5", "--recording-macro", "9", "--help"});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->model, Model::Deodar);
  EXPECT_EQ(options->pacing.baud, 9600);
  EXPECT_DOUBLE_EQ(options->pacing.speedFactor, 2.5);
  ASSERT_EQ(options->loads.size(), 2u);
  EXPECT_EQ(options->loads[0].path, "a/b/Site.vqb");
  EXPECT_EQ(options->loads[0].memoryName, "Site");
  EXPECT_EQ(options->loads[1].path, "c.vqb");
  EXPECT_EQ(options->loads[1].memoryName, "NOISE");
  EXPECT_FALSE(options->diskette);
  EXPECT_EQ(options->faults.failCommand, "QRLR");
  EXPECT_EQ(options->faults.failCode, 7);
  EXPECT_EQ(options->faults.silentAfterBytes, 40u);
  EXPECT_EQ(options->faults.dropLineOf, "QHS");
  EXPECT_EQ(options->faults.droppedLineIndex, 3u);
  EXPECT_EQ(options->faults.recordDataShortBy, 10u);
  EXPECT_TRUE(options->faults.nonNumericRecordSize);
  EXPECT_EQ(options->faults.listingLinesMissing, 2u);
  EXPECT_EQ(options->batteryVolts, "6.5");
  EXPECT_EQ(options->recordingMacro, 9);
  EXPECT_TRUE(options->help);
}

TEST(SimOptionsTest, BadOptionsAreRefusedWithAReason) {
  struct Case {
    std::vector<std::string> arguments;
    const char* problem;
  };
  const Case cases[] = {
      {{"--model", "Oak"}, "bad value for --model: Oak"},
      {{"--baud"}, "--baud needs a value"},
      {{"--baud", "fast"}, "bad value for --baud: fast"},
      {{"--baud", "-1"}, "bad value for --baud: -1"},
      {{"--speed", "0"}, "bad value for --speed: 0"},
      {{"--fail", "FS"}, "bad value for --fail: FS"},
      {{"--drop-line", "=3"}, "bad value for --drop-line: =3"},
      {{"--load", ""}, "bad value for --load: "},
      {{"--battery", "low"}, "bad value for --battery: low"},
      {{"--recording-macro", "10"}, "bad value for --recording-macro: 10"},
      {{"--verbose"}, "unknown option: --verbose"},
  };
  for (const Case& c : cases) {
    std::string problem;
    EXPECT_FALSE(ParseSimOptions(c.arguments, problem)) << c.problem;
    EXPECT_EQ(problem, c.problem);
  }
}

TEST(SimOptionsTest, WithoutLoadsTheDemoFilesAreThere) {
  for (const char* demoPath : {"/nonexistent/demo.vqb", VERDALON_DEMO_VQB}) {
    VirtualAnalyzer analyzer;
    std::string problem;
    std::vector<std::string> warnings;
    ASSERT_TRUE(ApplySimOptions(*Parse({"--model", "Alder"}), demoPath, analyzer, problem, warnings)) << problem;
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(analyzer.State().identity.options[option::kModelBitA], '1');
    const auto& files = analyzer.State().store.Memory().Files();
    ASSERT_EQ(files.size(), 2u) << demoPath;
    EXPECT_EQ(files[0].name, "DEMO    ");
    EXPECT_EQ(files[0].records.size(), DemoRecords().size());
    EXPECT_EQ(files[0].records[0].bytes, DemoRecords()[0].bytes);
    EXPECT_EQ(files[1].name, "NOISE   ");
    EXPECT_EQ(files[1].records.size(), 2u);
    EXPECT_EQ(analyzer.State().store.Current()->name, "DEMO    ");
  }
}

TEST(SimOptionsTest, LoadsGivenFilesUnderTheirNames) {
  const auto path = std::filesystem::temp_directory_path() / ("sim-options-" + std::to_string(::getpid()) + ".vqb");
  {
    const std::vector<uint8_t> bytes = VqbFileBytes(1111, {DemoMeasurement()});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
  }
  VirtualAnalyzer analyzer;
  std::string problem;
  std::vector<std::string> warnings;
  ASSERT_TRUE(ApplySimOptions(*Parse({"--load", path.string() + "=FIELD", "--no-diskette"}), "", analyzer, problem,
                              warnings));
  const auto& files = analyzer.State().store.Memory().Files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].name, "FIELD   ");
  EXPECT_EQ(files[0].records[0].bytes, DemoMeasurement().bytes);
  EXPECT_FALSE(analyzer.State().diskette.inserted);

  std::filesystem::remove(path);
  VirtualAnalyzer missing;
  EXPECT_FALSE(ApplySimOptions(*Parse({"--load", path.string()}), "", missing, problem, warnings));
  EXPECT_NE(problem.find(path.string()), std::string::npos);
}

}  // namespace
}  // namespace simanalyzer
