// The board and start point of the photoplot export, shown and read back.

#include <gtest/gtest.h>

#include "basics/VS_Error.h"
#include "editor/dialogs/GerberPlotDialog.h"
#include "editor/document/GerberDocument.h"
#include "pf/headless.h"
#include "resources/EditorIds.h"
#include "resources/Resources.h"

namespace {

using pf::DialogDriver;
namespace D = gerber_ids;

class GerberPlotDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterResources();
    VS_Error::ClearQueue();
    plot.SetSubstrateSize(LaeWert("20mm"), LaeWert("20mm"));
    dialog.document = &plot;
  }

  pf::Headless headless;
  GerberDocument plot;
  GerberPlotDialog dialog{nullptr};
};

TEST_F(GerberPlotDialogTest, OpensWithTheBoardAndItsLeftEdgesMiddleAndStoresWhatIsEntered) {
  headless.ExpectDialog(D::kTemplate, [](DialogDriver& d) {
    EXPECT_EQ(d.Text(D::kSizeX), "20mm");
    EXPECT_EQ(d.Text(D::kSizeY), "20mm");
    EXPECT_EQ(d.Text(D::kStartX), "0m");
    EXPECT_EQ(d.Text(D::kStartY), "10mm");
    d.Type(D::kSizeX, "35mm");
    d.Type(D::kStartY, "2.5mm");
    d.Click(D::kArea);
    d.Ok();
  });
  EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
  EXPECT_EQ(plot.substrateSize.x, 35000);
  EXPECT_EQ(plot.substrateSize.y, 20000);
  EXPECT_EQ(plot.startPoint.y, 2500);
  EXPECT_EQ(plot.substrateArea, 0);
}

// Each refusal shows the value class's message under its caption and keeps the dialog open;
// neither pair is stored, also when the bad field is in the second one.
TEST_F(GerberPlotDialogTest, ABadFieldKeepsTheDialogOpenAndItsPairUnchanged) {
  const struct {
    int id;
    const char* caption;
  } rows[] = {{D::kSizeX, "Fehler X:"},
              {D::kSizeY, "Fehler Y:"},
              {D::kStartX, "Fehler X:"},
              {D::kStartY, "Fehler Y:"}};
  for (const auto& row : rows) {
    headless.Ui().Reset();
    plot.SetSubstrateSize(LaeWert("20mm"), LaeWert("20mm"));
    headless.ExpectDialog(D::kTemplate, [&](DialogDriver& d) {
      d.Type(D::kSizeX, "30mm");
      d.Type(D::kStartY, "5mm");
      d.Type(row.id, "abc");
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    });
    EXPECT_EQ(dialog.DoModal(), pf::kIdCancel);
    ASSERT_EQ(headless.Ui().Messages().size(), 1u) << row.id;
    EXPECT_EQ(headless.Ui().Messages()[0].caption, row.caption);
    EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
    EXPECT_EQ(plot.substrateSize.x, 20000) << row.id;
    EXPECT_EQ(plot.startPoint.y, 10000) << row.id;
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

// The files carry less than 1 m: the board and the start point are refused from there on under
// their captions; the largest board shows to the micrometre, so that OK keeps it.
TEST_F(GerberPlotDialogTest, OneMetreIsRefusedAndTheLargestBoardIsKeptWhole) {
  const struct {
    int id;
    const char* caption;
  } rows[] = {{D::kSizeX, "Fehler X:"},
              {D::kSizeY, "Fehler Y:"},
              {D::kStartX, "Fehler X:"},
              {D::kStartY, "Fehler Y:"}};
  for (const auto& row : rows) {
    headless.Ui().Reset();
    headless.ExpectDialog(D::kTemplate, [&](DialogDriver& d) {
      d.Type(row.id, "1m");
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    });
    EXPECT_EQ(dialog.DoModal(), pf::kIdCancel);
    ASSERT_EQ(headless.Ui().Messages().size(), 1u) << row.id;
    EXPECT_EQ(headless.Ui().Messages()[0].text, "Wert muss kleiner als 1 m sein");
    EXPECT_EQ(headless.Ui().Messages()[0].caption, row.caption);
  }
  plot.SetSubstrateSize(LaeWert("999.999mm"), LaeWert("999.999mm"));
  headless.ExpectDialog(D::kTemplate, [](DialogDriver& d) {
    EXPECT_EQ(d.Text(D::kSizeX), "999.999mm");
    EXPECT_EQ(d.Text(D::kStartY), "499.999mm");
    d.Ok();
  });
  EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
  EXPECT_EQ(plot.substrateSize.x, 999999);
  EXPECT_EQ(plot.startPoint.y, 499999);
}

}  // namespace
