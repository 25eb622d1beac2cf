#include "WholeFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace talvinet {
namespace {

namespace fs = std::filesystem;

class WholeFileWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("whole-file-writer-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    destination = folder / "out.vqb";
  }
  void TearDown() override { fs::remove_all(folder); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  fs::path folder;
  fs::path destination;
};

TEST_F(WholeFileWriterTest, NothingAppearsAtTheDestinationBeforeCommit) {
  WholeFileWriter writer;
  ASSERT_TRUE(writer.Open(destination));
  ASSERT_TRUE(writer.Write("abc", 3));
  EXPECT_FALSE(fs::exists(destination));
  ASSERT_TRUE(writer.Commit());
  EXPECT_EQ(Read(destination), "abc");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(WholeFileWriterTest, AnAbandonedWriteLeavesTheOldFileAndNoTemporaryFile) {
  { std::ofstream(destination) << "old"; }
  {
    WholeFileWriter writer;
    ASSERT_TRUE(writer.Open(destination));
    ASSERT_TRUE(writer.Write("new", 3));
  }
  EXPECT_EQ(Read(destination), "old");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(WholeFileWriterTest, CommitReplacesTheOldFile) {
  { std::ofstream(destination) << "old contents"; }
  WholeFileWriter writer;
  ASSERT_TRUE(writer.Open(destination));
  ASSERT_TRUE(writer.Write("new", 3));
  ASSERT_TRUE(writer.Commit());
  EXPECT_EQ(Read(destination), "new");
  EXPECT_FALSE(writer.Write("more", 4));
  EXPECT_FALSE(writer.Commit());
}

TEST_F(WholeFileWriterTest, ANewFileTakesTheModeTheUmaskAllows) {
  const mode_t old = ::umask(022);
  WholeFileWriter writer;
  ASSERT_TRUE(writer.Open(destination));
  ASSERT_TRUE(writer.Commit());
  ::umask(old);
  EXPECT_EQ(fs::status(destination).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(WholeFileWriterTest, DestinationsThatCannotBeWrittenFailWithoutLeftovers) {
  WholeFileWriter writer;
  EXPECT_FALSE(writer.Open(folder / "missing" / "out.vqb"));
  EXPECT_FALSE(writer.Open(""));
  EXPECT_FALSE(writer.Open(folder.string() + "/"));
  EXPECT_FALSE(writer.Write("x", 1));
  fs::create_directory(destination);
  ASSERT_TRUE(writer.Open(destination));
  EXPECT_FALSE(writer.Commit());
  EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
}  // namespace talvinet
