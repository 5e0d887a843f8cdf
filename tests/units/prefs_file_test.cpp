// prefs.dat: two "%d" numbers, pressure unit first, written without a line end.
#include "units/prefs_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>

#include "tests/support/temp_dir.hpp"

namespace quelrin {
namespace {

// Prefs from the numbers prefs.dat holds for them.
UnitPrefs numbered(int pressure, int temperature) {
  return {*pressure_unit_at(pressure), *temperature_unit_at(temperature)};
}

const UnitPrefs KEPT = numbered(1, 2);  // what the fields held before the reading

UnitPrefs read_text(const char* text) {
  test::TempDir dir;
  test::write_file(dir.file(PREFS_FILE), text);
  UnitPrefs prefs = KEPT;
  EXPECT_EQ(read_prefs_file(dir.file(PREFS_FILE), prefs), PrefsRead::read);
  return prefs;
}

TEST(PrefsFile, NumbersOnTwoLinesSelectTheirUnits) {
  EXPECT_EQ(read_text("4\n3"), numbered(4, 3));
  EXPECT_EQ(read_text("  0\r\n\t0\n"), numbered(0, 0));
  EXPECT_EQ(read_text("+2 3 trailing"), numbered(2, 3));
}

TEST(PrefsFile, UnreadableOrOutOfRangeNumbersKeepTheirFields) {
  EXPECT_EQ(read_text("9 3"), numbered(1, 3));
  EXPECT_EQ(read_text("3 -1"), numbered(3, 2));
  EXPECT_EQ(read_text("3"), numbered(3, 2));
  EXPECT_EQ(read_text("3 x"), numbered(3, 2));
  EXPECT_EQ(read_text("x 3"), KEPT);  // the first failed conversion ends the reading
  EXPECT_EQ(read_text(""), KEPT);
}

TEST(PrefsFile, MissingFileIsReportedAndChangesNothing) {
  test::TempDir dir;
  UnitPrefs prefs = KEPT;
  EXPECT_EQ(read_prefs_file(dir.file(PREFS_FILE), prefs), PrefsRead::missing);
  EXPECT_EQ(prefs, KEPT);
}

// Windows files have no read permission to take away; the check runs in a
// child process, which the web build has none of.
#if !defined(_WIN32) && GTEST_HAS_DEATH_TEST
TEST(PrefsFile, FileWithoutReadPermissionIsUnreadableNotMissing) {
  test::TempDir dir;
  const std::string path = dir.file(PREFS_FILE);
  test::write_file(path, "2 3");
  ::chmod(path.c_str(), 0);
  // The superuser reads anything: the check runs without its rights.
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::exit(2);
        UnitPrefs prefs = KEPT;
        std::exit(read_prefs_file(path, prefs) == PrefsRead::unreadable && prefs == KEPT ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}
#endif

TEST(PrefsFile, WritingGivesTheTwoNumbersAndNoLineEnd) {
  test::TempDir dir;
  const std::string path = dir.file(PREFS_FILE);
  test::write_file(path, "4 3\nlonger old contents");
  ASSERT_TRUE(write_prefs_file(path, UnitPrefs{}));
  EXPECT_EQ(test::read_file(path), "0 0");
  ASSERT_TRUE(write_prefs_file(path, numbered(2, 3)));
  EXPECT_EQ(test::read_file(path), "2 3");
}

}  // namespace
}  // namespace quelrin
