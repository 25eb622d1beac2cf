#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnalyzerFixture.h"
#include "VerdaRunner.h"

namespace verdatest {
namespace {

using simanalyzer::MemoryFile;
using simanalyzer::Model;
using simanalyzer::VirtualAnalyzer;

VirtualAnalyzer AnalyzerWithFiles(Model model = Model::Cedar) {
  VirtualAnalyzer analyzer(model);
  analyzer.State().clock = [] { return std::time_t{0}; };
  analyzer.State().store.Add(MemoryFile{"EMPTY   ", "01/02/03", "04:05:06", {}});
  MemoryFile survey{"SURVEY  ", "03/14/98", "09:26:53", {}};
  survey.records.push_back({1, std::vector<uint8_t>(300, 1)});
  survey.records.push_back({2, std::vector<uint8_t>(12, 2)});
  analyzer.State().store.Add(survey);
  return analyzer;
}

TEST_F(AnalyzerCommandTest, InfoNamesModelOptionsAndIdentity) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles(Model::Deodar);
  analyzer.State().identity.SetOption(simanalyzer::option::k30, true);
  Serve(std::move(analyzer));
  std::vector<std::string> arguments = On({"info"});
  arguments.insert(arguments.begin(), {"--stop-bits", "2"});
  const VerdaResult result = RunVerda(arguments);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "model: Deodar\n"
            "options: option 30, option 112, tachometer input\n"
            "firmware: V5.20\n"
            "serial number: DE550019\n"
            "system id: DEO00268\n");
}

TEST_F(AnalyzerCommandTest, FilesListsEachMemoryFile) {
  Serve(AnalyzerWithFiles());
  const VerdaResult result = RunVerda(On({"files"}));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "EMPTY\t01/02/03\t04:05:06\t0\nSURVEY\t03/14/98\t09:26:53\t2\n");
}

TEST_F(AnalyzerCommandTest, RecordsListsTheRecordsOfOneFile) {
  Serve(AnalyzerWithFiles());
  const VerdaResult result = RunVerda(On({"records", "SURVEY"}));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "1\t1\tNormal\t300 bytes\n2\t1\tLeq\t12 bytes\n");
  const VerdaResult missing = RunVerda(On({"records", "NOSUCH"}));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "verda: the analyzer has no memory file 'NOSUCH'\n");
}

TEST_F(AnalyzerCommandTest, CreateAndDeleteChangeTheAnalyzersMemory) {
  Serve(AnalyzerWithFiles());
  EXPECT_EQ(RunVerda(On({"create", "NOISE_1"})).status, 0);
  EXPECT_EQ(RunVerda(On({"delete", "EMPTY"})).status, 0);
  server->WithAnalyzer([](VirtualAnalyzer& analyzer) {
    EXPECT_NE(analyzer.State().store.Memory().Find("NOISE_1"), nullptr);
    EXPECT_EQ(analyzer.State().store.Memory().Find("EMPTY"), nullptr);
  });
  const VerdaResult again = RunVerda(On({"delete", "EMPTY"}));
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "verda: the analyzer could not delete 'EMPTY'\n");
}

TEST_F(AnalyzerCommandTest, MalformedArgumentsAreUsageErrorsThatReachNoAnalyzer) {
  const std::vector<std::vector<std::string>> cases = {
      {"info", "extra"},       {"files", "extra"},         {"records"},
      {"records", "NINECHARS"}, {"create", "BAD NAME"},     {"create", "A'B"},
      {"create", ""},          {"delete", "A", "B"},       {"download", "SURVEY"},
      {"download", "TOOLONGNAME", "out.vqb"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    SCOPED_TRACE(arguments[0]);
    const VerdaResult result = RunVerda(arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("usage: verda " + arguments[0]), std::string::npos) << result.err;
  }
}

TEST_F(AnalyzerCommandTest, AnAnalyzerThatCannotBeOpenedFailsEveryCommand) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"info"}, {"files"}, {"download", "SURVEY", "out.vqb"}}) {
    std::vector<std::string> all = {"--port", "/nonexistent/tty"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const VerdaResult result = RunVerda(all);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "verda: cannot open serial port /nonexistent/tty at 9600 baud: no such device\n");
  }
}

}  // namespace
}  // namespace verdatest
