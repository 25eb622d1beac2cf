#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnalyzerFixture.h"
#include "VerdaRunner.h"

namespace verdatest {
namespace {

using simanalyzer::Model;
using simanalyzer::VirtualAnalyzer;

// 7 March 2026, 14:05:00, on a clock that stands still.
constexpr std::time_t kSetTime = 1772892300;

VirtualAnalyzer StillAnalyzer(Model model = Model::Cedar, const char* volts = "7.20") {
  VirtualAnalyzer analyzer(model);
  analyzer.State().clock = [] { return kSetTime; };
  analyzer.State().settings.clockOffset = 0;
  analyzer.State().settings.batteryVolts = volts;
  analyzer.State().store.Add(
      simanalyzer::MemoryFile{"SURVEY  ", "03/14/98", "09:26:53", {{1, std::vector<uint8_t>(300)}}});
  return analyzer;
}

struct Step {
  std::vector<std::string> arguments;
  int status;
  std::string out;
  std::string err;
};

class VerdaSettingsTest : public AnalyzerCommandTest {
 protected:
  void RunSteps(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      SCOPED_TRACE(step.arguments[0] + (step.arguments.size() > 1 ? " " + step.arguments[1] : ""));
      const VerdaResult result = RunVerda(On(step.arguments));
      EXPECT_EQ(result.status, step.status) << result.err;
      EXPECT_EQ(result.out, step.out);
      EXPECT_EQ(result.err, step.err);
    }
  }
};

TEST_F(VerdaSettingsTest, StatusGivesTheBatteryVerdictMemoryAndClock) {
  const struct {
    Model model;
    const char* volts;
    const char* battery;
  } cases[] = {{Model::Cedar, "6.9", "battery: 6.9 volts -- OK\n"},
               {Model::Alder, "6.2", "battery: 6.2 volts -- CHARGE\n"},
               {Model::Deodar, "6.9", "battery: N/A\n"}};
  for (const auto& c : cases) {
    Serve(StillAnalyzer(c.model, c.volts));
    const std::string rest = "memory free: 2096852 bytes\nmemory used: 300 bytes\nclock: 07 MAR 26 14:05:00\n";
    RunSteps({{{"status"}, 0, c.battery + rest, ""}});
    server->Stop();
  }
}

TEST_F(VerdaSettingsTest, RunStateNoteBeeperAndClockReadBackAsSet) {
  Serve(StillAnalyzer());
  const std::string longNote(70, 'n');
  RunSteps({
      {{"state"}, 0, "stopped\n", ""},
      {{"run"}, 0, "", ""},
      {{"state"}, 0, "running\n", ""},
      {{"note", "hello", "world"}, 0, "", ""},
      {{"note"}, 0, "note: hello world\n", ""},
      {{"note", longNote}, 1, "", "verda: the analyzer kept the note '" + longNote.substr(0, 64) + "'\n"},
      {{"beeper", "6"}, 0, "", ""},
      {{"beeper"}, 0, "beeper: 6\n", ""},
      {{"reset", "3"}, 0, "", ""},
      {{"trigger"}, 0, "", ""},
      {{"store"}, 0, "", ""},
      {{"stop"}, 0, "", ""},
      {{"clock"}, 0, "clock: 07 MAR 26 14:05:00\n", ""},
  });
  const VerdaResult synced = RunVerda(On({"clock", "--sync"}));
  EXPECT_EQ(synced.status, 0) << synced.err;
  EXPECT_NE(synced.out, "clock: 07 MAR 26 14:05:00\n");
  server->WithAnalyzer([](VirtualAnalyzer& analyzer) {
    EXPECT_FALSE(analyzer.State().settings.running);
    EXPECT_EQ(analyzer.State().settings.resets, 1);
    EXPECT_EQ(analyzer.State().settings.triggers, 1);
    EXPECT_EQ(analyzer.State().store.Current()->records.size(), 2U);
  });
}

// Silence is named as the cause; a query left unanswered by an analyzer
// that still answers is not silence.
TEST_F(VerdaSettingsTest, SilenceIsSaidToBeTheCause) {
  const std::string failure = "verda: the analyzer did not tell its run state";
  for (const bool silent : {true, false}) {
    VirtualAnalyzer analyzer = StillAnalyzer();
    if (silent) analyzer.Misbehaviour().silentAfterBytes = 0;
    else analyzer.Misbehaviour().failCommand = "QRS";
    Serve(std::move(analyzer));
    RunSteps({{{"state"}, 1, "", failure + (silent ? "; the analyzer is not answering\n" : "\n")}});
    server->Stop();
  }
}

TEST_F(VerdaSettingsTest, MacrosRunAbortAndScheduleAndRefusalsSayWhy) {
  Serve(StillAnalyzer());
  RunSteps({
      {{"macro", "run", "1"}, 0, "", ""},
      {{"macro", "run", "3"}, 1, "", "verda: An attempt was made to launch a macro with another already executing.\n"},
      {{"macro", "run", "10"}, 1, "", "verda: An attempt was made to launch a macro with an invalid ID.\n"},
      {{"macro", "schedule", "3", "5", "08:30:00"}, 0, "", ""},
      {{"macros"}, 0, "0\tidle\t-\n1\trunning\t-\n3\tidle\t05 08:30:00\n", ""},
      {{"macro", "abort"}, 0, "", ""},
      {{"macro", "cancel"}, 0, "", ""},
      {{"macros"}, 0, "0\tidle\t-\n1\tidle\t-\n3\tidle\t-\n", ""},
  });
  server->WithAnalyzer([](VirtualAnalyzer& analyzer) { analyzer.State().settings.macros.recording = 0; });
  RunSteps({
      {{"macro", "run", "3"},
       1,
       "",
       "verda: An attempt was made to launch a macro while another was being recorded.\n"},
      {{"macros"}, 0, "0\trecording\t-\n1\tidle\t-\n3\tidle\t-\n", ""},
  });
}

TEST_F(VerdaSettingsTest, SetupsAreStoredNamedAndSavedToAFileThatLoadsBack) {
  Serve(StillAnalyzer());
  const std::string file = (folder / "octave.set").string();
  RunSteps({
      {{"setup", "store", "4", "ABCDEFGHI"}, 0, "", ""},
      {{"setup", "rename", "3", "NEWNAME"}, 0, "", ""},
      {{"setup", "boot", "2"}, 0, "", ""},
      {{"setup", "recall", "1"}, 0, "", ""},
      {{"setup", "save", "1", file}, 0, "", ""},
      {{"setup", "load", "5", file}, 0, "", ""},
      // Setup bytes have no answer: the listing is the first sign that they arrived.
      {{"setups"}, 0,
       "0\tFACTORY\tused\t-\n1\tOCTAVE\tused\t-\n2\tNARROW\tused\tboot\n3\tNEWNAME\tunused\t-\n"
       "4\tABCDEFG\tused\t-\n5\t\tused\t-\n6\t\tunused\t-\n7\t\tunused\t-\n",
       ""},
  });
  EXPECT_EQ(FileText(file).size(), 104U + 160 * 3 + 2);
  server->WithAnalyzer([](VirtualAnalyzer& analyzer) {
    const auto& stored = analyzer.State().settings.setups.stored;
    EXPECT_EQ(stored[5].values, stored[1].values);
    analyzer.State().identity.SetOption(simanalyzer::option::k30, true);
  });
  RunSteps({{{"setup", "load", "6", file}, 1, "", "verda: The setup file is incompatible with your analyzer.\n"}});
}

TEST_F(VerdaSettingsTest, MalformedSettingsArgumentsAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"state", "x"},           {"clock", "--now"},        {"reset", "0"},
      {"beeper", "x"},          {"macro"},                 {"macro", "run"},
      {"macro", "schedule", "3", "0", "08:00:00"},         {"macro", "schedule", "3", "5", "8:00"},
      {"setup", "store", "0"},  {"setup", "recall", "8"},  {"setup", "load", "3"},
      {"setups", "x"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    SCOPED_TRACE(arguments[0]);
    const VerdaResult result = RunVerda(arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("usage: verda " + arguments[0]), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace verdatest
