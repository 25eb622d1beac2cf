#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "TalvinetFixture.h"
#include "talvinet/HostTexts.h"

namespace talvinet::testing {
namespace {

class SettingsCommandsTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { OpenSerial(); }
  static std::string Command(const std::string& text) { return text + ";QER\r\n\x11"; }
};

TEST_F(SettingsCommandsTest, SettersSendTheirCommandTexts) {
  const MuxStruct mux{1, {11, 12, 13, 14, 15, 16}};
  const DetectorStruct fast{1, 0.125F};
  const DetectorStruct peak{4, 9.99F};
  const struct {
    std::function<int(Talvinet&)> call;
    std::string sent;
  } cases[] = {
      {[](Talvinet& t) { return t.SetRunState(1, 0); }, Command("RN\r\n")},
      {[](Talvinet& t) { return t.SetRunState(2, 0); }, Command("SP\r\n")},
      {[](Talvinet& t) { return t.ResetData(0, 0); }, Command("RT\r\n")},
      {[](Talvinet& t) { return t.ResetData(3, 0); }, Command("RT 3\r\n")},
      {[](Talvinet& t) { return t.SetDateAndTime("07/03/26 14:05:00", 0); }, Command("CK 07/03/26 14:05:00\r\n")},
      {[&](Talvinet& t) { return t.SetDetectorInfo(&fast, 0); }, Command("DT 1\r\n") + Command("TM  0.12\r\n")},
      {[&](Talvinet& t) { return t.SetDetectorInfo(&peak, 0); }, Command("DT 4\r\n") + Command("TM 9\r\n")},
      {[](Talvinet& t) { return t.SetCalibrationLevel(94.04F, 0); }, Command("UC 94.0\r\n")},
      {[](Talvinet& t) { return t.SetInputMode(2, -1, 0); }, Command("MD 2\r\n")},
      {[](Talvinet& t) { return t.SetInputMode(2, 5, 0); }, Command("MD 2,5\r\n")},
      {[](Talvinet& t) { return t.SetCursorPositions(5, 7, 3, 0); }, Command("CRS 5\r\n") + Command("CRD 7\r\n")},
      {[](Talvinet& t) { return t.SetCursorPositions(5, 7, 2, 0); }, Command("CRD 7\r\n")},
      {[](Talvinet& t) { return t.SetCursorPositions(5, 7, 0, 0); }, ""},
      {[](Talvinet& t) { return t.SetChannel(2, 0); }, Command("CH 2\r\n")},
      {[&](Talvinet& t) { return t.SetMuxState(&mux, 0); }, Command("XM 11,12,13,14,15\r\n")},
      {[](Talvinet& t) { return t.ScheduleMacro(3, 5, 8, 30, 0, 0); }, Command("MS 3,05,08,30,00\r\n")},
      {[](Talvinet& t) { return t.SetAnalysisMode(4, 9, 0); }, Command("SY 9,4\r\n")},  // no identity: a Deodar
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sent);
    line.ClearWritten();
    EXPECT_EQ(c.call(analyzer), 1);
    EXPECT_EQ(line.Written(), c.sent);
  }
}

TEST_F(SettingsCommandsTest, RefusedArgumentsSendNothing) {
  EXPECT_EQ(analyzer.SetRunState(3, 1), 0);
  EXPECT_EQ(analyzer.SetChannel(0, 1), 0);
  EXPECT_EQ(analyzer.SetNote("two\r\nlines", 1), 0);
  EXPECT_EQ(line.Written(), "");
}

TEST_F(SettingsCommandsTest, TheToggleStopsOnlyARunningAnalyzer) {
  const struct {
    const char* reply;
    const char* command;
  } cases[] = {{"RUN\r\n", "SP\r\n"}, {"STOP\r\n", "RN\r\n"}, {nullptr, "RN\r\n"}};
  for (const auto& c : cases) {
    line.ClearWritten();
    if (c.reply != nullptr) line.Answer("QRS\r\n\x11", c.reply);
    EXPECT_EQ(analyzer.SetRunState(7, 0), 1);
    EXPECT_EQ(line.Written(), "QRS\r\n\x11" + Command(c.command));
  }
}

TEST_F(SettingsCommandsTest, ALongNoteIsSentCutAndFails) {
  const std::string note(70, 'n');
  line.Answer(Command("NO '" + note.substr(0, 64) + "'\r\n"), "0\r\n");
  line.Answer("QNO\r\n\x11", note.substr(0, 64) + "\r\n");
  EXPECT_EQ(analyzer.SetNote(note.c_str(), 0), 0);
  EXPECT_EQ(line.Written().find(Command("NO '" + note.substr(0, 64) + "'\r\n")), 0U);
  line.ClearWritten();
  line.Answer(Command("NO 'short'\r\n"), "0\r\n");
  line.Answer("QNO\r\n\x11", "short\r\n");
  EXPECT_EQ(analyzer.SetNote("short", 0), 1);
}

TEST_F(SettingsCommandsTest, TheFilterIsSentBareAndPacedOnSlowLines) {
  analyzer.CloseConnection();
  OpenSerial(1200);
  const FilterStruct filter{3};
  long long taken = MillisecondsTaken([&] { EXPECT_EQ(analyzer.SetFilter(&filter, 0), 1); });
  EXPECT_EQ(line.Written(), "FN 3\r\n");
  EXPECT_GE(taken, 200);
  analyzer.CloseConnection();
  EXPECT_EQ(analyzer.SetFilter(&filter, 0), 0);
}

TEST_F(SettingsCommandsTest, GettersReadTheirRepliesAndZeroFirst) {
  line.Answer("QCK\r\n\x11", "07 MAR 26 14:05:00\r\n");
  char date[4];
  char time[16];
  EXPECT_EQ(analyzer.GetDateAndTime(date, sizeof date, time, sizeof time, 0), 1);
  EXPECT_STREQ(date, "07 ");
  EXPECT_STREQ(time, "14:05:00");

  line.Answer("QDT\r\n\x11", "1\r\n");
  line.Answer("QTM\r\n\x11", "0.125\r\n");
  DetectorStruct detector{9, 9};
  EXPECT_EQ(analyzer.GetDetectorInfo(&detector, 0), 1);
  EXPECT_EQ(detector.detector, 1);
  EXPECT_FLOAT_EQ(detector.timeConstant, 0.125F);

  line.Answer("QFQ\r\n\x11", "12.5 Hz,20 kHz and far too long a text,33,2\r\n");
  FrequencyRangeStruct range;
  std::memset(&range, 0x5A, sizeof range);
  EXPECT_EQ(analyzer.GetDisplayedFrequencyRange(&range, 0), 1);
  EXPECT_STREQ(range.lowText, "12.5 Hz");
  EXPECT_STREQ(range.highText, "20 kHz and far ");
  EXPECT_EQ(range.rangeValue[0], 33);
  EXPECT_EQ(range.rangeValue[1], 2);
  EXPECT_EQ(range.rangeValue[2], 0);

  line.Answer("QSY\r\n\x11", "3,5\r\n");
  int mode = 0;
  int second = 0;
  EXPECT_EQ(analyzer.GetAnalysisMode(&mode, &second, 0), 1);  // a Deodar until identified
  EXPECT_EQ(second, 3);
  EXPECT_EQ(mode, 5);

  double first = 1;
  double other = 1;
  EXPECT_EQ(analyzer.GetSummationLevel(2, &first, &other, -1, 4, 0), 0);  // no reply
  EXPECT_EQ(first, 0);
  EXPECT_EQ(other, 0);
}

TEST_F(SettingsCommandsTest, ADeodarIsNotAskedForItsBattery) {
  analyzer.modelClass = 3;
  char text[16] = "kept";
  EXPECT_EQ(analyzer.GetBatteryVoltage(text, sizeof text, 1), 0);
  EXPECT_EQ(line.Written(), "");
  EXPECT_STREQ(text, "kept");
}

TEST(BatteryVerdict, TheVoltageIsHeldInSinglePrecision) {
  const struct {
    const char* volts;
    const char* verdict;
  } cases[] = {{"6.9", " -- OK"}, {"6.8", " -- OK"}, {"6.5", " -- LOW"}, {"6.2", " -- CHARGE"}, {"6.0", " -- CHARGE"}};
  for (const auto& c : cases) EXPECT_STREQ(BatteryVerdict(c.volts), c.verdict) << c.volts;
}

}  // namespace
}  // namespace talvinet::testing
