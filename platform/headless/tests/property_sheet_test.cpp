#include "pf/property_sheet.h"

#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace pf::test {
namespace {

// A page that refuses to be left while its edit holds "falsch".
class CheckingPage : public PropertyPage {
 public:
  CheckingPage(int templateId, std::string name, std::vector<std::string>& log)
      : PropertyPage(templateId), name_(std::move(name)), log_(log) {}
  bool OnInitDialog() override {
    log_.push_back(name_ + " init");
    SetDlgItemText(kPageEdit, name_);
    return true;
  }
  bool OnSetActive() override {
    log_.push_back(name_ + " active");
    return true;
  }
  bool OnKillActive() override {
    const bool ok = GetDlgItemText(kPageEdit) != "falsch";
    log_.push_back(name_ + (ok ? " left" : " refused"));
    return ok;
  }
  void OnOK() override { log_.push_back(name_ + " ok"); }
  void OnCancel() override { log_.push_back(name_ + " cancel"); }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

class PropertySheetTest : public UiTest {
 protected:
  std::vector<std::string> log;
  CheckingPage pageA{kPageA, "A", log};
  CheckingPage pageB{kPageB, "B", log};
};

TEST_F(PropertySheetTest, KillActiveVetoKeepsThePageOnChangeAndOnOk) {
  PropertySheet sheet("Eigenschaften", nullptr, 1);
  sheet.AddPage(pageA);
  sheet.AddPage(pageB);
  headless.ExpectDialog("Eigenschaften", [&](DialogDriver& d) {
    EXPECT_EQ(sheet.GetActiveIndex(), 1);  // the page chosen at construction
    d.Type(kPageEdit, "falsch");           // on the shown page
    EXPECT_FALSE(d.SelectPage(0));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Type(kPageEdit, "gut");
    EXPECT_TRUE(d.SelectPage(0));
    d.Ok();
  });
  EXPECT_EQ(sheet.DoModal(), kIdOk);
  EXPECT_EQ(log, (std::vector<std::string>{"B init", "B active", "B refused", "B refused", "B left",
                                           "A init", "A active", "A left", "A ok", "B ok"}));
}

// Pages store when they are left; what the sheet keeps is set back unless it ends with OK.
TEST_F(PropertySheetTest, OnlyTheSheetsOkKeepsWhatItsPagesStored) {
  for (const bool ok : {false, true}) {
    std::string stored = "vorher";
    PropertySheet sheet("Eigenschaften");
    sheet.AddPage(pageA);
    sheet.AddPage(pageB);
    sheet.KeepCopyOnRefusal(stored);
    headless.ExpectDialog("Eigenschaften", [&](DialogDriver& d) {
      stored = "Seite A";  // what page A stored when it was left
      EXPECT_TRUE(d.SelectPage(1));
      d.Type(kPageEdit, "falsch");
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      if (ok) {
        stored = "Seite A";
        d.Type(kPageEdit, "gut");
        d.Ok();
      } else {
        d.Cancel();
      }
    });
    EXPECT_EQ(sheet.DoModal(), ok ? kIdOk : kIdCancel);
    EXPECT_EQ(stored, ok ? "Seite A" : "vorher");
  }
}

TEST_F(PropertySheetTest, PagesAreMadeWhenFirstShownAndCancelReachesThem) {
  PropertySheet sheet("Eigenschaften");
  sheet.AddPage(pageA);
  sheet.AddPage(pageB);
  headless.ExpectDialog("Eigenschaften", [&](DialogDriver& d) {
    EXPECT_FALSE(pageB.IsCreated());
    EXPECT_EQ(pageA.GetParent(), &sheet);
    // The page sits below the tabs, the sheet holds the largest page and the buttons.
    EXPECT_EQ(pageA.GetRect().top,
              DialogUnitsToPixelsY(PropertySheet::kMargin + PropertySheet::kTabHeight));
    EXPECT_EQ(sheet.GetClientRect().Height(), DialogUnitsToPixelsY(70 + 4 + 14 + 22));
    headless.Click(sheet, {sheet.TabRects()[1].left + 2, sheet.TabRects()[1].top + 2});
    EXPECT_EQ(sheet.GetActivePage(), &pageB);
    EXPECT_FALSE(pageA.IsVisible());
    d.Close();
  });
  EXPECT_EQ(sheet.DoModal(), kIdCancel);
  EXPECT_EQ(log.back(), "B cancel");
  EXPECT_FALSE(pageA.IsCreated());
}

}  // namespace
}  // namespace pf::test
