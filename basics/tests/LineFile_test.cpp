#include "basics/LineFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "pf/archive.h"
#include "pf/clipboard.h"
#include "pf/path_map.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines Texts(LineFile& file) {
  Lines texts;
  file.Reset();
  for (int32_t i = 0; i < file.GetCount(); ++i) texts.push_back(file.GetNext().GetBuffer());
  return texts;
}

LineFile Make(const Lines& lines) {
  LineFile file;
  for (const std::string& line : lines) file.AddLine(line.c_str());
  return file;
}

std::string Contents(const std::string& path) {
  std::ostringstream os;
  os << std::ifstream(path, std::ios::binary).rdbuf();
  return os.str();
}

class LineFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    const char* test = testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = fs::temp_directory_path() / ("linefile_" + std::to_string(getpid()) + "_" + test);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  fs::path dir_;
};

TEST_F(LineFileOnDisk, ReadTrimsAndDropsEmptyLines) {
  const std::string longLine(1500, 'x');
  struct Case {
    std::string bytes;
    Lines expected;
  } cases[] = {
      {"  a  \n\n\tb\nc", {"a", "b", "c"}},
      {"a\r\nb \r\n\r\n", {"a", "b"}},
      {" \n\t\n  \t \n", {}},
      {"a\t\n", {"a\t"}},
      {std::string("a\0b\nc", 5), {"a", "c"}},
      {longLine + "\nnext\n", {longLine.substr(0, LineFile::kMaxLineLength), "next"}},
      {longLine.substr(0, 1021) + "\r\n", {longLine.substr(0, 1021)}},
  };
  for (const Case& c : cases) {
    LineFile file;
    EXPECT_EQ(file.ReadFile(Write("in.txt", c.bytes).c_str()), 1);
    EXPECT_EQ(Texts(file), c.expected) << c.bytes.substr(0, 20);
  }
}

TEST_F(LineFileOnDisk, ReadAppendsOrLeavesTheLinesAlone) {
  LineFile file = Make({"old"});
  EXPECT_EQ(file.ReadFile(Write("in.txt", "new\n").c_str()), 1);
  EXPECT_EQ(file.GetFileName(), "NoName.txt");
  EXPECT_EQ(file.ReadFile((dir_ / "missing.txt").c_str()), 0);
  EXPECT_EQ(VS_Error::MessageCount(), 0);

  // Too many lines; a file beyond the byte bound (sparse, nothing written); no file at all; a
  // file whose read fails (EIO: nothing is mapped at 0).
  std::string tooMany;
  for (int32_t i = 0; i <= LineFile::kMaxLines; ++i) tooMany += "a\n";
  const std::string sparse = Write("sparse.txt", "");
  fs::resize_file(sparse, LineFile::kMaxBytes + 1);
  const std::string folder = dir_.string();
  const struct {
    std::string path;
    const char* message;
  } refused[] = {{Write("big.txt", tooMany), "Datei zu groß: "},
                 {sparse, "Datei zu groß: "},
                 {folder, "Keine Datei: "},
                 {"/dev/zero", "Keine Datei: "},
                 {"/proc/self/mem", "Lesefehler: "}};
  for (const auto& r : refused) {
    VS_Error::ClearQueue();
    EXPECT_EQ(file.ReadFile(r.path.c_str()), 0);
    ASSERT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(VS_Error::GetFirstMessage(), (r.message + r.path).c_str());
  }
  EXPECT_EQ(Texts(file), (Lines{"old", "new"}));
}

// Windows paths map below the drive root. A write replaces the whole file; a failed one says
// so.
TEST_F(LineFileOnDisk, WindowsPathsAreMappedAndWritesReplaceTheFile) {
  const std::string root = pf::DriveRoot();
  pf::SetDriveRoot(dir_.string());
  fs::create_directories(dir_ / "sub");
  Write("sub/f.txt", "a\nb c\n");
  Write("sub/out.txt", "a much longer old content\n");
  LineFile file;
  file.ReadFile("C:\\sub\\f.txt");
  file.fileName = "C:\\sub\\out.txt";
  EXPECT_TRUE(file.WriteFile());
  file.fileName = "C:\\no\\such\\dir.txt";
  EXPECT_FALSE(file.WriteFile());
  pf::SetDriveRoot(root);
  EXPECT_EQ(Contents((dir_ / "sub/out.txt").string()), "a\nb c\n");
}

// Every line ends with CR LF and nothing follows the last one (a NUL would be pasted into
// files); lines that do not fit into the limit are skipped. Only the presence of a window
// matters: the clipboard keeps its text without one.
TEST(LineFile, ClipboardText) {
  static char windowStandIn;
  pf::Window* const window = reinterpret_cast<pf::Window*>(&windowStandIn);
  const struct {
    Lines lines;
    int32_t limit;
    std::string expected;
  } cases[] = {{{"ab", "c"}, 7, "ab\r\nc\r\n"}, {{"abcd", "x"}, 5, "x\r\n"}, {{"ab", "c"}, -3, ""}};
  for (const auto& c : cases) {
    Make(c.lines).CopyToClipboardLimited(window, c.limit);
    EXPECT_EQ(pf::TheClipboard().GetText(), c.expected) << c.limit;
  }
  LineFile file = Make({"ab", "c"});
  EXPECT_EQ(file.GetTextSize(), 8);
  file.CopyToClipboard(window);
  EXPECT_EQ(pf::TheClipboard().GetText(), "ab\r\nc\r\n");
  pf::TheClipboard().SetText("kept");
  file.CopyToClipboard(nullptr);
  EXPECT_EQ(pf::TheClipboard().GetText(), "kept");
  pf::TheClipboard().Empty();
}

// Copies take the name and the lines but not the directory; assignment appends the lines.
TEST(LineFile, CopiesTakeNameAndLinesButNotTheDirectory) {
  LineFile source = Make({"a", "b"});
  source.fileName = "dir/x.txt";
  source.directory = "dir/";
  LineFile copy(source);
  EXPECT_EQ(copy.GetFileName(), "dir/x.txt");
  EXPECT_EQ(copy.directory, "");
  LineFile target = Make({"t"});
  target = source;
  auto& self = target;
  target = self;
  target.AppendLines(target);
  EXPECT_EQ(Texts(target), (Lines{"t", "a", "b", "t", "a", "b"}));
}

// The archive holds the name (capacity 16), the count and the lines (capacity 16 each); a
// count that is negative, too large or beyond the data is refused.
TEST(LineFile, ArchiveRoundTripAndCorruptCounts) {
  LineFile source = Make({"ab", "c"});
  source.fileName = "f";
  std::stringstream bytes;
  {
    pf::Archive ar(static_cast<std::ostream&>(bytes));
    source.Serialize(ar);
  }
  const std::string stored = bytes.str();
  EXPECT_EQ(stored.size(), 4u + 16 + 4 + 2 * (4 + 16));
  EXPECT_EQ(stored[20], 2);
  LineFile loaded = Make({"old"});
  pf::Archive in(static_cast<std::istream&>(bytes));
  loaded.Serialize(in);
  EXPECT_EQ(loaded.GetFileName(), "f");
  EXPECT_EQ(Texts(loaded), (Lines{"ab", "c"}));

  for (int32_t count : {-1, LineFile::kMaxLines + 1, 3}) {
    std::string corrupt = stored;
    for (int i = 0; i < 4; ++i) corrupt[20 + i] = static_cast<char>(uint32_t(count) >> (8 * i));
    std::istringstream corruptIn(corrupt);
    pf::Archive ar(static_cast<std::istream&>(corruptIn));
    LineFile file;
    EXPECT_THROW(file.Serialize(ar), pf::ArchiveError) << count;
  }
}

}  // namespace

// Lines as the readers see them: ended by LF, CR LF or CR alone, cut at the length bound, every
// byte paid from the budget and a line beyond it refused.
TEST(LineFile, ReadLineCutsLongLinesAndPaysEveryByte) {
  const std::string kept(LineFile::kMaxLineLength, 'a');
  // Lines across the reader's blocks of 64 KiB: the CR LF of one split by the first boundary,
  // the CR alone of another the last byte before the second, then lines running over the third.
  constexpr size_t kBlock = 64 << 10;
  std::string blocks;
  std::vector<std::string> blockLines;
  const auto add = [&](size_t length, const char* end) {
    blockLines.emplace_back(length, 'x');
    blocks += blockLines.back() + end;
  };
  for (const char* end : {"\r\n", "\r"}) {
    const size_t boundary = (blocks.size() / kBlock + 1) * kBlock;
    while (blocks.size() + 1000 < boundary) add(blocks.size() % 997, "\r");
    add(boundary - 1 - blocks.size(), end);
  }
  while (blocks.size() < 3 * kBlock + 5000) add(blocks.size() % 997, "\r\n");
  const struct {
    const char* name;
    std::string text;
    int64_t budget;
    std::vector<std::string> lines;  // read before the end or the budget
    int64_t left;                    // budget left; -1 when it ran out
  } kCases[] = {
      {"CR LF and a last line without LF", "a\r\nb", 100, {"a", "b"}, 96},
      {"the longest kept line", kept + "\n", 2000, {kept}, 2000 - 1022},
      {"one longer: cut", kept + "b\nc\n", 2000, {kept, "c"}, 2000 - 1025},
      {"kept length and CR", kept + "\r\n", 2000, {kept}, 2000 - 1023},
      {"cut line ending in CR", std::string(1500, 'a') + "\r\n", 2000, {kept}, 2000 - 1502},
      {"an endless line", std::string(5000, 'x'), 3000, {}, -1},
      {"budget ends inside a line", "abc\ndef\n", 6, {"abc"}, -1},
      {"budget ends at the LF", "abc\n", 3, {}, -1},
      {"NUL kept", std::string("a\0b\n", 4), 10, {std::string("a\0b", 3)}, 6},
      {"CR alone ends lines", "a\rb\r\rc", 100, {"a", "b", "", "c"}, 94},
      {"LF CR is two line ends", "a\n\rb\n", 100, {"a", "", "b"}, 95},
      {"every kind in one file", "a\r\nb\rc\nd", 100, {"a", "b", "c", "d"}, 92},
      {"cut line ending in CR alone", std::string(1500, 'a') + "\rz", 2000, {kept, "z"},
       2000 - 1502},
      {"a file of CR alone pays its line ends", std::string(5000, '\r'), 3000,
       std::vector<std::string>(3000, ""), -1},
      {"CR LF across blocks", blocks, 1 << 20, blockLines,
       (1 << 20) - static_cast<int64_t>(blocks.size())},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.text);
    LineReader reader(in, c.budget);
    std::vector<std::string> lines;
    std::vector<bool> ended;
    for (std::string line; reader.Next(line);) {
      lines.push_back(line);
      ended.push_back(reader.LineEnded());
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(reader.Left() < 0 ? -1 : reader.Left(), c.left);
    // Only a last line that the text ends inside lacks its line end.
    for (size_t i = 0; i < ended.size(); ++i) {
      const bool last = i + 1 == ended.size();
      EXPECT_EQ(ended[i], !last || c.text.back() == '\n' || c.text.back() == '\r') << i;
    }
  }
}
