// The record index: header, directory, record addressing by type and number,
// block names, and files that lie about their sizes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TempDir.h"
#include "VqbBuilder.h"
#include "morvane/Morvane.h"
#include "morvane/Names.h"

using vqbtest::Bytes;

namespace {

// Exposes the protected record access for the tests.
class IndexProbe : public Morvane {
 public:
  using Morvane::Morvane;
  using Morvane::GetRecordData;
  using Morvane::GetRecordSize;
};

Bytes Filled(std::size_t size, uint8_t value) { return Bytes(size, value); }

class MorvaneIndexTest : public ::testing::Test {
 protected:
  std::string Write(const vqbtest::VqbFileBuilder& builder) { return WriteBytes(builder.Build()); }
  std::string WriteBytes(const Bytes& bytes) {
    const std::string path = dir.File("file" + std::to_string(++files) + ".vqb");
    vqbtest::WriteFile(path, bytes);
    return path;
  }
  TempDir dir;
  int files = 0;
};

TEST_F(MorvaneIndexTest, OneRecordIsListedSizedAndReadFromItsOffset) {
  Bytes record = Filled(768, 0);
  record[0] = 0xAB;
  const std::string path = Write(vqbtest::VqbFileBuilder().Model(4321).Add(2, record, 3));
  IndexProbe file(path.c_str());
  ASSERT_EQ(file.GetRecordCount(), 1);
  _RecordEntryTag entry{};
  ASSERT_EQ(file.GetRecordsInFile(&entry), 1);
  EXPECT_EQ(entry.type, 2);
  EXPECT_EQ(entry.number, 1);
  EXPECT_STREQ(entry.name, "Leq");
  EXPECT_EQ(file.GetRecordSize(2, 1), 768u);
  std::vector<unsigned char> data(768);
  ASSERT_EQ(file.GetRecordData(2, 1, data.data(), 768), 1);
  EXPECT_EQ(data[0], 0xAB);  // offset 41 = 36 + 2 + 3
  EXPECT_STREQ(file.HeaderText(), "Vexlor-Quand 4321 binary data file.");
}

TEST_F(MorvaneIndexTest, RecordsAreNumberedPerTypeAndLocatedPastOtherTypes) {
  const std::string path = Write(vqbtest::VqbFileBuilder()
                                     .Add(1, Filled(256, 0x11))
                                     .Add(2, Filled(512, 0x22))
                                     .Add(1, Filled(256, 0x33))
                                     .Add(7, Filled(10, 0x44), 0)
                                     .Add(1, Filled(256, 0x55)));
  IndexProbe file(path.c_str());
  std::vector<_RecordEntryTag> entries(file.GetRecordCount());
  ASSERT_EQ(entries.size(), 5u);
  file.GetRecordsInFile(entries.data());
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {2, 1}, {1, 2}, {7, 1}, {1, 3}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(entries[i].type, expected[i].first) << i;
    EXPECT_EQ(entries[i].number, expected[i].second) << i;
  }
  unsigned char byte = 0;
  ASSERT_EQ(file.GetRecordData(1, 2, &byte, 1), 1);
  EXPECT_EQ(byte, 0x33);
  // A zero-unit entry has no size and does not shift the records after it.
  EXPECT_EQ(file.GetRecordSize(7, 1), 0u);
  ASSERT_EQ(file.GetRecordData(1, 3, &byte, 1), 1);
  EXPECT_EQ(byte, 0x55);
  std::vector<unsigned char> whole;
  ASSERT_TRUE(file.ReadRecordAt(4, whole));
  EXPECT_EQ(whole, Filled(256, 0x55));
  EXPECT_FALSE(file.ReadRecordAt(5, whole));
  EXPECT_EQ(file.GetRecordSize(1, 0), 0u);
  EXPECT_EQ(file.GetRecordSize(1, 4), 0u);
  EXPECT_EQ(file.GetRecordSize(3, 1), 0u);
  // Whole records in any order, after partial reads: the stream seeks only when it must.
  const std::vector<std::pair<int, uint8_t>> reads = {{3, 0x55}, {1, 0x11}, {2, 0x33}, {3, 0x55}, {1, 0x11}};
  for (const auto& [number, fill] : reads) {
    std::vector<unsigned char> data(256);
    ASSERT_EQ(file.GetRecordData(1, static_cast<unsigned short>(number), data.data(), 256), 1);
    EXPECT_EQ(data, Filled(256, fill)) << number;
  }
}

TEST_F(MorvaneIndexTest, BlockNamesOfARecordInMemory) {
  Morvane empty;
  Bytes record(256, 0);
  record[8] = 0x05;  // P and M
  record[9] = 0x28;  // Autostore and Spectral Data
  unsigned short mask = 0;
  EXPECT_EQ(empty.GetDataBlocksPresent(record.data(), nullptr, &mask), 0);
  EXPECT_EQ(mask, 0x2805);
  _DataBlocksTag names{};
  ASSERT_EQ(empty.GetDataBlocksPresent(record.data(), &names, nullptr), 1);
  EXPECT_STREQ(names.name[0], "Prefix Block");
  EXPECT_STREQ(names.name[1], "");
  EXPECT_STREQ(names.name[2], "Main System Variables");
  EXPECT_STREQ(names.name[11], "Autostore Block");
  EXPECT_STREQ(names.name[13], "Spectral Data");
  EXPECT_EQ(empty.GetDataBlocksPresent(nullptr, &names, &mask), 0);
  // A buffer too small to hold the mask is refused.
  EXPECT_EQ(empty.GetDataBlocksPresent(record.data(), &names, &mask, 9), 0);
  record[8] = record[9] = 0;
  _DataBlocksTag none{};
  EXPECT_EQ(empty.GetDataBlocksPresent(record.data(), &none, nullptr), 1);
}

TEST_F(MorvaneIndexTest, BlockNamesOfARecordInTheFile) {
  const Bytes record = vqbtest::RecordBuilder().Block(0x0004, Bytes(30, 0)).Build();
  const std::string path = Write(vqbtest::VqbFileBuilder().Add(2, record));
  Morvane file(path.c_str());
  _DataBlocksTag names{};
  ASSERT_EQ(file.GetDataBlocksPresent(2, 1, &names), 1);
  EXPECT_STREQ(names.name[0], "Prefix Block");
  EXPECT_STREQ(names.name[2], "Main System Variables");
  EXPECT_EQ(file.GetDataBlocksPresent(2, 2, &names), 0);
  Morvane none;
  EXPECT_EQ(none.GetDataBlocksPresent(2, 1, &names), 0);
}

TEST_F(MorvaneIndexTest, NameTablesCoverEveryCode) {
  EXPECT_STREQ(morvane::RecordTypeName(0), "reserved");
  EXPECT_STREQ(morvane::RecordTypeName(47), "MLS Impulse");
  EXPECT_STREQ(morvane::RecordTypeName(48), "Unknown 48");
  EXPECT_STREQ(morvane::RecordTypeName(255), "Unknown 255");
  for (unsigned code = 0; code < 256; ++code) EXPECT_LT(std::strlen(morvane::RecordTypeName(code)), 12u) << code;
  EXPECT_STREQ(morvane::BlockName(15), "reserved");
  EXPECT_STREQ(morvane::BlockName(16), "");
  for (int bit = 0; bit < 16; ++bit) EXPECT_LT(std::strlen(morvane::BlockName(bit)), 30u) << bit;
}

TEST_F(MorvaneIndexTest, UnnamedTypeCodesGetTheirNumberedName) {
  const std::string path = Write(vqbtest::VqbFileBuilder().Add(200, Filled(256, 0)));
  Morvane file(path.c_str());
  _RecordEntryTag entry{};
  ASSERT_EQ(file.GetRecordsInFile(&entry), 1);
  EXPECT_STREQ(entry.name, "Unknown 200");
}

struct DamagedFile {
  const char* what;
  std::size_t keepBytes;  // of a file with records of 256, 512 and 256 bytes
  int listed;             // directory entries still listed
  int readable;           // records that can be read whole
  const char* problem;
};

class DamagedFileTest : public MorvaneIndexTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedFileTest, ListsWhatTheDirectoryHoldsAndReadsOnlyWholeRecords) {
  const DamagedFile& c = GetParam();
  Bytes bytes = vqbtest::VqbFileBuilder()
                    .Add(1, Filled(256, 1))
                    .Add(2, Filled(512, 2))
                    .Add(1, Filled(256, 3))
                    .Build();
  bytes.resize(std::min(bytes.size(), c.keepBytes));
  const std::string path = WriteBytes(bytes);
  IndexProbe file(path.c_str());
  EXPECT_EQ(file.GetRecordCount(), c.listed);
  EXPECT_EQ(file.IndexProblem(), c.problem);
  std::vector<_RecordEntryTag> entries(file.GetRecordCount());
  if (!entries.empty()) file.GetRecordsInFile(entries.data());
  int readable = 0;
  for (const _RecordEntryTag& entry : entries) {
    std::vector<unsigned char> data(file.GetRecordSize(entry.type, entry.number));
    readable += file.GetRecordData(entry.type, entry.number, data.data(), static_cast<unsigned long>(data.size()));
  }
  EXPECT_EQ(readable, c.readable);
}

INSTANTIATE_TEST_SUITE_P(
    Truncations, DamagedFileTest,
    ::testing::Values(DamagedFile{"empty", 0, 0, 0, "is shorter than the 38-byte header of a binary data file"},
                      DamagedFile{"header only", 36, 0, 0, "is shorter than the 38-byte header of a binary data file"},
                      DamagedFile{"count only", 38, 0, 0, "ends before its record directory"},
                      DamagedFile{"two entries", 38 + 7, 2, 0, ""},
                      DamagedFile{"directory", 38 + 9, 3, 0, ""},
                      DamagedFile{"first record", 38 + 9 + 256, 3, 1, ""},
                      DamagedFile{"last byte missing", 38 + 9 + 1024 - 1, 3, 2, ""},
                      DamagedFile{"whole", 100000, 3, 3, ""}),
    [](const auto& param) {
      std::string name = param.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST_F(MorvaneIndexTest, CountZeroAndMissingFilesLeaveTheObjectEmpty) {
  const std::string zero = WriteBytes(vqbtest::VqbFileBuilder().Build());
  Morvane empty(zero.c_str());
  EXPECT_EQ(empty.GetRecordCount(), 0);
  EXPECT_EQ(empty.IndexProblem(), "holds no records");
  _RecordEntryTag entry{};
  EXPECT_EQ(empty.GetRecordsInFile(&entry), 0);
  Morvane missing(dir.File("absent.vqb").c_str());
  EXPECT_EQ(missing.GetRecordCount(), 0);
  EXPECT_NE(missing.IndexProblem().find("cannot be opened"), std::string::npos);
  Morvane none(nullptr);
  EXPECT_EQ(none.GetRecordCount(), 0);
}

TEST_F(MorvaneIndexTest, HugeUnitCountsDoNotReadPastTheFile) {
  Bytes bytes = vqbtest::VqbFileBuilder().Add(1, Filled(256, 1), 0xFFFF).Build();
  bytes.resize(38 + 3 + 256);
  const std::string path = WriteBytes(bytes);
  IndexProbe file(path.c_str());
  EXPECT_EQ(file.GetRecordSize(1, 1), 0xFFFFul * 256);
  EXPECT_FALSE(file.RecordIsComplete(0));
  std::vector<unsigned char> data(16);
  EXPECT_EQ(file.GetRecordData(1, 1, data.data(), 0xFFFFul * 256), 0);
}

}  // namespace
