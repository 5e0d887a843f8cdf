// Replacing a file whole: what the user set up on the old file survives, and
// no failure or concurrent save leaves a damaged file or a stray temporary.
#include "text/replace_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.hpp"

namespace quelrin {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::write_file;

// Every name in the folder, so that a leftover temporary shows.
std::vector<std::string> folder_names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t mode_of(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

TEST(ReplaceFile, ReadOnlyFileIsNotReplacedEvenForTheSuperuser) {
  test::TempDir dir;
  const std::string path = dir.file("dados.txt");
  write_file(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(replace_file(path, "new"));
  EXPECT_EQ(read_file(path), "old");
  EXPECT_EQ(folder_names(dir.path()), (std::vector<std::string>{"dados.txt"}));
}

TEST(ReplaceFile, NewFileKeepsTheOldPermissionBits) {
  test::TempDir dir;
  const std::string path = dir.file("dados.txt");
  write_file(path, "old and longer");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(replace_file(path, "new"));
  EXPECT_EQ(read_file(path), "new");
  EXPECT_EQ(mode_of(path), 0640u);
}

TEST(ReplaceFile, SymbolicLinkStaysALinkAndItsTargetIsReplaced) {
  test::TempDir dir;
  fs::create_directory(dir.path() / "data");
  write_file(dir.file("data/fluids.txt"), "old");
  fs::create_symlink("data/fluids.txt", dir.path() / "dados.txt");
  ASSERT_TRUE(replace_file(dir.file("dados.txt"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "dados.txt"));
  EXPECT_EQ(read_file(dir.file("data/fluids.txt")), "new");
  EXPECT_EQ(folder_names(dir.path() / "data"), (std::vector<std::string>{"fluids.txt"}));

  // A link whose target does not exist yet makes the target.
  fs::create_symlink("data/later.txt", dir.path() / "prefs.dat");
  ASSERT_TRUE(replace_file(dir.file("prefs.dat"), "0 0"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "prefs.dat"));
  EXPECT_EQ(read_file(dir.file("data/later.txt")), "0 0");
}

TEST(ReplaceFile, GuardedReplacementWritesOnlyOverWhatWasRead) {
  test::TempDir dir;
  const std::string path = dir.file("dados.txt");
  write_file(path, "read");
  std::optional<std::string> found;
  EXPECT_EQ(replace_file_if_unchanged(path, "read", "mine", found), GuardedReplace::replaced);
  EXPECT_EQ(read_file(path), "mine");

  write_file(path, "theirs");
  EXPECT_EQ(replace_file_if_unchanged(path, "mine", "mine again", found), GuardedReplace::changed);
  EXPECT_EQ(found, "theirs");
  EXPECT_EQ(read_file(path), "theirs");

  // A file gone since it was read has changed; one that never was has not.
  fs::remove(path);
  EXPECT_EQ(replace_file_if_unchanged(path, "theirs", "mine", found), GuardedReplace::changed);
  EXPECT_EQ(found, std::nullopt);
  EXPECT_EQ(replace_file_if_unchanged(path, std::nullopt, "mine", found), GuardedReplace::replaced);
  EXPECT_EQ(read_file(path), "mine");
}

TEST(ReplaceFile, GuardedReplacementThroughALinkComparesAndWritesItsTarget) {
  test::TempDir dir;
  fs::create_directory(dir.path() / "data");
  write_file(dir.file("data/fluids.txt"), "read");
  fs::create_symlink("data/fluids.txt", dir.path() / "dados.txt");
  std::optional<std::string> found;
  EXPECT_EQ(replace_file_if_unchanged(dir.file("dados.txt"), "read", "mine", found),
            GuardedReplace::replaced);
  EXPECT_TRUE(fs::is_symlink(dir.path() / "dados.txt"));
  EXPECT_EQ(read_file(dir.file("data/fluids.txt")), "mine");
  EXPECT_EQ(folder_names(dir.path() / "data"), (std::vector<std::string>{"fluids.txt"}));
}

TEST(ReplaceFile, LinksInACircleAreRefusedAndLeftAlone) {
  test::TempDir dir;
  fs::create_symlink("b", dir.path() / "a");
  fs::create_symlink("a", dir.path() / "b");
  EXPECT_FALSE(replace_file(dir.file("a"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "a"));
  EXPECT_EQ(folder_names(dir.path()), (std::vector<std::string>{"a", "b"}));
}

TEST(ReplaceFile, NamesBesideTheFileAreNeverUsedAsTheTemporary) {
  // A fixed temporary name could be taken by a file or a link to elsewhere.
  test::TempDir dir;
  write_file(dir.file("victim"), "keep");
  fs::create_symlink("victim", dir.path() / "dados.txt.tmp");
  fs::create_directory(dir.path() / ".dados.txt.tmp");
  ASSERT_TRUE(replace_file(dir.file("dados.txt"), "new"));
  EXPECT_EQ(read_file(dir.file("victim")), "keep");
  EXPECT_EQ(read_file(dir.file("dados.txt")), "new");
  EXPECT_EQ(folder_names(dir.path()),
            (std::vector<std::string>{".dados.txt.tmp", "dados.txt", "dados.txt.tmp", "victim"}));
}

TEST(ReplaceFile, FailuresLeaveNoTemporaryBehind) {
  test::TempDir dir;
  EXPECT_FALSE(replace_file(dir.file("missing-folder/dados.txt"), "new"));
  fs::create_directories(dir.path() / "dados.txt" / "inside");  // a folder where the file should be
  EXPECT_FALSE(replace_file(dir.file("dados.txt"), "new"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "dados.txt" / "inside"));
  EXPECT_EQ(folder_names(dir.path()), (std::vector<std::string>{"dados.txt"}));
}

TEST(ReplaceFile, ConcurrentSavesNeverShowAReaderAPartialFile) {
  test::TempDir dir;
  const std::string path = dir.file("dados.txt");
  const std::string first(200000, 'a');
  const std::string second(150000, 'b');
  write_file(path, first);
  std::atomic<bool> failed_save{false};
  auto saver = [&](const std::string& contents) {
    for (int i = 0; i < 60; ++i) {
      if (!replace_file(path, contents)) failed_save = true;
    }
  };
  std::thread one(saver, first);
  std::thread two(saver, second);
  int torn = 0;
  for (int i = 0; i < 300; ++i) {
    const std::string seen = read_file(path);
    if (seen != first && seen != second) ++torn;
  }
  one.join();
  two.join();
  EXPECT_FALSE(failed_save);
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(folder_names(dir.path()), (std::vector<std::string>{"dados.txt"}));
}

}  // namespace
}  // namespace quelrin
