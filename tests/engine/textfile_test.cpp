// Writing a file whole: the old file survives every failure, and only regular files are replaced.
#include "engine/TextFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace brivane;
namespace fs = std::filesystem;

namespace {

class WriteWholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) / ("writewhole-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(WriteWholeFileTest, ReplacesThroughALinkKeepingThePermissions) {
  const fs::path file = dir_ / "table.csv";
  std::ofstream(file) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(file, dir_ / "link.csv");
  ASSERT_FALSE(WriteWholeFile((dir_ / "link.csv").string(), "new content"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.csv"));
  EXPECT_EQ(Read(file), "new content");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"link.csv", "table.csv"}));
}

TEST_F(WriteWholeFileTest, AFullDiskLeavesTheOldFileAndNothingElse) {
  const fs::path file = dir_ / "table.csv";
  const std::string old(5000, 'o');
  std::ofstream(file) << old;
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto handler = signal(SIGXFSZ, SIG_IGN);
  rlimit full = saved;
  full.rlim_cur = 3000;  // the new file stops in the middle
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
  const std::error_code error = WriteWholeFile(file.string(), std::string(12000, 'n'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, handler);
  EXPECT_EQ(error, std::make_error_code(std::errc::file_too_large));
  EXPECT_EQ(Read(file), old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"table.csv"});
}

TEST_F(WriteWholeFileTest, NeverReplacesWhatIsNotARegularFile) {
  ASSERT_EQ(mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  fs::create_directory(dir_ / "folder");
  std::vector<fs::path> targets{dir_ / "pipe", dir_ / "folder"};
  // A device node of our own (only root may make one): /dev/null's numbers.
  if (mknod((dir_ / "device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) targets.push_back(dir_ / "device");
  for (const fs::path& target : targets) {
    const auto type = fs::symlink_status(target).type();
    const std::error_code error = WriteWholeFile(target.string(), "x");
    EXPECT_TRUE(error) << target;
    EXPECT_EQ(error, CheckOutputTarget(target.string())) << target << ": " << error.message();
    EXPECT_EQ(fs::symlink_status(target).type(), type) << target;
  }
  EXPECT_FALSE(CheckOutputTarget((dir_ / "new.csv").string()));
  EXPECT_EQ(Entries().size(), targets.size());
}

}  // namespace
