#include "simanalyzer/VqbFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "simanalyzer/DemoRecords.h"

namespace simanalyzer {
namespace {

class TempFile {
 public:
  TempFile() : path_(std::filesystem::temp_directory_path() / ("sim-vqb-" + std::to_string(::getpid()) + ".vqb")) {}
  ~TempFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }
  void Write(const std::vector<uint8_t>& bytes) const {
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

// A record with a prefix block of `prefixLength` and a note block of `noteLength`, in an area of `area` bytes.
std::vector<uint8_t> Area(std::size_t area, unsigned mask, unsigned prefixLength, unsigned noteLength) {
  std::vector<uint8_t> bytes(area, 0);
  if (area > 1) bytes[0] = static_cast<uint8_t>(prefixLength), bytes[1] = static_cast<uint8_t>(prefixLength >> 8);
  if (area > 9) bytes[8] = static_cast<uint8_t>(mask), bytes[9] = static_cast<uint8_t>(mask >> 8);
  if (area > prefixLength + 1) bytes[prefixLength] = static_cast<uint8_t>(noteLength);
  return bytes;
}

TEST(VqbFilesTest, RecordSpanWalksTheBlockMask) {
  struct Case {
    const char* what;
    std::vector<uint8_t> area;
    std::size_t span;
  };
  const Case cases[] = {
      {"prefix and note", Area(256, 0x0003, 40, 68), 108},
      {"prefix alone", Area(256, 0x0001, 40, 0), 40},
      {"blocks fill the area", Area(108, 0x0003, 40, 68), 108},
      {"note runs past the area", Area(100, 0x0003, 40, 68), 100},
      {"zero block length", Area(256, 0x0003, 40, 0), 256},
      {"no block bits", Area(256, 0x0000, 40, 0), 256},
      {"too short for a mask", Area(9, 0x0001, 40, 0), 9},
      {"empty", {}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RecordSpan(c.area), c.span) << c.what;
}

TEST(VqbFilesTest, FileBytesFollowTheBinaryDataFileLayout) {
  const std::vector<uint8_t> bytes = VqbFileBytes(1234, {{2, std::vector<uint8_t>(300, 7)}, {5, {}}, {1, {1}}});
  const std::string header(bytes.begin(), bytes.begin() + 36);
  EXPECT_EQ(header, std::string("Vexlor-Quand 1234 binary data file.\x1A"));
  const std::vector<uint8_t> directory(bytes.begin() + 36, bytes.begin() + 47);
  EXPECT_EQ(directory, (std::vector<uint8_t>{3, 0, 2, 2, 0, 5, 0, 0, 1, 1, 0}));
  ASSERT_EQ(bytes.size(), 47u + 512 + 256);
  EXPECT_EQ(bytes[47 + 299], 7);
  EXPECT_EQ(bytes[47 + 300], 0) << "the data area is padded with zeros";
  EXPECT_EQ(bytes[47 + 512], 1);
}

TEST(VqbFilesTest, DemoRecordsSurviveAFileRoundTrip) {
  TempFile file;
  const std::vector<StoredRecord> records = DemoRecords();
  file.Write(VqbFileBytes(kDemoModelNumber, records));
  const LoadedFile loaded = LoadVqbFile(file.Path(), "Demo", 0);
  ASSERT_TRUE(loaded.file.has_value()) << loaded.problem;
  EXPECT_TRUE(loaded.problem.empty());
  EXPECT_EQ(loaded.file->name, "Demo    ");
  ASSERT_EQ(loaded.file->records.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(loaded.file->records[i].type, records[i].type);
    EXPECT_EQ(loaded.file->records[i].bytes, records[i].bytes) << "record " << i << " keeps its true size";
  }
}

TEST(VqbFilesTest, AFileCutShortKeepsItsWholeRecords) {
  TempFile file;
  std::vector<uint8_t> bytes = VqbFileBytes(1234, DemoRecords());
  bytes.resize(bytes.size() - 1);
  file.Write(bytes);
  const LoadedFile loaded = LoadVqbFile(file.Path(), "CUT", 0);
  ASSERT_TRUE(loaded.file.has_value());
  EXPECT_EQ(loaded.file->records.size(), DemoRecords().size() - 1);
  EXPECT_NE(loaded.problem.find("ends inside record 4 of 4"), std::string::npos) << loaded.problem;
}

TEST(VqbFilesTest, UnreadableFilesGiveNoMemoryFile) {
  TempFile file;
  EXPECT_FALSE(LoadVqbFile(file.Path(), "NONE", 0).file.has_value());
  file.Write(std::vector<uint8_t>(20, 'x'));
  const LoadedFile loaded = LoadVqbFile(file.Path(), "SHORT", 0);
  EXPECT_FALSE(loaded.file.has_value());
  EXPECT_NE(loaded.problem.find(file.Path()), std::string::npos);
}

}  // namespace
}  // namespace simanalyzer
