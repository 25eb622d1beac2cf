// Every file the library writes from the analyzer's data replaces an old one
// the way the user set it up: through a symbolic link into the linked file,
// with the old file's permission bits and group.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "AnalyzerTalvinetFixture.h"
#include "talvinet/ScreenBitmapFile.h"
#include "talvinet/SetupFile.h"
#include "talvinet/WholeFile.h"

namespace talvinet::testing {
namespace {

namespace fs = std::filesystem;

constexpr gid_t kOtherGroup = 1;

class ReplacedFilesTest : public AnalyzerTalvinetTest {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("talvinet-replaced-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    Open();
  }
  void TearDown() override { fs::remove_all(folder); }
  fs::path folder;
};

TEST_F(ReplacedFilesTest, EachWriterReplacesTheLinkedFileAndKeepsItsMode) {
  const std::array<unsigned char, kBitmapImageSize> bitmap{};
  const std::pair<const char*, std::function<bool(const std::string&)>> writers[] = {
      {"download", [&](const std::string& p) { return analyzer.CopyFileToHardDrive("SURVEY  ", p.c_str(), 1, {}, 0) != 0; }},
      {"setup file", [&](const std::string& p) { return SaveSetupFile(analyzer, 1, p, 1) == SetupFileResult::kDone; }},
      {"screen picture", [&](const std::string& p) { return WriteScreenBitmapFile(p, bitmap.data()); }},
  };
  for (const auto& [name, write] : writers) {
    SCOPED_TRACE(name);
    const fs::path linked = folder / "linked";
    const fs::path link = folder / "link";
    std::ofstream(linked) << "old";
    fs::permissions(linked, fs::perms(0640));
    // Only where the system lets the file be given another group must the replacement keep it.
    const bool regrouped = ::chown(linked.c_str(), static_cast<uid_t>(-1), kOtherGroup) == 0;
    fs::create_symlink("linked", link);
    ASSERT_TRUE(write(link.string()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_GT(fs::file_size(linked), 3u);
    EXPECT_EQ(fs::status(linked).permissions(), fs::perms(0640));
    struct stat status{};
    if (regrouped && ::stat(linked.c_str(), &status) == 0) {
      EXPECT_EQ(status.st_gid, kOtherGroup);
    }
    fs::remove(link);
    fs::remove(linked);
  }
}

TEST_F(ReplacedFilesTest, AFolderThatTakesNoNewFileIsNamed) {
  const fs::path missing = folder / "missing";
  EXPECT_EQ(NewFileRefusal((missing / "x.vqb").string()),
            "the folder " + missing.string() + " cannot take a new file: No such file or directory");
  fs::create_symlink(missing / "x.vqb", folder / "link");
  EXPECT_EQ(NewFileRefusal((folder / "link").string()),
            "the folder " + missing.string() + " cannot take a new file: No such file or directory");
  EXPECT_EQ(NewFileRefusal((folder / "x.vqb").string()), "");
  // The probe leaves nothing behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace talvinet::testing
