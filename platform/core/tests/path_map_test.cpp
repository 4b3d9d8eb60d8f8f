#include "pf/path_map.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "scoped_env.h"

namespace {

// Only a path with a drive is a Windows path; in any other, '\' is part of a name. A drive's
// "." and ".." are resolved by the name, as on the drive, and ".." of its root is the root.
TEST(PathMap, MapsDrivesUnderTheRootAndKeepsOtherPaths) {
  const std::string saved = pf::DriveRoot();  // process state: put back at the end
  const struct {
    const char* root;
    const char* input;
    const char* expected;
  } cases[] = {
      {"/data", "c:\\Schaltungen\\Filter.CKT", "/data/Schaltungen/Filter.CKT"},
      {"/data", "Z:\\mixed/sep\\x", "/data/mixed/sep/x"},
      {"/data", "C:", "/data/"},
      {"/data", "C:datei.txt", "/data/datei.txt"},
      {"/data///", "C:\\x", "/data/x"},
      {"/", "C:\\x\\y", "/x/y"},
      {"///", "C:", "/"},
      {"rel/root/", "C:\\x", "rel/root/x"},
      {"/data", "C:\\..\\..\\out.png", "/data/out.png"},
      {"/data", "C:\\x\\..\\..\\..\\y\\.\\z.vqe", "/data/y/z.vqe"},
      {"/data", "C:..\\x", "/data/x"},
      {"/data", "c:/a/b/../c/", "/data/a/c/"},
      {"/data", "C:\\a\\\\b", "/data/a/b"},
      {"/data", "C:\\x\\..", "/data/"},
      {"/", "C:\\..", "/"},
      {"rel", "C:\\..\\..\\x", "rel/x"},
      {"/data", "C:\\x..\\...\\.y", "/data/x../.../.y"},
      {"/data", "../x", "../x"},
      {"/data", "dir\\..\\x", "dir\\..\\x"},
      {"/data", "\\dir\\file", "\\dir\\file"},
      {"/data", "\\\\server\\share", "\\\\server\\share"},
      {"/data", "back\\slash.vqe", "back\\slash.vqe"},
      {"/data", "/home/x/back\\slash.net", "/home/x/back\\slash.net"},
      {"/data", "1:\\x", "1:\\x"},
      {"/data", "C", "C"},
      {"/data", "", ""},
  };
  for (const auto& c : cases) {
    pf::SetDriveRoot(c.root);
    EXPECT_EQ(pf::MapWindowsPath(c.input), c.expected) << c.input << " under " << c.root;
  }
  pf::SetDriveRoot(saved);
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
