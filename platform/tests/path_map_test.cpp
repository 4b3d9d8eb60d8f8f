#include "pf/path_map.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "scoped_env.h"

namespace {

struct MapCase {
  const char* name;
  const char* root;
  const char* input;
  const char* expected;
};
void PrintTo(const MapCase& c, std::ostream* os) { *os << c.name; }

// The drive root is process state: each test puts it back.
class DriveRootTest : public testing::Test {
 protected:
  void TearDown() override { pf::SetDriveRoot(saved); }
  const std::string saved = pf::DriveRoot();
};

class PathMap : public DriveRootTest, public testing::WithParamInterface<MapCase> {};

TEST_P(PathMap, MapsDrivesAndSeparators) {
  pf::SetDriveRoot(GetParam().root);
  EXPECT_EQ(pf::MapWindowsPath(GetParam().input), GetParam().expected)
      << "root " << GetParam().root;
}

const MapCase kMapCases[] = {
    {"backslashes", "/data", "C:\\Schaltungen\\filter.ckt", "/data/Schaltungen/filter.ckt"},
    {"lower_drive", "/data", "c:\\schaltungen\\Filter.CKT", "/data/schaltungen/Filter.CKT"},
    {"forward_slashes", "/data", "Z:/lib/models.lib", "/data/lib/models.lib"},
    {"mixed_slashes", "/data", "d:\\mixed/sep\\x", "/data/mixed/sep/x"},
    {"drive_alone", "/data", "C:", "/data/"},
    {"drive_root", "/data", "C:\\", "/data/"},
    {"drive_relative", "/data", "C:datei.txt", "/data/datei.txt"},
    {"trailing_slash", "/data", "C:\\dir\\", "/data/dir/"},
    {"root_trailing_slashes", "/data///", "C:\\x", "/data/x"},
    {"root_slash", "/", "C:\\x\\y", "/x/y"},
    {"root_slash_drive_alone", "/", "C:", "/"},
    {"root_only_slashes", "///", "C:\\x", "/x"},
    {"relative_root", "rel/root/", "C:\\x", "rel/root/x"},
    {"no_drive_absolute", "/data", "\\dir\\file", "/dir/file"},
    {"no_drive_relative", "/data", "dir\\sub\\f.txt", "dir/sub/f.txt"},
    {"dot_relative", "/data", "./a/b", "./a/b"},
    {"unix_path", "/data", "/schon/unix", "/schon/unix"},
    {"unc", "/data", "\\\\server\\share", "//server/share"},
    {"digit_is_no_drive", "/data", "1:\\x", "1:/x"},
    {"letter_alone", "/data", "C", "C"},
    {"empty", "/data", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Cases, PathMap, testing::ValuesIn(kMapCases));

TEST_F(DriveRootTest, SetDriveRootDropsTrailingSlashes) {
  for (const auto& [given, kept] : {std::pair{"/data//", "/data"}, std::pair{"/", "/"},
                                    std::pair{"//", "/"}, std::pair{"a/", "a"}}) {
    pf::SetDriveRoot(given);
    EXPECT_EQ(pf::DriveRoot(), kept) << given;
  }
}

// The default root is chosen once per process, so each case runs in a fresh one.
TEST(DriveRootDeathTest, DefaultComesFromTheEnvironment) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const struct {
    const char* driveRoot;
    const char* dataHome;
    const char* expected;
  } cases[] = {
      {"/laufwerk/", "/xdg", "/laufwerk/x"},
      {nullptr, "/xdg", "/xdg/vostrane/x"},
      {"", "relativ", "/home/nutzer/.local/share/vostrane/x"},
  };
  for (const auto& c : cases) {
    pf::test::ScopedEnv root("VOSTRANE_DRIVE_ROOT", c.driveRoot);
    pf::test::ScopedEnv data("XDG_DATA_HOME", c.dataHome);
    pf::test::ScopedEnv home("HOME", "/home/nutzer");
    EXPECT_EXIT(std::_Exit(pf::MapWindowsPath("C:\\x") == c.expected ? 0 : 1),
                testing::ExitedWithCode(0), "")
        << c.expected;
  }
}

}  // namespace
