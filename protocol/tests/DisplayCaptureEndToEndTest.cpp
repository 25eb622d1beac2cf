// Captures and key presses over a pseudo-terminal, on the real serial layer
// and clock, against the virtual analyzer.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "simanalyzer/DemoRecords.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "simanalyzer/ScreenLayout.h"
#include "talvinet/Talvinet.h"

namespace talvinet::testing {
namespace {

using Screen = std::array<unsigned char, kScreenBufferSize>;

class DisplayCaptureEndToEndTest : public ::testing::Test {
 protected:
  void Serve() {
    simanalyzer::VirtualAnalyzer virtualAnalyzer(simanalyzer::Model::Cedar);
    virtualAnalyzer.State().clock = [] { return std::time_t{86400}; };  // a still clock keeps the pictures equal
    virtualAnalyzer.State().store.Add({"PUMP    ", "01/02/03", "04:05:06", simanalyzer::DemoRecords()});
    server = std::make_unique<simanalyzer::PtyAnalyzer>(std::move(virtualAnalyzer));
    std::string problem;
    ASSERT_TRUE(server->Start(problem)) << problem;
    analyzer.serialDeviceFiles[1] = server->DevicePath();
    ConnectionStruct connection{0, 1, 19200, 8, 1, 'N'};
    ASSERT_EQ(analyzer.OpenConnection(&connection), 1);
  }

  Screen Capture(unsigned short kind, Screen screen = {}) {
    EXPECT_EQ(analyzer.GetDisplayData(kind, screen.data(), 0, 1), 1);
    EXPECT_EQ(analyzer.LastCaptureComplete(), 1);
    return screen;
  }

  Screen Drawn() {
    Screen drawn{};
    server->WithAnalyzer([&](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
      const auto bytes = simanalyzer::DrawScreen(virtualAnalyzer.State()).Bytes();
      std::copy(bytes.begin(), bytes.end(), drawn.begin());
    });
    return drawn;
  }

  std::unique_ptr<simanalyzer::PtyAnalyzer> server;
  Talvinet analyzer;
};

TEST_F(DisplayCaptureEndToEndTest, AChangesCaptureAfterAKeyPressMatchesAFullCapture) {
  Serve();
  const Screen before = Capture(kFullCapture);
  EXPECT_EQ(before, Drawn());
  EXPECT_EQ(analyzer.EmulateKeystroke("R/S", 1), 1);
  EXPECT_EQ(analyzer.EmulateKeystroke(28, 1), 1);  // the cursor moves right
  const Screen changed = Capture(kChangesCapture, before);
  EXPECT_NE(changed, before);
  EXPECT_EQ(changed, Capture(kFullCapture));
  server->WithAnalyzer([](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
    EXPECT_TRUE(virtualAnalyzer.State().settings.running);
    EXPECT_EQ(virtualAnalyzer.State().panel.lastKey, "Right");
  });
}

}  // namespace
}  // namespace talvinet::testing
