// The substrate base of the line dialogs.

#include <gtest/gtest.h>

#include <memory>

#include "editor/dialogs/BasisDialogs.h"
#include "pf/dialog_template.h"
#include "pf/headless.h"

namespace {

using pf::DialogDriver;

// A line dialog without a circuit behind it: nothing to choose, so OK is refused.
class SubstrateDialog : public TMicBasisDialog {
 public:
  SubstrateDialog() : TMicBasisDialog(nullptr, "TESTSUBSTRAT") {
    substrateName = "NO_SUB";
    substrateCombo = std::make_unique<TComboBox>(this, 102);
  }
  void SetupWindow() override { FillSubstrateCombo(); }
  bool CanClose() override { return CheckSubstrate(); }
};

TEST(TMicBasisDialogTest, WithoutSubstratesTheComboIsEmptyAndOkIsRefused) {
  static constexpr pf::ControlTemplate kControls[] = {
      {pf::ControlKind::ComboBox, 102, "", 4, 4, 80, 40, pf::kStyleDropDownList},
      {pf::ControlKind::PushButton, 1, "OK", 4, 44, 40, 14},
      {pf::ControlKind::PushButton, 2, "Abbrechen", 50, 44, 40, 14}};
  static constexpr pf::DialogTemplate kTemplate{0, "TESTSUBSTRAT", "Test", 100, 60, kControls};
  pf::DialogTemplates::Instance().Register(kTemplate);
  pf::Headless headless;
  SubstrateDialog dialog;
  headless.ExpectDialog("TESTSUBSTRAT", [&](DialogDriver& d) {
    EXPECT_TRUE(dialog.IsSetUp());
    EXPECT_EQ(d.GetDialog().GetControl<pf::ComboBox>(102)->GetCount(), 0);
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Cancel();
  });
  EXPECT_EQ(dialog.DoModal(), pf::kIdCancel);
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].text, "Zuerst ein Substrat definieren");
  EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
}

}  // namespace
