#include "ListingText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace talvinet {
namespace {

TEST(ListingTextTest, ColumnsStopAtTheLineEnd) {
  struct ColumnCase {
    const char* line;
    std::size_t from, width;
    const char* expected;
  };
  const ColumnCase cases[] = {
      {"ABCDEFGHIJ\r\n", 0, 8, "ABCDEFGH"}, {"ABC\r\n", 0, 8, "ABC"}, {"ABC\r\n", 3, 8, ""},
      {"ABC\r\n", 10, 8, ""},               {"ABCDEFGHIJ", 8, 8, "IJ"}, {"", 0, 8, ""},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Column(c.line, c.from, c.width), c.expected);
  }
}

TEST(ListingTextTest, ACopiedColumnNeverPassesItsField) {
  char field[5] = {'#', '#', '#', '#', '#'};
  CopyColumn(field, 4, "ABCDEFGH", 2, 8);
  EXPECT_STREQ(field, "CDE");
  EXPECT_EQ(field[4], '#');
}

TEST(ListingTextTest, NumbersMustBeNumbers) {
  struct NumberCase {
    const char* text;
    std::optional<long> expected;
  };
  const NumberCase cases[] = {
      {"300 bytes", 300}, {"   42\r\n", 42}, {"-5", -5},          {"+7", 7},
      {"SIZE?", std::nullopt}, {"", std::nullopt}, {"\r\n", std::nullopt}, {"-", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrictDecimal(c.text), c.expected);
  }
}

TEST(ListingTextTest, FileNamesArePaddedOrCutToEight) {
  EXPECT_EQ(PadFileName(""), "        ");
  EXPECT_EQ(PadFileName("AB"), "AB      ");
  EXPECT_EQ(PadFileName("ABCDEFGHIJ"), "ABCDEFGH");
}

TEST(ListingTextTest, OnlyNamesThatCannotBreakACommandAreSent) {
  EXPECT_EQ(NameCommand("FS '%s'\r\n", "SURVEY  "), "FS 'SURVEY  '\r\n");
  for (const char* name : {"A'B", "A;B", "A\rB", "A\nB", "A\x11", "A\x7F"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(NameCommand("FS '%s'\r\n", name), "");
  }
  EXPECT_EQ(NameCommand("FS '%s'\r\n", std::string(260, 'A')), "");
}

}  // namespace
}  // namespace talvinet
