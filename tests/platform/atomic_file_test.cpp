// Saving through a temporary file: the bytes, the permissions, and the previous file kept
// whenever a save fails.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>

#include "common/FileBytes.h"
#include "common/FileSizeLimit.h"
#include "platform/AtomicFile.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) / "atomic";
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  // Names in the folder: a failed or finished save leaves no temporary file behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder;
};

TEST_F(AtomicFileTest, WritesTheExactBytesAndKeepsTheReplacedFilesPermissions) {
  const std::string bytes = std::string("line 1\r\nline\0 2\r\n", 17) + std::string(70000, 'x');
  const fs::path fresh = folder / "fresh.prj";
  const mode_t previousMask = umask(027);  // a user's umask, and the save leaves it so
  const bool saved = SaveFileAtomically(fresh, bytes).ok();
  const mode_t maskAfter = umask(previousMask);
  ASSERT_TRUE(saved);
  EXPECT_EQ(maskAfter, mode_t{027});
  EXPECT_EQ(ReadBytes(fresh), bytes);
  EXPECT_EQ(fs::status(fresh).permissions(), fs::perms(0640));

  const fs::path old = folder / "old.prj";
  WriteBytes(old, "previous contents that are longer than the new ones");
  chmod(old.c_str(), 0640);
  ASSERT_TRUE(SaveFileAtomically(old, "new").ok());
  EXPECT_EQ(ReadBytes(old), "new");
  EXPECT_EQ(fs::status(old).permissions(), fs::perms(0640));

  // Through a link, the file it points to is replaced and the link stays.
  fs::create_symlink(old, folder / "link.prj");
  ASSERT_TRUE(SaveFileAtomically(folder / "link.prj", "via link").ok());
  EXPECT_TRUE(fs::is_symlink(folder / "link.prj"));
  EXPECT_EQ(ReadBytes(old), "via link");
  EXPECT_EQ(Names(), (std::vector<std::string>{"fresh.prj", "link.prj", "old.prj"}));
}

TEST_F(AtomicFileTest, AFailedSaveKeepsThePreviousFileAndSaysWhy) {
  const fs::path old = folder / "design.log";
  WriteBytes(old, "the previous export");
  {
    const FileSizeLimit full(4096);
    const SaveResult result = SaveFileAtomically(old, std::string(35200, 'D'));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, "File too large");
  }
  EXPECT_EQ(ReadBytes(old), "the previous export");
  EXPECT_EQ(Names(), (std::vector<std::string>{"design.log"}));

  fs::create_directory(folder / "taken.log");
  const struct {
    fs::path path;
    const char* error;
  } failures[] = {
      {folder / "missing" / "design.log", "No such file or directory"},
      {folder / "taken.log", "Is a directory"},
      {"", "No such file or directory"},
  };
  for (const auto& f : failures) {
    EXPECT_EQ(SaveFileAtomically(f.path, "x").error, f.error) << f.path;
  }
  EXPECT_TRUE(fs::is_directory(folder / "taken.log"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"design.log", "taken.log"}));
}

TEST_F(AtomicFileTest, AReadOnlyFolderKeepsItsFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  const fs::path old = folder / "design.prj";
  WriteBytes(old, "kept");
  chmod(folder.c_str(), 0500);
  const SaveResult result = SaveFileAtomically(old, "lost?");
  chmod(folder.c_str(), 0700);
  EXPECT_EQ(result.error, "Permission denied");
  EXPECT_EQ(ReadBytes(old), "kept");
}

}  // namespace
}  // namespace platform
