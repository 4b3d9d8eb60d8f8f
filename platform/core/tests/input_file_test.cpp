#include "pf/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "temp_dir.h"

namespace {

using pf::test::TempDir;

// Every kind of path, checked and opened under a bound of 4 bytes; none of them may block or
// read, so a FIFO without a writer and an endless device answer at once.
TEST(InputFile, OnlyRegularFilesWithinTheBoundAreOpened) {
  TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string sparse = dir / "sparse";
  dir.WriteFile("sparse", "");
  // Far beyond the bound, without writing a byte of it.
  std::filesystem::resize_file(sparse, std::uintmax_t{8} << 30);
  std::filesystem::create_symlink(dir / "four", dir / "link");
  const struct {
    std::string path;
    std::string refusal;  // empty: opened, or not found
    bool opened;
  } cases[] = {
      {dir.WriteFile("four", "abcd"), "", true},
      {dir.WriteFile("empty", ""), "", true},
      {dir / "link", "", true},
      {dir.WriteFile("five", "abcde"), "Datei zu groß: " + (dir / "five"), false},
      {sparse, "Datei zu groß: " + sparse, false},
      {dir.Path().string(), "Keine Datei: " + dir.Path().string(), false},
      {fifo, "Keine Datei: " + fifo, false},
      {"/dev/zero", "Keine Datei: /dev/zero", false},
      {dir / "missing", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pf::RefuseInput(c.path, 4), c.refusal) << c.path;
    std::ifstream in;
    EXPECT_EQ(pf::OpenInput(c.path, 4, in), c.refusal) << c.path;
    EXPECT_EQ(in.is_open(), c.opened) << c.path;
    EXPECT_EQ(static_cast<bool>(in), c.opened) << c.path;
  }
}

}  // namespace
