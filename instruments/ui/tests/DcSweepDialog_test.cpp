#include "instruments/ui/DcSweepDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "pf/headless.h"
#include "resources/SpiceAnalysisIds.h"

namespace {

namespace Ids = dcsweep_ids;

struct Supply {
  const char* name;
  char setting;
};

// The swept supplies are offered, the last one first; the chosen one takes the values, becomes
// the active instrument and moves to the end of the circuit. A refused value keeps the dialog
// open under its caption with the values before it stored.
TEST(DcSweepDialogTest, ChoosesASweptSupplyAndStoresItsRange) {
  pf::Headless headless;
  CVostraneDoc doc;
  for (const Supply& s : {Supply{"VDc1", 'V'}, Supply{"VDc2", 'F'}, Supply{"VDc3", 'V'}}) {
    auto* supply = new DcGeneratorSymbol;
    doc.AddSymbol(supply);
    supply->elementName = s.name;
    supply->setting = s.setting;
    supply->startVoltage = SpanWert(MyStrng(s.name[3] == '1' ? "0.5V" : "0V"));
  }
  std::string first;
  std::vector<std::string> items;
  std::string shownStart;
  headless.ExpectDialog(Ids::kTemplate, [&](pf::DialogDriver& d) {
    first = d.Text(Ids::kMaster);
    d.Select(Ids::kMaster, "VDc1");
    shownStart = d.Text(Ids::kStart);
    d.Type(Ids::kStart, "1V");
    d.Type(Ids::kStop, "2x");
    d.Ok();
    d.Type(Ids::kStop, "2V");
    d.Type(Ids::kStep, "0.25V");
    d.Ok();
  });
  EXPECT_EQ(DcSweepDialog(doc, nullptr).DoModal(), pf::kIdOk);
  EXPECT_EQ(first, "VDc3");
  EXPECT_EQ(shownStart, "0.5V");
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler Stopspannung:");
  auto* chosen = dynamic_cast<DcGeneratorSymbol*>(doc.FindSymbolByName("VDc1"));
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->startVoltage, "1V");
  EXPECT_EQ(chosen->stopVoltage, "2V");
  EXPECT_EQ(chosen->voltageStep, "0.25V");
  EXPECT_EQ(chosen->GetActiveFlag(), 1);
  const NetSymbol* last = nullptr;
  doc.Symbols().ForEach([&last](NetSymbol* s) { last = s; });
  EXPECT_EQ(last, chosen);
}

// Without a swept supply nothing is chosen and OK starts nothing.
TEST(DcSweepDialogTest, WithoutASweptSupplyOkStartsNothing) {
  pf::Headless headless;
  CVostraneDoc doc;
  doc.AddSymbol(new DcGeneratorSymbol);
  headless.ExpectDialog(Ids::kTemplate, [](pf::DialogDriver& d) { d.Ok(); });
  EXPECT_EQ(DcSweepDialog(doc, nullptr).DoModal(), pf::kIdCancel);
}

}  // namespace
