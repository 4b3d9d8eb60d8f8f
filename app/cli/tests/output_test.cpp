// The shared write check of the commands: what a failed write leaves behind.

#include "app/cli/Output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/tests/temp_dir.h"

namespace {

namespace fs = std::filesystem;

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A writer that fails after it has made, cut or left the file: only a file it made or
// changed goes; the user's file that it never opened stays.
TEST(WriteOutputFile, AFailedWriteRemovesWhatItLeftHalfWritten) {
  const pf::test::TempDir dir;
  const struct {
    const char* name;
    const char* before;  // nullptr: no file
    bool (*write)(const std::string&);
    bool kept;  // the file is there afterwards
  } cases[] = {
      {"made", nullptr,
       [](const std::string& p) {
         Put(p, "%PDF-");
         return false;
       },
       false},
      {"cut", "old picture",
       [](const std::string& p) {
         Put(p, "");
         return false;
       },
       false},
      {"untouched", "old picture", [](const std::string&) { return false; }, true},
      {"written", nullptr,
       [](const std::string& p) {
         Put(p, "ok");
         return true;
       },
       true},
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
