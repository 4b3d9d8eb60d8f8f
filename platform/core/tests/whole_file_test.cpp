// Files written whole or not at all: what a failed write leaves, and what a good one replaces.

#include "pf/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "full_disk.h"
#include "pf/input_file.h"
#include "pf/path_map.h"
#include "pf/process.h"
#include "temp_dir.h"

namespace pf {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

constexpr const char* kOld = "previous\n";
const std::string kNew(64 * 1024, 'n');  // beyond any stream buffer

std::size_t FilesIn(const fs::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

bool WriteNew(const std::string& path, bool ok = true) {
  return WriteWholeStream(path, [ok](std::ostream& out) { return (out << kNew) && ok; });
}

// Whatever fails on the way, the previous file (or its absence) stays and nothing else is left.
TEST(WholeFile, AFailedWriteKeepsThePreviousFileAndLeavesNoTemporary) {
  const struct {
    const char* name;
    bool previous;
    bool full;       // the disk has no room
    bool writerOk;   // the writer's own verdict
    bool readOnly = false;  // the previous file has no write permission (root included)
  } cases[] = {
      {"full disk over a file", true, true, true},
      {"full disk, new file", false, true, true},
      {"writer fails over a file", true, false, false},
      {"writer fails, new file", false, false, false},
      {"read-only file in a writable folder", true, false, true, true},
  };
  for (const auto& c : cases) {
    const test::TempDir dir;
    const std::string path = dir / "out.png";
    if (c.previous) dir.WriteFile("out.png", kOld);
    if (c.readOnly) fs::permissions(path, static_cast<fs::perms>(0444));
    bool written;
    {
      std::optional<test::FullDisk> full;
      if (c.full) full.emplace();
      written = WriteNew(path, c.writerOk);
    }
    EXPECT_FALSE(written) << c.name;
    EXPECT_EQ(fs::exists(path), c.previous) << c.name;
    if (c.previous) {
      EXPECT_EQ(ReadFile(path), kOld) << c.name;
    }
    EXPECT_EQ(FilesIn(dir.Path()), c.previous ? 1u : 0u) << c.name << ": temporary left";
  }
}

// The same through a writer that is given a path (as Cairo's PNG writer is) and fails half way.
TEST(WholeFile, AWriterOfAPathWritesBesideTheTarget) {
  const test::TempDir dir;
  const std::string path = dir.WriteFile("out.pdf", kOld);
  std::string seen;
  EXPECT_FALSE(WriteWholeFile(path, [&seen](const std::string& p) {
    seen = p;
    std::ofstream(p) << "%PDF-";
    return false;
  }));
  EXPECT_EQ(fs::path(seen).parent_path(), dir.Path());
  EXPECT_NE(seen, path);
  EXPECT_EQ(ReadFile(path), kOld);
  EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(WholeFile, AGoodWriteReplacesTheFileAndKeepsItsPermissions) {
  const test::TempDir dir;
  const std::string path = dir.WriteFile("kept.net", kOld);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteNew(path));
  EXPECT_EQ(ReadFile(path), kNew);
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A new file gets what the umask allows, not the temporary file's owner-only mode.
  const mode_t mask = ::umask(022);
  const std::string fresh = dir / "fresh.net";
  EXPECT_TRUE(WriteNew(fresh));
  ::umask(mask);
  EXPECT_EQ(fs::status(fresh).permissions(), static_cast<fs::perms>(0644));

  // A name as long as the system allows has no room for a suffix: the temporary's is cut.
  const std::string longest = dir / std::string(255, 'l');
  EXPECT_TRUE(WriteNew(longest));
  EXPECT_EQ(ReadFile(longest), kNew);
  EXPECT_EQ(FilesIn(dir.Path()), 3u);
}

// Files committed together are all new or all as they were: a failure of the second (its
// temporary not made, its rename refused once the first is in place) puts the first back, or
// removes it when it is new; nothing else is left.
TEST(WholeFile, FilesCommittedTogetherAreAllNewOrAllAsTheyWere) {
  const struct {
    const char* name;
    bool previous;  // the first target has a file
    const char* second;  // "ok", "no temporary" or "rename refused"
  } cases[] = {
      {"both written over a file", true, "ok"},
      {"both written, new", false, "ok"},
      {"second not made, over a file", true, "no temporary"},
      {"second refused after the first, over a file", true, "rename refused"},
      {"second refused after the first, new", false, "rename refused"},
  };
  for (const auto& c : cases) {
    const test::TempDir dir;
    const std::string first = dir / "aTop.gbx";
    if (c.previous) dir.WriteFile("aTop.gbx", kOld);
    const std::string second = dir / (std::string(c.second) == "no temporary" ? "x/aBot.gbx"
                                                                              : "aBot.gbx");
    WholeFile a(first);
    WholeFile b(second);
    const auto write = [](std::ostream& out) { return bool(out << kNew); };
    ASSERT_TRUE(a.WriteStream(write)) << c.name;
    EXPECT_EQ(b.WriteStream(write), std::string(c.second) != "no temporary") << c.name;
    // A folder in the second's place: its rename fails only after the first one's.
    if (std::string(c.second) == "rename refused") {
      fs::create_directory(second);
      dir.WriteFile("aBot.gbx/held", kOld);
    }
    WholeFile* files[] = {&a, &b};
    const std::optional<std::size_t> failed = CommitTogether(files);
    if (std::string(c.second) == "ok") {
      EXPECT_FALSE(failed.has_value()) << c.name;
      EXPECT_EQ(ReadFile(first), kNew) << c.name;
      EXPECT_EQ(ReadFile(second), kNew) << c.name;
      EXPECT_EQ(FilesIn(dir.Path()), 2u) << c.name;
      continue;
    }
    EXPECT_EQ(failed, std::optional<std::size_t>(1)) << c.name;
    EXPECT_EQ(fs::exists(first), c.previous) << c.name;
    if (c.previous) {
      EXPECT_EQ(ReadFile(first), kOld) << c.name;
    }
    const std::size_t besides = std::string(c.second) == "rename refused" ? 1u : 0u;
    EXPECT_EQ(FilesIn(dir.Path()), (c.previous ? 1u : 0u) + besides) << c.name << ": left";
  }
}

// A target dropped from its set loses its file in the step in which the others take their
// places, whatever lies there; when that fails, or a written file fails after it, every target
// is as it was. Only a regular file goes: through a link its target, the link staying.
TEST(WholeFile, ADroppedTargetGoesWithItsSetOrStays) {
  const struct {
    const char* name;
    const char* bottom;  // what lies at aBot.gbx: "file", "none", "folder", "read-only",
                         // "link" (to real/aBot.gbx), "dangling", "circle"
    bool topRefused = false;  // a folder takes the top's place once its file is written
    std::optional<std::size_t> failed = std::nullopt;
  } cases[] = {
      {"a file goes", "file"},
      {"nothing there", "none"},
      {"a folder stays", "folder"},
      {"a link's target goes", "link"},
      {"a dangling link stays", "dangling"},
      {"a circle of links stays", "circle"},
      {"a read-only file stays, no top beside it", "read-only", false, 1},
      {"the top refused: the file is put back", "file", true, 0},
      {"the top refused through a link", "link", true, 0},
  };
  for (const auto& c : cases) {
    const test::TempDir dir;
    fs::create_directory(dir.Path() / "real");
    const std::string top = dir / "aTop.gbx";
    const std::string bottom = dir / "aBot.gbx";
    const std::string kind = c.bottom;
    const std::string held = kind == "link" ? dir / "real/aBot.gbx" : bottom;
    const bool holdsFile = kind == "file" || kind == "read-only" || kind == "link";
    if (holdsFile) dir.WriteFile("real/aBot.gbx", kOld);
    if (kind == "file" || kind == "read-only") fs::rename(dir / "real/aBot.gbx", bottom);
    if (kind == "read-only") fs::permissions(bottom, static_cast<fs::perms>(0444));
    if (kind == "folder") fs::create_directory(bottom);
    if (kind == "link") fs::create_symlink("real/aBot.gbx", bottom);
    if (kind == "dangling") fs::create_symlink("real/none.gbx", bottom);
    if (kind == "circle") fs::create_symlink("aBot.gbx", bottom);
    const std::size_t before = FilesIn(dir.Path()) + FilesIn(dir.Path() / "real");

    WholeFile a(top);
    WholeFile b(bottom, WholeFile::Kind::kDropped);
    const auto write = [](std::ostream& out) { return bool(out << kNew); };
    ASSERT_TRUE(a.WriteStream(write)) << c.name;
    EXPECT_FALSE(b.WriteStream(write)) << c.name << ": nothing is written for a dropped target";
    if (c.topRefused) {
      fs::create_directory(top);
      dir.WriteFile("aTop.gbx/held", kOld);
    }
    WholeFile* files[] = {&a, &b};
    EXPECT_EQ(CommitTogether(files), c.failed) << c.name;

    const bool dropped = !c.failed.has_value() && (kind == "file" || kind == "link");
    std::error_code ec;
    if (holdsFile) {
      EXPECT_EQ(fs::exists(held, ec), !dropped) << c.name;
      if (!dropped) {
        EXPECT_EQ(ReadFile(held), kOld) << c.name;
      }
    }
    EXPECT_EQ(fs::is_symlink(bottom, ec), kind == "link" || kind == "dangling" || kind == "circle")
        << c.name;
    EXPECT_EQ(fs::is_directory(bottom, ec), kind == "folder") << c.name;
    if (!c.failed.has_value()) {
      EXPECT_EQ(ReadFile(top), kNew) << c.name;
    } else if (!c.topRefused) {
      EXPECT_FALSE(fs::exists(top)) << c.name;
    }
    // The new top, less the dropped file; no temporary or kept file besides.
    const std::size_t after = FilesIn(dir.Path()) + FilesIn(dir.Path() / "real");
    const std::size_t made = c.failed.has_value() ? (c.topRefused ? 1u : 0u) : 1u;
    EXPECT_EQ(after, before + made - (dropped ? 1u : 0u)) << c.name << ": left";
  }
}

// A link stays a link, its target takes the new content; a device is written directly.
TEST(WholeFile, LinksAreFollowedAndDevicesWrittenDirectly) {
  const test::TempDir dir;
  fs::create_directory(dir.Path() / "real");
  const std::string real = dir.WriteFile("real/file.txt", kOld);
  const std::string link = dir / "link.txt";
  fs::create_symlink(real, link);
  ASSERT_TRUE(WriteNew(link));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(real), kNew);
  EXPECT_EQ(FilesIn(dir.Path() / "real"), 1u);
  {
    const test::FullDisk full;
    EXPECT_FALSE(WriteNew(link));
  }
  EXPECT_EQ(ReadFile(real), kNew);
  EXPECT_EQ(FilesIn(dir.Path() / "real"), 1u);

  std::error_code ec;
  if (!fs::is_character_file("/dev/null", ec)) GTEST_SKIP() << "no /dev/null";
  EXPECT_TRUE(WriteNew("/dev/null"));
  EXPECT_TRUE(fs::is_character_file("/dev/null", ec));
  if (fs::is_character_file("/dev/full", ec)) {
    EXPECT_FALSE(WriteNew("/dev/full"));
  }
}

// A link that leads nowhere yet is written through: its target is made, beside the link or where
// it points (absolute, relative to the link's folder, through a second link), and the links stay.
// Links in a circle are not written, nor a target in a folder that is not there.
TEST(WholeFile, DanglingLinksMakeTheirTarget) {
  const test::TempDir dir;
  fs::create_directory(dir.Path() / "real");
  const struct {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link, where it points
    std::string target;  // "" when nothing is written
  } cases[] = {
      {"relative", {{"a.txt", "made.txt"}}, "made.txt"},
      {"into a folder", {{"b.txt", "real/made.txt"}}, "real/made.txt"},
      {"absolute", {{"c.txt", (dir / "real/abs.txt")}}, "real/abs.txt"},
      {"relative to the link's folder", {{"real/d.txt", "../up.txt"}}, "up.txt"},
      {"two links", {{"e.txt", "f.txt"}, {"f.txt", "real/far.txt"}}, "real/far.txt"},
      {"a circle", {{"g.txt", "h.txt"}, {"h.txt", "g.txt"}}, ""},
      {"itself", {{"i.txt", "i.txt"}}, ""},
      {"no such folder", {{"j.txt", "missing/j.txt"}}, ""},
  };
  for (const auto& c : cases) {
    for (const auto& [link, to] : c.links) fs::create_symlink(to, dir / link);
    const std::string first = dir / c.links.front().first;
    EXPECT_EQ(WriteNew(first), !c.target.empty()) << c.name;
    for (const auto& [link, to] : c.links) {
      EXPECT_TRUE(fs::is_symlink(dir / link)) << c.name << ": " << link;
      EXPECT_EQ(fs::read_symlink(dir / link).string(), to) << c.name << ": " << link;
    }
    if (!c.target.empty()) EXPECT_EQ(ReadFile(dir / c.target), kNew) << c.name;
  }
  // Besides the links, only the targets made: no temporary left.
  EXPECT_EQ(FilesIn(dir.Path()), 12u);
  EXPECT_EQ(FilesIn(dir.Path() / "real"), 4u);
}

TEST(WholeFile, AFolderThatIsNotThereIsAFailedWrite) {
  const test::TempDir dir;
  EXPECT_FALSE(WriteNew(dir / "missing/out.png"));
  dir.WriteFile("file", kOld);
  EXPECT_FALSE(WriteNew(dir / "file/out.png"));
  EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

// A name is one file for the readers and the writers: a drive's path lies below the drive root
// for both, any other name, '\' and all, is the file it names.
TEST(WholeFile, ReadersAndWritersMapANameAlike) {
  const test::TempDir dir;
  const std::string root = DriveRoot();
  SetDriveRoot(dir / "drive");
  fs::create_directories(dir.Path() / "drive/sub");
  fs::create_directory(dir.Path() / "back");
  const struct {
    std::string name;
    std::string file;  // where it lands, in dir
  } cases[] = {
      {"C:\\sub\\map.net", "drive/sub/map.net"},
      {"c:/sub/slash.net", "drive/sub/slash.net"},
      {dir / "back\\slash.net", "back\\slash.net"},
      {dir / "\\lead.png", "\\lead.png"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteWholeStream(c.name, [&c](std::ostream& out) { return bool(out << c.file); }))
        << c.name;
    EXPECT_EQ(ReadFile(dir / c.file), c.file) << c.name;
    InputFile in(c.name, 1000);
    std::string read;
    EXPECT_TRUE(in.ReadAll(read)) << c.name;
    EXPECT_EQ(read, c.file) << c.name;
  }
  SetDriveRoot(root);
  EXPECT_EQ(FilesIn(dir.Path() / "back"), 0u);
  EXPECT_EQ(FilesIn(dir.Path() / "drive/sub"), 2u);
}

// A signal that ends the program while a file is written leaves the previous file and no
// temporary one: the handler removes it before the signal takes its course.
TEST(WholeFileDeathTest, AnEndingSignalLeavesNoTemporary) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
    const test::TempDir dir;
    const std::string path = dir.WriteFile("saved.vqe", kOld);
    EXPECT_EXIT(
        {
          HandleProgramSignals();
          // Another write still going when the signal comes: its temporary goes too.
          WholeFile other(dir / "other.png");
          WriteWholeStream(path, [sig](std::ostream& out) {
            out << kNew << std::flush;
            std::raise(sig);
            return true;
          });
        },
        testing::KilledBySignal(sig), "")
        << sig;
    EXPECT_EQ(ReadFile(path), kOld) << sig;
    EXPECT_EQ(FilesIn(dir.Path()), 1u) << sig << ": temporary left";
  }
}

}  // namespace
}  // namespace pf
