#include "diagrams/pictex/PicTexDialog.h"

#include <gtest/gtest.h>

#include <string>

#include "basics/VS_Error.h"
#include "pf/headless.h"
#include "resources/ScreenIds.h"

namespace {

// A width beyond the largest is refused naming that width.
TEST(PicTexDialogTest, KeepsTheLetterAtOnceAndRefusesWidthsThatAreNoNumberZeroOrTooWide) {
  pf::Headless headless;
  PicTexDialog dialog(nullptr);
  dialog.width = 80;
  headless.ExpectDialog(pictex_ids::kTemplate, [](pf::DialogDriver& d) {
    EXPECT_EQ(d.Text(pictex_ids::kWidth), "80");
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(1169), 1) << "Footnote";
    d.Click(1171);
    for (const char* bad : {"8x", "0", "", "501", "99999999999"}) {
      d.Type(pictex_ids::kWidth, bad);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded()) << bad;
    }
    d.Type(pictex_ids::kWidth, "120");
    d.Ok();
  });
  EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
  EXPECT_EQ(dialog.width, 120);
  EXPECT_EQ(dialog.fontLetter, 'L');
  const auto& shown = headless.Ui().Messages();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].text, "Ist keine Zahl");
  EXPECT_EQ(shown[3].text, "Breite über 500 mm ist nicht zulässig");
  for (const auto& m : shown) EXPECT_EQ(m.caption, "Fehler Integerwert:");
  EXPECT_EQ(headless.Ui().Beeps().size(), 5u);
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

// The diagram's largest width (a screen far taller than its grid offers less): one more is
// refused naming it, the largest itself is taken.
TEST(PicTexDialogTest, RefusesWiderThanTheDiagramsLargest) {
  for (const int largest : {PicTexFile::kLargestWidth, 137}) {
    pf::Headless headless;
    PicTexDialog dialog(nullptr);
    dialog.width = 60;
    dialog.largest = largest;
    headless.ExpectDialog(pictex_ids::kTemplate, [largest](pf::DialogDriver& d) {
      d.Type(pictex_ids::kWidth, std::to_string(largest + 1));
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded()) << largest;
      d.Type(pictex_ids::kWidth, std::to_string(largest));
      d.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
    EXPECT_EQ(dialog.width, largest);
    const auto& shown = headless.Ui().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Breite über " + std::to_string(largest) + " mm ist nicht zulässig");
  }
}

TEST(PicTexDialogTest, ARefusedOkStoresNothing) {
  pf::Headless headless;
  PicTexDialog dialog(nullptr);
  dialog.width = 80;
  headless.ExpectDialog(pictex_ids::kTemplate, [](pf::DialogDriver& d) {
    d.Type(pictex_ids::kWidth, "600");
    d.Ok();
    d.Cancel();
  });
  EXPECT_EQ(dialog.DoModal(), pf::kIdCancel);
  EXPECT_EQ(dialog.width, 80);
}

}  // namespace
