#include "pf/input_file.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "pf/archive.h"
#include "locked_terminal.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using pf::InputFile;
using pf::test::TempDir;

// Every kind of path, opened under a bound of 4 bytes; none of them may block or be read, so a
// FIFO without a writer and an endless device answer at once.
TEST(InputFile, OnlyRegularFilesWithinTheBoundAreOpened) {
  TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string sparse = dir.WriteFile("sparse", "");
  // Far beyond the bound, without writing a byte of it.
  fs::resize_file(sparse, std::uintmax_t{8} << 30);
  fs::create_symlink(dir / "four", dir / "link");
  const std::string socket = dir / "socket";
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const pf::test::LockedTerminal failing;
  const struct {
    std::string path;
    std::string refusal;  // empty: opened, or not found
    bool opened;
    bool missing = false;
  } cases[] = {
      {dir.WriteFile("four", "abcd"), "", true},
      {dir.WriteFile("empty", ""), "", true},
      {dir / "link", "", true},
      {dir.WriteFile("five", "abcde"), "Datei zu groß: " + (dir / "five"), false},
      {sparse, "Datei zu groß: " + sparse, false},
      {dir.Path().string(), "Keine Datei: " + dir.Path().string(), false},
      {fifo, "Keine Datei: " + fifo, false},
      {socket, "Keine Datei: " + socket, false},
      {"/dev/zero", "Keine Datei: /dev/zero", false},
      {failing.Path(), "Lesefehler: " + failing.Path(), false},
      {dir / "missing", "", false, true},
      {dir / "four/below", "", false, true},
  };
  for (const auto& c : cases) {
    InputFile file(c.path, 4);
    EXPECT_EQ(file.Refusal(), c.refusal) << c.path;
    EXPECT_EQ(file.IsOpen(), c.opened) << c.path;
    EXPECT_EQ(file.Missing(), c.missing) << c.path;
    EXPECT_EQ(static_cast<bool>(file.Stream()), c.opened) << c.path;
  }
  ::close(s);
}

// What happens to the path between opening and reading does not matter: what was opened is read,
// never beyond the bound, and a file that grows past it is refused when the read gets there.
TEST(InputFile, ReadsTheOpenedFileAndStopsAtTheBound) {
  // Beyond one buffer, so that the bound falls inside a later read.
  constexpr std::uintmax_t kBound = 100000;
  const std::string full(kBound, 'x');
  const struct {
    const char* what;
    std::string before;
    std::function<void(const TempDir&, const std::string& path)> meanwhile;
    std::string read;     // what arrives, or its beginning when refused
    std::string refusal;  // the file's name behind the message
  } cases[] = {
      {"untouched, as large as the bound", full, [](const TempDir&, const std::string&) {}, full,
       ""},
      {"one byte past the bound appended", full,
       [](const TempDir&, const std::string& path) {
         std::ofstream(path, std::ios::app | std::ios::binary) << 'y';
       },
       "", "Datei zu groß: "},
      {"grown to thrice the bound", "kurz",
       [](const TempDir&, const std::string& path) { fs::resize_file(path, 3 * kBound); }, "kurz",
       "Datei zu groß: "},
      {"shrunk", "lang genug",
       [](const TempDir&, const std::string& path) { fs::resize_file(path, 4); }, "lang", ""},
      {"replaced by a FIFO", "vorher",
       [](const TempDir& dir, const std::string& path) {
         ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
         fs::rename(dir / "fifo", path);
       },
       "vorher", ""},
      {"removed", "vorher", [](const TempDir&, const std::string& path) { fs::remove(path); },
       "vorher", ""},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.WriteFile("datei", c.before);
    InputFile file(path, kBound);
    ASSERT_TRUE(file.IsOpen()) << c.what;
    c.meanwhile(dir, path);
    std::string bytes;
    EXPECT_EQ(file.ReadAll(bytes), c.refusal.empty()) << c.what;
    EXPECT_EQ(file.Refusal(), c.refusal.empty() ? "" : c.refusal + path) << c.what;
    EXPECT_LE(bytes.size(), kBound) << c.what;
    EXPECT_EQ(bytes.substr(0, c.read.size()), c.read) << c.what;
    if (c.refusal.empty()) EXPECT_EQ(bytes, c.read) << c.what;
  }
}

// An archive looks for the end and steps back over a mark that is not there: the bound holds
// for both, and the size at the end is the one of now.
TEST(InputFile, ArchivesSeekWithinTheBound) {
  TempDir dir;
  const std::string path = dir.WriteFile("archiv", std::string("\x01\x00\x00\x00\x02\x00", 6));
  {
    InputFile file(path, 6);
    pf::Archive ar(file.Stream());
    EXPECT_EQ(ar.Remaining(), 6u);
    EXPECT_FALSE(ar.TakeMark(0x4D524B21));
    int32_t first = 0;
    int16_t second = 0;
    ar >> first >> second;
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(file.Refusal(), "");
  }
  InputFile file(path, 6);
  fs::resize_file(path, std::uintmax_t{8} << 30);
  pf::Archive ar(file.Stream());
  EXPECT_EQ(file.Refusal(), "Datei zu groß: " + path);
  int32_t first = 0;
  EXPECT_THROW(ar >> first, pf::ArchiveError);
}

// A reader of its own gets the opened file, which a FIFO put in its place does not change.
TEST(InputFile, ReleasedDescriptorReadsTheOpenedFile) {
  TempDir dir;
  const std::string path = dir.WriteFile("datei", "inhalt");
  InputFile file(path, 6);
  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  std::FILE* stream = ::fdopen(file.Release(), "rb");
  ASSERT_NE(stream, nullptr);
  char text[8] = {};
  EXPECT_EQ(std::fread(text, 1, sizeof text, stream), 6u);
  EXPECT_STREQ(text, "inhalt");
  std::fclose(stream);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Release(), -1);
}

// A read the device fails is no end of the file: the bytes before it never pass for the whole
// file. /proc/self/mem is a regular file whose reads fail (EIO) where nothing is mapped, at 0
// and behind a mapped page, as a disk fails at a bad block: from the start, and half way, also
// under an archive.
TEST(InputFile, AFailedReadIsRefused) {
  const std::string mem = "/proc/self/mem";
  const std::string why = "Lesefehler: " + mem;
  const long page = ::sysconf(_SC_PAGESIZE);
  void* pages =
      ::mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  std::memset(pages, 'm', page);
  ASSERT_EQ(::munmap(static_cast<char*>(pages) + page, page), 0);
  const auto at = static_cast<std::streamoff>(reinterpret_cast<std::uintptr_t>(pages));
  const struct {
    const char* what;
    std::streamoff from;
    std::size_t before;  // bytes that arrive before the failure
  } cases[] = {{"from the start", 0, 0}, {"behind a page", at, std::size_t(page)}};
  for (const auto& c : cases) {
    InputFile file(mem, UINTMAX_MAX);
    ASSERT_TRUE(file.IsOpen()) << c.what;
    ASSERT_TRUE(file.Stream().seekg(c.from)) << c.what;
    std::string bytes;
    EXPECT_FALSE(file.ReadAll(bytes)) << c.what;
    EXPECT_EQ(bytes, std::string(c.before, 'm')) << c.what;
    EXPECT_EQ(file.Refusal(), why) << c.what;
    EXPECT_FALSE(file.IsOpen()) << c.what;
  }
  InputFile file(mem, UINTMAX_MAX);
  ASSERT_TRUE(file.Stream().seekg(at));
  pf::Archive ar(file.Stream());
  int32_t word = 0;
  for (long i = 0; i < page / 4; ++i) ar >> word;
  EXPECT_EQ(file.Refusal(), "");
  EXPECT_THROW(ar >> word, pf::ArchiveError);
  EXPECT_EQ(file.Refusal(), why);
  ::munmap(pages, page);
}

// An archive takes the file's size as its end and stops there without reading; a reader that
// found the file too short reads on, so that a read failing there is told from a short file.
// /proc/self/mem tells the size 0 and fails its read at 0.
TEST(InputFile, AReaderStoppedAtTheSizeReadsOn) {
  const TempDir dir;
  const struct {
    std::string path;
    std::string refusal;
  } cases[] = {
      {"/proc/self/mem", "Lesefehler: /proc/self/mem"},
      {dir.WriteFile("short", "ab"), ""},
  };
  for (const auto& c : cases) {
    InputFile file(c.path, UINTMAX_MAX);
    ASSERT_TRUE(file.IsOpen()) << c.path;
    pf::Archive ar(file.Stream());
    int32_t word = 0;
    EXPECT_THROW(ar >> word, pf::ArchiveError) << c.path;
    EXPECT_EQ(file.Refusal(), "") << c.path;
    file.ReadOn();
    EXPECT_EQ(file.Refusal(), c.refusal) << c.path;
  }
}

}  // namespace
