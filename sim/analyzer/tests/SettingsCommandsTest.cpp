#include <gtest/gtest.h>

#include <string>

#include "AnalyzerFixture.h"
#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer {
namespace {

using testing::Command;
using testing::Exchange;
using testing::Query;

TEST(SimSettingsTest, SettingsReadBackAsSet) {
  VirtualAnalyzer analyzer(Model::Deodar);
  analyzer.State().clock = [] { return std::time_t{1000}; };
  const struct {
    const char* command;
    const char* query;
    const char* reply;
  } cases[] = {
      {"CK 07/03/26 14:05:00", "QCK", "07 MAR 26 14:05:00\r\n"},
      {"NO 'it''s late'", "QNO", "it''s late\r\n"},
      {"SY 3,5", "QSY", "3,5\r\n"},
      {"XM 1,2,3,4,5", "QXM", "1,1,2,3,4,5,0\r\n"},
      {"MS 3,05,08,30,00", "QMA", "11\r\n0 1 0 0\r\n"},
      {"SE 4,'LONGERNAME'", "QSF", "8\r\nFACTORY 1 0\r\n"},
  };
  for (const auto& c : cases) {
    Exchange(analyzer, Command(c.command));
    EXPECT_EQ(Exchange(analyzer, Query(c.query)).substr(0, std::string(c.reply).size()), c.reply) << c.command;
  }
  EXPECT_EQ(analyzer.State().settings.setups.stored[4].name, "LONGERN");
  EXPECT_EQ(Exchange(analyzer, Query("QBV")), "");  // a Deodar has no battery
}

TEST(SimSettingsTest, SetupValuesComeWholeAfterPausesAndMalformedOnesChangeNothing) {
  VirtualAnalyzer analyzer(Model::Alder);
  const std::string values = std::string(96 * 3 - 3, '1') + "255";
  analyzer.Receive("SB 2\r\n" + values.substr(0, 100));
  analyzer.HostPaused();
  analyzer.Receive(values.substr(100) + "\r\n");
  EXPECT_EQ(analyzer.State().settings.setups.stored[2].values.back(), 255);
  EXPECT_EQ(Exchange(analyzer, Query("QSB 2")), "2\r\n" + values + "\r\n");
  for (const std::string& bad : {values.substr(3), values.substr(3) + "256", values.substr(3) + " 12"}) {
    analyzer.Receive("SB 2\r\n" + bad + "\r\n");
    EXPECT_EQ(Exchange(analyzer, Query("QSB 2")), "2\r\n" + values + "\r\n");
  }
}

}  // namespace
}  // namespace simanalyzer
