#include "pf/file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/tests/temp_dir.h"
#include "pf/headless.h"
#include "pf/path_map.h"
#include "pf/window.h"

namespace pf::test {
namespace {

namespace fs = std::filesystem;

class FileDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    start = fs::current_path();
    fs::create_directories(temp.Path() / "plots");
  }
  void TearDown() override { fs::current_path(start); }

  Headless headless;
  TempDir temp;
  fs::path start;
};

TEST_F(FileDialogTest, SaveDialogChangesTheCurrentDirectoryUnlessToldNot) {
  const struct {
    unsigned flags;
    bool changes;
  } cases[] = {{kOfnOverwritePrompt | kOfnPathMustExist, true},
               {kOfnOverwritePrompt | kOfnNoChangeDir, false}};
  for (const auto& c : cases) {
    fs::current_path(start);
    headless.Ui().QueueFileAnswer(temp / "plots/board");
    FileDialog dlg(false, "gbx", "Schaltung1", c.flags, "Extended Gerber File (*.gbx)|*.gbx");
    ASSERT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(dlg.GetPathName(), temp / "plots/board.gbx");  // the default extension added
    EXPECT_EQ(dlg.GetFileTitle(), "board");
    EXPECT_EQ(fs::current_path() == temp.Path() / "plots", c.changes) << c.flags;
  }
  const FileDialogRequest& asked = headless.Ui().FileDialogs().back();
  EXPECT_EQ(asked.fileName, "Schaltung1");
  EXPECT_EQ(asked.filter, "Extended Gerber File (*.gbx)|*.gbx");
}

TEST_F(FileDialogTest, CancelChangesNothingAndGivenExtensionsStay) {
  headless.Ui().QueueFileAnswer(std::nullopt);
  FileDialog cancelled(false, ".tex");
  EXPECT_EQ(cancelled.DoModal(), kIdCancel);
  EXPECT_EQ(fs::current_path(), start);
  EXPECT_EQ(cancelled.GetPathName(), "");

  headless.Ui().QueueFileAnswer(temp / "plots/bild.kur");
  FileDialog dotted(false, ".tex");  // a dot in front of the default extension is dropped
  ASSERT_EQ(dotted.DoModal(), kIdOk);
  EXPECT_EQ(dotted.GetFileExt(), "kur");
  headless.Ui().QueueFileAnswer(temp / "plots/bild");
  ASSERT_EQ(dotted.DoModal(), kIdOk);
  EXPECT_EQ(dotted.GetFileName(), "bild.tex");
  EXPECT_EQ(headless.Ui().FileDialogs()[1].defaultExt, "tex");
}

// The name chosen becomes the file's one path, as the system finds the file: "." and ".."
// resolved (above a link, its target's folder), a drive's path mapped. A name that ends in a
// folder names the folder, with its final '/', which readers and writers refuse: the default
// extension would make a hidden file in it.
TEST_F(FileDialogTest, TheChoiceIsTheFilesPathAndAFolderGetsNoExtension) {
  const std::string root = DriveRoot();
  SetDriveRoot(temp / "drive");
  fs::create_directories(temp.Path() / "drive/proj.v2/sub");
  fs::create_directories(temp.Path() / "elsewhere/deep");
  fs::create_directory_symlink(temp.Path() / "elsewhere/deep", temp.Path() / "drive/link");
  const std::string amp = temp / "drive/proj.v2/amp.vqe";
  const struct {
    std::string chosen;
    std::string path;
  } cases[] = {
      {temp / "drive/proj.v2/./amp", amp},
      {temp / "drive/proj.v2/sub/../amp.vqe", amp},
      {temp / "drive//proj.v2/amp.vqe", amp},
      {"C:\\proj.v2\\sub\\..\\amp", amp},
      {temp / "drive/link/../plan.vqe", temp / "elsewhere/plan.vqe"},
      {"C:\\link\\..\\plan.vqe", temp / "drive/plan.vqe"},  // by the name, as on the drive
      {"C:", temp / "drive/"},
      {"c:\\", temp / "drive/"},
      {"C:\\proj.v2\\sub\\", temp / "drive/proj.v2/sub/"},
      {temp / "drive/proj.v2/.", temp / "drive/proj.v2/"},
      {temp / "drive/proj.v2/sub/..", temp / "drive/proj.v2/"},
      {temp / "drive/proj.v2/sub/", temp / "drive/proj.v2/sub/"},
  };
  for (const auto& c : cases) {
    headless.Ui().QueueFileAnswer(c.chosen);
    FileDialog dlg(false, "vqe");
    ASSERT_EQ(dlg.DoModal(), kIdOk) << c.chosen;
    EXPECT_EQ(dlg.GetPathName(), c.path) << c.chosen;
  }
  SetDriveRoot(root);
}

TEST_F(FileDialogTest, ColourDialogKeepsTheColourOnCancel) {
  ColorDialog dlg(Rgb(1, 2, 3));
  headless.Ui().QueueColorAnswer(Rgb(200, 0, 0));
  headless.Ui().QueueColorAnswer(std::nullopt);
  EXPECT_EQ(dlg.DoModal(), kIdOk);
  EXPECT_EQ(dlg.GetColor(), Rgb(200, 0, 0));
  EXPECT_EQ(dlg.DoModal(), kIdCancel);
  EXPECT_EQ(dlg.GetColor(), Rgb(200, 0, 0));
  EXPECT_EQ(headless.Ui().ColorDialogs(), (std::vector<ColorRef>{Rgb(1, 2, 3), Rgb(200, 0, 0)}));
}

}  // namespace
}  // namespace pf::test
