#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

class KeysTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override {
    OpenSerial();
    line.ClearWritten();
  }
};

TEST_F(KeysTest, KeyPressesByNumberAndByName) {
  EXPECT_EQ(analyzer.EmulateKeystroke(128, 1), 0);
  EXPECT_EQ(analyzer.EmulateKeystroke(nullptr, 1), 0);
  EXPECT_EQ(analyzer.EmulateKeystroke("it's", 1), 0);
  EXPECT_EQ(line.Written(), "");
  EXPECT_GE(MillisecondsTaken([&] { EXPECT_EQ(analyzer.EmulateKeystroke(127, 0), 1); }), 350);
  EXPECT_EQ(analyzer.EmulateKeystroke("R/S", 1), 1);
  EXPECT_EQ(line.Written(), "KE 127\r\n\x12KE 'R/S'\r\n\x17");
}

TEST_F(KeysTest, KeyNameIsTheQuotedTextCutToSevenCharacters) {
  struct Case {
    const char* reply;
    const char* name;
  };
  for (const Case& c : {Case{"'Filter'\r\n", "Filter"}, Case{"'ABCDEFGHIJ'\r\n", "ABCDEFG"}, Case{"''\r\n", ""}}) {
    line.Answer("QKE 67\r\n\x11", c.reply);
    char name[16] = "junk";
    EXPECT_EQ(analyzer.GetKeyName(67, name, sizeof name, 0), 1);
    EXPECT_STREQ(name, c.name);
  }
  char small[7];
  EXPECT_EQ(analyzer.GetKeyName(67, small, sizeof small, 0), 0);
  char name[8] = "junk";
  EXPECT_EQ(analyzer.GetKeyName(3, name, sizeof name, 0), 0);  // no reply
  EXPECT_STREQ(name, "");
}

TEST_F(KeysTest, KeyNumberOfAName) {
  line.Answer("QKE Filter\r\n\x11", "67\r\n");
  int key = -5;
  EXPECT_EQ(analyzer.GetKeyNumber("Filter", &key, 0), 1);
  EXPECT_EQ(key, 67);
  EXPECT_EQ(analyzer.GetKeyNumber("Filter", nullptr, 0), 0);
  EXPECT_EQ(analyzer.GetKeyNumber("Gone", &key, 0), 0);
  EXPECT_EQ(key, 0);
}

TEST_F(KeysTest, DefinedKeysTakeNumberedQuotedNamesUpToTheEmptyLine) {
  line.Answer("QKE *\r\n\x11",
              "1 'Clear'\r\n200 'Big'\r\n-1 'Neg'\r\n67 'FilterXYZ'\r\nno number 'x'\r\n127 \"Dq\"\r\n"
              "5 'unclosed\r\n\r\n9 'After'\r\n");
  KeyboardStruct keys;
  std::memset(&keys, '#', sizeof keys);
  EXPECT_EQ(analyzer.GetDefinedKeys(&keys, 0), 1);
  KeyboardStruct expected{};
  std::strcpy(expected.keyName[1], "Clear");
  std::strcpy(expected.keyName[67], "FilterX");
  std::strcpy(expected.keyName[127], "Dq");
  EXPECT_EQ(std::memcmp(&keys, &expected, sizeof keys), 0);
  EXPECT_EQ(analyzer.GetDefinedKeys(nullptr, 0), 0);
}

TEST_F(KeysTest, AnEndlessKeyListIsCutAtOneLinePerKeyNumber) {
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += std::to_string(i % 128) + " 'K" + std::to_string(i) + "'\r\n";
  line.Answer("QKE *\r\n\x11", lines);
  KeyboardStruct keys{};
  EXPECT_EQ(analyzer.GetDefinedKeys(&keys, 0), 1);
  EXPECT_STREQ(keys.keyName[127], "K127");
  EXPECT_STREQ(keys.keyName[0], "K0");  // line 128 would have renamed it
}

}  // namespace
}  // namespace talvinet::testing
