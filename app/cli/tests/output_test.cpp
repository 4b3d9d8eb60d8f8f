// The shared write check of the commands: what a failed write leaves behind.

#include "app/cli/Output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "pf/whole_file.h"
#include "platform/core/tests/temp_dir.h"

namespace {

namespace fs = std::filesystem;

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A whole writer that puts bytes down and then fails or succeeds.
bool PutWhole(const std::string& path, const std::string& bytes, bool ok) {
  return pf::WriteWholeStream(path, [&](std::ostream& out) { return (out << bytes) && ok; });
}

// A failed write is reported; whatever it had written, the user's previous file stays as it was
// and no new file appears.
TEST(WriteOutputFile, AFailedWriteIsReportedAndLeavesThePreviousFile) {
  const pf::test::TempDir dir;
  const struct {
    const char* name;
    const char* before;  // nullptr: no file
    bool (*write)(const std::string&);
    bool kept;  // the file is there afterwards
  } cases[] = {
      {"made", nullptr, [](const std::string& p) { return PutWhole(p, "%PDF-", false); }, false},
      {"cut", "old picture", [](const std::string& p) { return PutWhole(p, "", false); }, true},
      {"untouched", "old picture", [](const std::string&) { return false; }, true},
      {"written", nullptr, [](const std::string& p) { return PutWhole(p, "ok", true); }, true},
  };
  for (const auto& c : cases) {
    const std::string path = (dir.Path() / c.name).string();
    if (c.before != nullptr) Put(path, c.before);
    testing::internal::CaptureStderr();
    const bool written = WriteOutputFile(path, "nicht geschrieben: ", c.write);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(fs::exists(path), c.kept) << c.name;
    EXPECT_EQ(err, written ? "" : "nicht geschrieben: " + path + "\n") << c.name;
    if (c.before != nullptr && c.kept) {
      std::ifstream in(path);
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.before) << c.name;
    }
  }
}

}  // namespace
