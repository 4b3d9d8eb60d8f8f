#include "pf/path_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "scoped_env.h"
#include "temp_dir.h"

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

// One file has one key however it is named (another spelling, a link, a second hard link, a
// drive path); another file of the same content, or a name of no file, has its own.
TEST(PathMap, FileKeyTellsFilesApart) {
  namespace fs = std::filesystem;
  const std::string saved = pf::DriveRoot();
  const pf::test::TempDir dir;
  pf::SetDriveRoot(dir.Path().string());
  fs::create_directories(dir.Path() / "a");
  fs::create_directories(dir.Path() / "b");
  std::ofstream(dir / "a/part.vqe") << "x";
  std::ofstream(dir / "b/part.vqe") << "x";
  fs::create_symlink(dir / "a/part.vqe", dir / "alias.vqe");
  fs::create_directory_symlink(dir.Path() / "a", dir.Path() / "folder");
  fs::create_hard_link(dir / "a/part.vqe", dir / "hard.vqe");
  const std::string file = pf::FileKey(dir / "a/part.vqe");
  const struct {
    std::string name;
    bool same;
  } cases[] = {
      {dir / "b/../a/part.vqe", true},
      {dir / "a//./part.vqe", true},
      {dir / "alias.vqe", true},
      {dir / "folder/part.vqe", true},
      {dir / "hard.vqe", true},
      {"C:\\a\\part.vqe", true},
      {dir / "b/part.vqe", false},
      {dir / "a/none.vqe", false},
  };
  for (const auto& c : cases) EXPECT_EQ(pf::FileKey(c.name) == file, c.same) << c.name;
  // Names of no file still name one each, by their absolute path.
  EXPECT_EQ(pf::FileKey(dir / "a/none.vqe"), pf::FileKey(dir / "b/../a/none.vqe"));
  EXPECT_NE(pf::FileKey(dir / "a/none.vqe"), pf::FileKey(dir / "b/none.vqe"));
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
