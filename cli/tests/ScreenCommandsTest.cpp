#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnalyzerFixture.h"
#include "VerdaRunner.h"
#include "simanalyzer/DemoRecords.h"
#include "simanalyzer/ScreenLayout.h"
#include "talvinet/ScreenBitmapFile.h"
#include "talvinet/Talvinet.h"

namespace verdatest {
namespace {

using simanalyzer::VirtualAnalyzer;

VirtualAnalyzer AnalyzerWithSpectrum() {
  VirtualAnalyzer analyzer(simanalyzer::Model::Cedar);
  analyzer.State().clock = [] { return std::time_t{86400}; };
  analyzer.State().store.Add({"PUMP    ", "01/02/03", "04:05:06", simanalyzer::DemoRecords()});
  return analyzer;
}

class ScreenCommandsTest : public AnalyzerCommandTest {
 protected:
  // The bitmap file of what the served analyzer shows now.
  std::string ShownBitmapFile() {
    std::string file;
    server->WithAnalyzer([&](VirtualAnalyzer& analyzer) {
      const simanalyzer::ScreenBytes screen = simanalyzer::DrawScreen(analyzer.State()).Bytes();
      std::vector<unsigned char> bitmap(talvinet::kBitmapImageSize);
      Talvinet::CreateBitmapFromData(bitmap.data(), screen.data());
      const auto bytes = talvinet::ScreenBitmapFileBytes(bitmap.data());
      file.assign(bytes.begin(), bytes.end());
    });
    return file;
  }
};

TEST_F(ScreenCommandsTest, ScreenWritesTheCapturedPictureAsBitmapOrPng) {
  Serve(AnalyzerWithSpectrum());
  const VerdaResult bitmap = RunVerda(On({"screen", (folder / "shot.bmp").string()}));
  EXPECT_EQ(bitmap.status, 0) << bitmap.err;
  EXPECT_EQ(FileText(folder / "shot.bmp"), ShownBitmapFile());
  const VerdaResult png = RunVerda(On({"screen", (folder / "shot.PNG").string()}));
  EXPECT_EQ(png.status, 0) << png.err;
  // Signature, then the header chunk: 480 x 128, one bit of grey.
  EXPECT_EQ(FileText(folder / "shot.PNG").substr(0, 26),
            std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x01\xe0\0\0\0\x80\x01\0", 26));
  EXPECT_EQ(RunVerda(On({"screen", (folder / "shot.gif").string()})).status, 2);
}

TEST_F(ScreenCommandsTest, AScreenThatNeverComesWritesNothing) {
  VirtualAnalyzer analyzer = AnalyzerWithSpectrum();
  analyzer.Misbehaviour().failCommand = "QQQRF";
  Serve(std::move(analyzer));
  const VerdaResult result = RunVerda(On({"screen", (folder / "shot.bmp").string()}));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "verda: the analyzer did not send its whole screen\n");
  EXPECT_TRUE(FolderContents().empty());
}

TEST_F(ScreenCommandsTest, KeysListsAndKeyPressesByNameOrNumber) {
  Serve(AnalyzerWithSpectrum());
  const VerdaResult keys = RunVerda(On({"keys"}));
  EXPECT_EQ(keys.status, 0) << keys.err;
  EXPECT_TRUE(keys.out.starts_with("1\tClear\n2\tReset\n3\tSystem\n")) << keys.out;
  EXPECT_EQ(RunVerda(On({"key", "r/s"})).status, 0);
  EXPECT_EQ(RunVerda(On({"key", "--number", "28"})).status, 0);
  server->WithAnalyzer([](VirtualAnalyzer& analyzer) {
    EXPECT_TRUE(analyzer.State().settings.running);
    EXPECT_EQ(analyzer.State().panel.lastKey, "Right");
  });
  const VerdaResult unknown = RunVerda(On({"key", "Nosuch"}));
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err, "verda: the analyzer refused the key 'Nosuch' (error 2)\n");
  for (const std::vector<std::string>& usage :
       {std::vector<std::string>{"key"}, {"key", "--number", "128"}, {"key", "A", "B"}, {"keys", "x"}}) {
    EXPECT_EQ(RunVerda(On(usage)).status, 2) << usage.back();
  }
}

}  // namespace
}  // namespace verdatest
