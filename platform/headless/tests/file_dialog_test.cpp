#include "pf/file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/tests/temp_dir.h"
#include "pf/headless.h"
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
