// The sink of translated text: pieces built in place reach a string at once
// and a file in whole chunks, and a failed write is never forgotten.
#include "TextSink.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Builds one line from every kind of piece.
void PutSampleLine(TextSink& sink) {
  sink.Put(",Level");
  sink.Put(',');
  sink.PutFixed(-3.25, 1, 6);
  sink.Put(',');
  sink.PutInteger(-32768);
  sink.Put(',');
  sink.PutBits(0x5, 4);
  char* room = sink.Reserve(8);
  room[0] = '!';
  sink.Claim(room + 1);
  sink.Put("\r\n");
}

const std::string kSampleLine = ",Level,  -3.2,-32768,0101!\r\n";

std::string FileText(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

TEST(TextSink, AStringReceivesEachPieceAtOnce) {
  std::string text;
  TextSink sink(&text);
  PutSampleLine(sink);
  EXPECT_EQ(text, "");
  EXPECT_TRUE(sink.EndPiece());
  EXPECT_EQ(text, kSampleLine);
  EXPECT_TRUE(sink.Write("end"));
  EXPECT_EQ(text, kSampleLine + "end");
}

TEST(TextSink, AFileReceivesWholeChunksAndTheRestOnFlush) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  TextSink sink(file);
  std::string expected;
  while (FileText(file).empty()) {
    PutSampleLine(sink);
    ASSERT_TRUE(sink.EndPiece());
    expected += kSampleLine;
  }
  // The first chunk holds whole lines, and a line too long for any chunk passes too.
  EXPECT_EQ(FileText(file), expected);
  std::fseek(file, 0, SEEK_END);
  const std::string longLine(200000, 'x');
  EXPECT_TRUE(sink.Write(longLine));
  PutSampleLine(sink);
  EXPECT_TRUE(sink.Flush());
  EXPECT_EQ(FileText(file), expected + longLine + kSampleLine);
  std::fclose(file);
}

TEST(TextSink, AFailedWriteIsRemembered) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full here";
  std::setvbuf(full, nullptr, _IONBF, 0);
  TextSink sink(full);
  EXPECT_TRUE(sink.Write("pending"));
  EXPECT_FALSE(sink.Flush());
  EXPECT_TRUE(sink.Failed());
  EXPECT_FALSE(sink.Write("more"));
  EXPECT_FALSE(sink.Flush());
  std::fclose(full);
  TextSink nowhere(static_cast<std::FILE*>(nullptr));
  EXPECT_FALSE(nowhere.Write("text"));
}

}  // namespace
