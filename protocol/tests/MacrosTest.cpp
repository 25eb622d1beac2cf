#include <gtest/gtest.h>

#include <string>

#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

// Ten macro lines, macro `running` running and `recording` being recorded.
std::string MacroLines(int running = -1, int recording = -1) {
  std::string lines;
  for (int i = 0; i < 10; ++i) {
    lines += std::to_string(i) + (i % 3 == 0 ? " 1 " : " 0 ") + (i == running ? "1 " : "0 ") +
             (i == recording ? "1" : "0") + "\r\n";
  }
  return lines;
}

class MacrosTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { OpenSerial(); }
  void AnswerMacros(const std::string& reply) { line.Answer("QMA\r\n\x11", reply); }
  MacroStruct macro{};
};

TEST_F(MacrosTest, TheReplyFillsStatesFlagsAndSchedule) {
  AnswerMacros("11\r\n" + MacroLines(9, 3) + "4 15 08:30:05\r\n");
  ASSERT_EQ(analyzer.GetMacroInfo(&macro, 0), 1);
  EXPECT_EQ(macro.macroState[0], 1);
  EXPECT_EQ(macro.macroState[1], 0);
  EXPECT_EQ(macro.running, 9);
  EXPECT_EQ(macro.recording, 3);
  EXPECT_EQ(macro.scheduledMacro, 4);
  EXPECT_EQ(std::string(macro.schedule, macro.schedule + 4), std::string("\x0f\x08\x1e\x05"));
  AnswerMacros("10\r\n" + MacroLines(9));
  EXPECT_EQ(analyzer.IsMacroRunning(kNoMacro, 0), 1);
}

TEST_F(MacrosTest, OnlyCountsOfTenOrElevenAndLinesOfTheirLengthCount) {
  for (const char* count : {"9", "12", "x"}) {
    AnswerMacros(std::string(count) + "\r\n" + MacroLines(1));
    EXPECT_EQ(analyzer.GetMacroInfo(&macro, 0), 0) << count;
    EXPECT_EQ(macro.running, 0) << count;
  }
  AnswerMacros("10\r\n0 1 0 0 extra\r\n" + MacroLines().substr(9));
  ASSERT_EQ(analyzer.GetMacroInfo(&macro, 0), 1);
  EXPECT_EQ(macro.macroState[0], 0);
  EXPECT_EQ(macro.macroState[3], 1);
  EXPECT_EQ(macro.scheduledMacro, kNoMacro);
  AnswerMacros("11\r\n" + MacroLines().substr(0, 27));
  EXPECT_EQ(analyzer.GetMacroInfo(&macro, 0), 0);
  EXPECT_EQ(macro.macroState[0], 1);
}

TEST_F(MacrosTest, ExecutingIsRefusedForInvalidRunningOrRecording) {
  EXPECT_EQ(analyzer.ExecuteMacro(10, 1), 0);
  EXPECT_EQ(analyzer.GetErrno(), kRefusedMacroId);
  EXPECT_EQ(line.Written(), "");
  const struct {
    int running;
    int recording;
    int refusal;
  } cases[] = {{4, -1, kRefusedMacroRunning}, {-1, 2, kRefusedMacroRecording}};
  for (const auto& c : cases) {
    line.ClearWritten();
    AnswerMacros("10\r\n" + MacroLines(c.running, c.recording));
    EXPECT_EQ(analyzer.ExecuteMacro(3, 0), 0);
    EXPECT_EQ(analyzer.GetErrno(), c.refusal);
    EXPECT_EQ(line.Written(), "QMA\r\n\x11");
  }
  line.ClearWritten();
  AnswerMacros("10\r\n" + MacroLines());
  EXPECT_EQ(analyzer.ExecuteMacro(3, 0), 1);
  EXPECT_EQ(line.Written(), "QMA\r\n\x11MA 3\r\n;QER\r\n\x11");
}

TEST_F(MacrosTest, CancellingChecksThatNoScheduleIsLeft) {
  line.Answer("MS 10\r\n;QER\r\n\x11", "0\r\n");
  AnswerMacros("11\r\n" + MacroLines() + "4 15 08:30:05\r\n");
  EXPECT_EQ(analyzer.CancelScheduledMacro(0), 0);
  line.Answer("MS 10\r\n;QER\r\n\x11", "0\r\n");
  AnswerMacros("10\r\n" + MacroLines());
  EXPECT_EQ(analyzer.CancelScheduledMacro(0), 1);
}

}  // namespace
}  // namespace talvinet::testing
