#include <gtest/gtest.h>

#include <set>
#include <string>

#include "AnalyzerFixture.h"
#include "simanalyzer/ErrorCodes.h"
#include "simanalyzer/Keypad.h"

namespace simanalyzer {
namespace {

using testing::AnalyzerWithFiles;
using testing::Command;
using testing::Exchange;
using testing::Query;

// A host presses keys by the names the analyzer lists, inside quotes.
TEST(FrontPanelCommandsTest, EveryKeyNameIsShortUniqueAndSendable) {
  for (const Model model : {Model::Alder, Model::Deodar}) {
    std::set<std::string> seen;
    for (int key = 0; key < kKeyCount; ++key) {
      std::string name(KeyName(model, key));
      if (name.empty()) continue;
      SCOPED_TRACE(name);
      EXPECT_LE(name.size(), 7u);
      EXPECT_EQ(name.find_first_of("'\";"), std::string::npos);
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(seen.insert(name).second);
      EXPECT_EQ(KeyNumber(model, KeyName(model, key)), key);
    }
  }
}

TEST(FrontPanelCommandsTest, KeyQueriesAndRefusedPresses) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Query("QKE 16")), "'SLM'\r\n");
  VirtualAnalyzer deodar = AnalyzerWithFiles(Model::Deodar);
  EXPECT_EQ(Exchange(deodar, Query("QKE 16;QKE 14;QKE prev")), "'SRQ'\r\n''\r\n8\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QKE 0")), "''\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QKE r/s")), "18\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QKE Nosuch")), "-1\r\n");
  const std::string list = Exchange(analyzer, Query("QKE *"));
  EXPECT_TRUE(list.starts_with("1 'Clear'\r\n2 'Reset'\r\n")) << list;
  EXPECT_TRUE(list.ends_with("93 ']'\r\n\r\n")) << list;
  for (const char* press : {"KE 'Nosuch'", "KE 0", "KE 128", "KE", "KE 'R/S"}) {
    EXPECT_EQ(Exchange(analyzer, Command(press)), std::to_string(error::kBadArgument) + "\r\n") << press;
  }
  EXPECT_EQ(Exchange(analyzer, Command("KE 18")), "0\r\n");
  EXPECT_TRUE(analyzer.State().settings.running);
  EXPECT_EQ(Exchange(analyzer, Command("KE 65")), "0\r\n");  // the File soft key selects the next file
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "Empty   \r\n");
}

TEST(FrontPanelCommandsTest, AChangesCaptureBeforeAnyFullCaptureIsWhole) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Query("QQQRD")).front(), 'B');
  std::string unchanged = "D";
  for (int i = 0; i < 30; ++i) unchanged += "\x55\xFF";  // 30 x 255 + 30 = 7680 bytes skipped
  EXPECT_EQ(Exchange(analyzer, Query("QQQRD")), unchanged + "\x55\x1E\r\n");
}

}  // namespace
}  // namespace simanalyzer
