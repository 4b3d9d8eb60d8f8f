#include <gtest/gtest.h>

#include "pf/app.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

using Events = std::vector<std::string>;

class DialogTest : public UiTest {};

TEST_F(DialogTest, ClosingTheWindowIsCancelAndARefusedOkKeepsItOpen) {
  RecordingDialog dlg;
  dlg.okAllowed = false;
  headless.ExpectDialog(kTestDialog, [](DialogDriver& d) {
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Close();
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancel);
  EXPECT_EQ(dlg.events, (Events{"init", "1 clicked", "ok", "cancel"}));
  EXPECT_FALSE(dlg.IsCreated());
}

// What a dialog keeps is set back by each OK that leaves it open, never by one that ends it;
// what a button changed at once before the OK stays.
TEST_F(DialogTest, ARefusedOkSetsBackWhatTheDialogKeeps) {
  struct Case {
    bool okAllowed;
    int expected;
  };
  for (const Case c : {Case{false, 1}, Case{true, 3}}) {
    RecordingDialog dlg;
    int value = 0;
    dlg.KeepCopyOnRefusal(value);
    dlg.okAllowed = c.okAllowed;
    headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
      value = 1;  // a button that acts at once
      d.Ok();
      if (d.GetDialog().HasEnded()) return;
      EXPECT_EQ(value, 1);
      d.Close();
    });
    // OK reads the fields: here it stores before it decides.
    dlg.onOk = [&] { value = 3; };
    dlg.DoModal();
    EXPECT_EQ(value, c.expected) << (c.okAllowed ? "OK passed" : "OK refused");
  }
}

// The limit cuts the user's text only, counting characters, not bytes.
TEST_F(DialogTest, EditChangesAndSpinDeltasAreNotified) {
  RecordingDialog dlg;
  dlg.onInit = [](RecordingDialog& self) {
    self.GetControl<Edit>(kEdit)->LimitText(4);
    self.SetDlgItemText(kEdit, "4.7kohm");  // the program's text
    self.SetDlgItemText(kLabel, "Text");    // a static reports nothing
  };
  headless.ExpectDialog(kTestDialog, [](DialogDriver& d) {
    EXPECT_EQ(d.Text(kEdit), "4.7kohm");
    d.Type(kEdit, "äöüßx");
    EXPECT_EQ(d.Text(kEdit), "äöüß");
    d.Spin(kSpin, true);  // the up arrow counts down
    d.Spin(kSpin, false);
    d.Ok();
  });
  dlg.DoModal();
  EXPECT_EQ(dlg.events, (Events{"init", "100 changed", "100 changed", "140 delta -1",
                                "140 delta 1", "1 clicked", "ok"}));
}

TEST_F(DialogTest, ComboSelectStringIsACaseInsensitivePrefixMatch) {
  RecordingDialog dlg;
  ASSERT_TRUE(dlg.Create());
  auto* combo = dlg.GetControl<ComboBox>(kCombo);
  for (const char* s : {"Substrat1", "Mikrostreifen", "Übertrager", "mikro"}) combo->AddString(s);
  const struct {
    int start;
    const char* prefix;
    int index;
  } cases[] = {
      {-1, "MIKRO", 1},                                       // first match from the top
      {1, "mikro", 3},                                        // searching after the start
      {3, "mikro", 1},                                        // wrapping round
      {-1, "über", 2},                                        // German capitals fold too
      {-1, "Sub", 0},   {-1, "Streifen", ListControl::kErr},  // inside a text is no match
  };
  for (const auto& c : cases) EXPECT_EQ(combo->FindString(c.start, c.prefix), c.index) << c.prefix;

  EXPECT_EQ(combo->SelectString(-1, "mik"), 1);
  EXPECT_EQ(combo->GetWindowText(), "Mikrostreifen");
  EXPECT_EQ(combo->SelectString(-1, "xyz"), ListControl::kErr);
  EXPECT_EQ(combo->GetCurSel(), 1);  // a failed search leaves the selection
  EXPECT_EQ(combo->FindStringExact(-1, "MIKRO"), 3);
  EXPECT_TRUE(dlg.events == Events{"init"}) << "the program's selection notifies nobody";
}

// Stored names are picked by equality: neither a longer name nor another case is taken, and a
// name not listed leaves nothing selected (also when something was before).
TEST_F(DialogTest, ComboSelectEqualTakesOnlyTheEqualItem) {
  RecordingDialog dlg;
  ASSERT_TRUE(dlg.Create());
  auto* combo = dlg.GetControl<ComboBox>(kCombo);
  for (const char* s : {"ALU2", "alu", "ALU", "ALU"}) combo->AddString(s);
  const struct {
    const char* text;
    int index;
    const char* shown;
  } cases[] = {
      {"ALU", 2, "ALU"},   {"alu", 1, "alu"}, {"ALU2", 0, "ALU2"},
      {"AL", ListControl::kErr, ""},  {"Alu", ListControl::kErr, ""},
      {"ALU2 ", ListControl::kErr, ""},
  };
  for (const auto& c : cases) {
    combo->SetCurSel(3);
    EXPECT_EQ(combo->SelectEqual(c.text), c.index) << c.text;
    EXPECT_EQ(combo->GetCurSel(), c.index) << c.text;
    EXPECT_EQ(combo->GetWindowText(), c.shown) << c.text;
  }
  EXPECT_TRUE(dlg.events == Events{"init"}) << "the program's selection notifies nobody";
}

TEST_F(DialogTest, AutoRadioButtonsAreExclusiveWithinTheirGroup) {
  RecordingDialog dlg;
  dlg.onInit = [](RecordingDialog& self) {
    self.CheckRadioButton(kRadioA1, kRadioA2, kRadioA1);
    self.CheckRadioButton(kRadioB1, kRadioB2, kRadioB2);
    self.CheckDlgButton(kCheck, 1);
  };
  std::vector<int> checks;
  headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
    d.Click(kRadioA2);
    d.Click(kCheck);
    for (int id : {kRadioA1, kRadioA2, kRadioB1, kRadioB2, kCheck})
      checks.push_back(d.GetDialog().IsDlgButtonChecked(id));
    d.Ok();
  });
  dlg.DoModal();
  // The click in group A cleared A1 only; group B kept its state, and the check box (a group
  // of its own) toggled.
  EXPECT_EQ(checks, (std::vector<int>{0, 1, 0, 1, 0}));
}

TEST_F(DialogTest, ModalDialogDisablesItsOwnerWhileItRuns) {
  Window owner;
  owner.CreateTopLevel(nullptr, {0, 0, 400, 300});
  RecordingDialog dlg(&owner);
  headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
    EXPECT_FALSE(owner.IsWindowEnabled());
    const Rect r = d.GetDialog().GetWindowRect();
    EXPECT_EQ(r.left + r.Width() / 2, 200);  // centred over the owner
    d.Cancel();
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancel);
  EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, UnscriptedModalDialogFailsAndAnswersCancel) {
  headless.SetFailureHandler(nullptr);
  RecordingDialog dlg;
  EXPECT_EQ(dlg.DoModal(), kIdCancel);
  ASSERT_EQ(headless.Failures().size(), 1u);
  EXPECT_NE(headless.Failures()[0].find("9100"), std::string::npos);
  EXPECT_EQ(dlg.events, (Events{"init"}));  // no OnCancel: nobody pressed anything

  headless.ExpectDialog("testdialog", [](DialogDriver&) {});  // leaves it open
  EXPECT_EQ(Dialog("TESTDIALOG").DoModal(), kIdCancel);
  EXPECT_EQ(headless.Failures().size(), 2u);
  EXPECT_EQ(Dialog(4711).DoModal(), -1);  // no such template
}

TEST_F(DialogTest, MissingControlsReadAsEmptyHiddenOrDisabledOnesTakeNoInput) {
  RecordingDialog dlg;
  ASSERT_TRUE(dlg.Create());
  EXPECT_FALSE(dlg.IsVisible());
  dlg.ShowWindow(true);
  constexpr int kMissing = 4711;
  dlg.SetDlgItemText(kMissing, "x");
  dlg.CheckDlgButton(kMissing, 1);
  EXPECT_EQ(dlg.GetDlgItemText(kMissing), "");
  EXPECT_EQ(dlg.IsDlgButtonChecked(kMissing), 0);
  EXPECT_EQ(dlg.GetControl<ComboBox>(kEdit), nullptr);  // there, but of another kind
  dlg.GetDlgItem(kCheck)->EnableWindow(false);
  dlg.GetDlgItem(kEdit)->ShowWindow(false);
  DialogDriver d(headless, dlg);
  d.Click(kCheck);
  d.Type(kEdit, "x");
  EXPECT_EQ(dlg.IsDlgButtonChecked(kCheck), 0);
  EXPECT_EQ(dlg.GetDlgItemText(kEdit), "");
  EXPECT_EQ(dlg.events, (Events{"init"}));
  // Looked up afresh each time: a control destroyed in between is simply gone.
  dlg.SetDlgItemText(kEdit2, "y");
  dlg.GetDlgItem(kEdit2)->DestroyWindow();
  EXPECT_EQ(dlg.GetDlgItemText(kEdit2), "");
  d.Click(kIdCancel);  // ending a modeless dialog hides it
  EXPECT_TRUE(dlg.IsCreated() && dlg.HasEnded());
  EXPECT_FALSE(dlg.IsVisible());
}

TEST_F(DialogTest, ListsKeepTheirSelectionInStepWithTheItems) {
  RecordingDialog dlg;
  ASSERT_TRUE(dlg.Create());
  dlg.ShowWindow(true);
  auto* list = dlg.GetControl<ListBox>(kList);
  for (const char* s : {"a", "b", "c"}) list->AddString(s);
  DialogDriver(headless, dlg).DoubleClick(kList, 2);
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(list->InsertString(0, "z"), 0);
  EXPECT_EQ(list->GetText(list->GetCurSel()), "c");
  EXPECT_EQ(list->DeleteString(3), 3);
  EXPECT_EQ(list->GetCurSel(), ListControl::kErr);
  EXPECT_EQ(list->GetText(7), "");
  EXPECT_EQ(dlg.events, (Events{"init", "111 selchanged", "111 dblclk"}));

  auto* progress = dlg.GetControl<Progress>(kProgress);
  progress->SetRange(0, 10);
  EXPECT_EQ(progress->SetPos(12), 0);
  EXPECT_EQ(progress->GetPos(), 10);
}

}  // namespace
}  // namespace pf::test
