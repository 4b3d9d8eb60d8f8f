// The slotline, coplanar and transition dialogs driven through scripted modal dialogs. Without a
// view behind them no substrate can be chosen and every OK ends in a refusal, which stores
// nothing; an OK that is to pass gets the view of a circuit with a substrate.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/desktop/tests/ViewFixture.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "lines/ui/tests/DialogInputs.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/SlotSymbols.h"
#include "pf/headless.h"
#include "resources/SlotDialogIds.h"

namespace {

using pf::DialogDriver;

constexpr const char* kNoSubstrate = "Zuerst ein Substrat definieren";


class SlotDialogsTest : public ViewFixture {
 protected:
  // Runs the symbol's dialog with the inputs and OK, which must be refused, then cancels.
  void Refuse(NetSymbol& symbol, const std::string& label, const Inputs& inputs,
              std::function<void(DialogDriver&)> check = {}) {
    headless.Ui().Reset();
    headless.ExpectDialog(label, [&](DialogDriver& d) {
      Enter(d, inputs);
      if (check) check(d);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    });
    EXPECT_FALSE(symbol.EditDialog(nullptr));
    EXPECT_TRUE(headless.Failures().empty()) << headless.Failures().front();
    EXPECT_EQ(headless.PendingScripts(), 0);
  }
  const std::vector<pf::ScriptedUiServices::ShownMessage>& Boxes() {
    return headless.Ui().Messages();
  }
};

std::string Line(NetSymbol& s) {
  s.WriteNetLine();
  return s.netLine.ToCString();
}

// One refused OK per row: its one box after a beep; the symbol keeps its line, the fields that
// passed before the refused one and the radios clicked included.
TEST_F(SlotDialogsTest, ARefusedOkShowsOneBoxAndStoresNothing) {
  const struct {
    const char* what;
    const char* key;
    int dialog;
    Inputs input;
    const char* message;  // nullptr: the value class's own
    const char* caption;
  } rows[] = {
      {"slot width", "SlotLineSymbol", slotline_ids::kTemplate, {{slotline_ids::kW, "1q"}},
       nullptr, "Fehler Weite:"},
      {"slot length", "SlotLineSymbol", slotline_ids::kTemplate,
       {{slotline_ids::kW, "0.2mm"}, {slotline_ids::kP, "x"}}, nullptr, "Fehler Länge:"},
      // Nor are the model and the end clicked before a refusal.
      {"slot, no substrate", "SlotLineSymbol", slotline_ids::kTemplate,
       {{slotline_ids::kCohn, nullptr}, {slotline_ids::kShort, nullptr}}, kNoSubstrate,
       "Fehler"},
      {"bend kink", "SltBendSymbol", sltbend_ids::kTemplate,
       {{sltbend_ids::kP, "20mm"}, {sltbend_ids::kKink, "x"}}, nullptr, "Fehler Knicklänge:"},
      {"bend, no substrate", "SltBendSymbol", sltbend_ids::kTemplate,
       {{sltbend_ids::kShort, nullptr}}, kNoSubstrate, "Fehler"},
      {"coplanar strip", "CCoplanarLineSymbol", coplanar_ids::kTemplate,
       {{coplanar_ids::kW, "x"}}, nullptr, "Fehler Strip-Weite:"},
      {"coplanar gap", "CCoplanarLineSymbol", coplanar_ids::kTemplate,
       {{coplanar_ids::kW, "1mm"}, {coplanar_ids::kS, "x"}}, nullptr, "Fehler Gap-Weite:"},
      {"coplanar length", "CCoplanarLineSymbol", coplanar_ids::kTemplate,
       {{coplanar_ids::kS, "0.2mm"}, {coplanar_ids::kP, "x"}}, nullptr, "Fehler Länge:"},
      {"coplanar, no substrate", "CCoplanarLineSymbol", coplanar_ids::kTemplate,
       {{coplanar_ids::kOpen, nullptr}}, kNoSubstrate, "Fehler"},
      {"junction width", "CCoplanarCrossSymbol", coplanarcross_ids::kTemplate,
       {{coplanarcross_ids::kW, "x"}}, nullptr, "Fehler Strip-Weite:"},
      {"junction gap", "CCoplanarCrossSymbol", coplanarcross_ids::kTemplate,
       {{coplanarcross_ids::kS, "x"}}, nullptr, "Fehler Spalt:"},
      {"junction, no substrate", "CCoplanarCrossSymbol", coplanarcross_ids::kTemplate, {},
       kNoSubstrate, "Fehler"},
      {"transition microstrip", "MslToSlotSymbol", msltoslot_ids::kTemplate,
       {{msltoslot_ids::kM, "x"}, {msltoslot_ids::kS, "0.3mm"}}, nullptr, "Fehler MSL-Weite:"},
      {"transition slot", "MslToSlotSymbol", msltoslot_ids::kTemplate,
       {{msltoslot_ids::kM, "2mm"}, {msltoslot_ids::kS, "x"}}, nullptr, "Fehler Slot-Weite:"},
      {"transition, no substrate", "MslToSlotSymbol", msltoslot_ids::kTemplate,
       {{msltoslot_ids::kDas, nullptr}}, kNoSubstrate, "Fehler"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
    ASSERT_TRUE(symbol);
    symbol->nodes = {1, 2, 3, 4};
    const std::string before = Line(*symbol);
    Refuse(*symbol, std::to_string(row.dialog), row.input);
    ASSERT_EQ(Boxes().size(), 1u);
    if (row.message != nullptr) {
      EXPECT_EQ(Boxes()[0].text, row.message);
    }
    EXPECT_EQ(Boxes()[0].caption, row.caption);
    EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(Line(*symbol), before);
  }
}

// The pole radios follow the kind: a line has two or three poles, a stub one or two.
TEST_F(SlotDialogsTest, PoleRadiosFollowTheKind) {
  const struct {
    const char* what;
    const char* key;
    int dialog;
    Inputs clicks;
    int one, two, three;  // the pole radios
    int checked;          // the one expected checked at the end
  } rows[] = {
      {"slot: three poles of a short", "SlotLineSymbol", slotline_ids::kTemplate,
       {{slotline_ids::kShort, nullptr}, {slotline_ids::kThreePoles, nullptr}},
       slotline_ids::kOnePole, slotline_ids::kTwoPoles, slotline_ids::kThreePoles,
       slotline_ids::kOnePole},
      {"slot: one pole of a line", "SlotLineSymbol", slotline_ids::kTemplate,
       {{slotline_ids::kOnePole, nullptr}}, slotline_ids::kOnePole, slotline_ids::kTwoPoles,
       slotline_ids::kThreePoles, slotline_ids::kTwoPoles},
      {"slot: back to a line", "SlotLineSymbol", slotline_ids::kTemplate,
       {{slotline_ids::kOpen, nullptr}, {slotline_ids::kOnePole, nullptr},
        {slotline_ids::kLine, nullptr}},
       slotline_ids::kOnePole, slotline_ids::kTwoPoles, slotline_ids::kThreePoles,
       slotline_ids::kTwoPoles},
      {"slot: open with three poles", "SlotLineSymbol", slotline_ids::kTemplate,
       {{slotline_ids::kOpen, nullptr}, {slotline_ids::kThreePoles, nullptr}},
       slotline_ids::kOnePole, slotline_ids::kTwoPoles, slotline_ids::kThreePoles,
       slotline_ids::kOnePole},
      {"covered: short while three poles", "CCoveredSlotLineSymbol", coveredslot_ids::kTemplate,
       {{coveredslot_ids::kThreePoles, nullptr}, {coveredslot_ids::kShort, nullptr}},
       coveredslot_ids::kOnePole, coveredslot_ids::kTwoPoles, coveredslot_ids::kThreePoles,
       coveredslot_ids::kOnePole},
      {"covered: three poles of a short", "CCoveredSlotLineSymbol", coveredslot_ids::kTemplate,
       {{coveredslot_ids::kShort, nullptr}, {coveredslot_ids::kThreePoles, nullptr}},
       coveredslot_ids::kOnePole, coveredslot_ids::kTwoPoles, coveredslot_ids::kThreePoles,
       coveredslot_ids::kOnePole},
      {"covered: line while one pole", "CCoveredSlotLineSymbol", coveredslot_ids::kTemplate,
       {{coveredslot_ids::kShort, nullptr}, {coveredslot_ids::kOnePole, nullptr},
        {coveredslot_ids::kLine, nullptr}},
       coveredslot_ids::kOnePole, coveredslot_ids::kTwoPoles, coveredslot_ids::kThreePoles,
       coveredslot_ids::kTwoPoles},
      {"covered: a short keeps two poles", "CCoveredSlotLineSymbol", coveredslot_ids::kTemplate,
       {{coveredslot_ids::kShort, nullptr}}, coveredslot_ids::kOnePole,
       coveredslot_ids::kTwoPoles, coveredslot_ids::kThreePoles, coveredslot_ids::kTwoPoles},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
    Refuse(*symbol, std::to_string(row.dialog), row.clicks, [&](DialogDriver& d) {
      for (const int id : {row.one, row.two, row.three}) {
        EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(id), id == row.checked ? 1 : 0) << id;
      }
    });
  }
}

// The covered slotline names the lower substrate first, and its refused OK stores nothing; in a
// circuit with a substrate both combo boxes offer it, and OK stores width, kind and poles.
TEST_F(SlotDialogsTest, CoveredSlotlineAsksForTheLowerSubstrateFirst) {
  CCoveredSlotLineSymbol covered;
  const std::string label = std::to_string(coveredslot_ids::kTemplate);
  const Inputs inputs = {{coveredslot_ids::kW, "0.3mm"},
                         {coveredslot_ids::kShort, nullptr},
                         {coveredslot_ids::kOnePole, nullptr}};
  Refuse(covered, label, inputs);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Zuerst ein unteres Substrat definieren");
  EXPECT_EQ(Boxes()[0].caption, "Fehler");
  EXPECT_EQ(covered.w, "100um");
  EXPECT_EQ(covered.kind, 'L');
  EXPECT_EQ(covered.pinCount, 2);

  auto* board = new SubSymbol(Point(100, 100), Point(150, 100));
  board->substrateName = "ALU";
  Doc().AddSymbol(board);
  headless.ExpectDialog(label, [&](DialogDriver& d) {
    Enter(d, inputs);
    d.Ok();
  });
  EXPECT_TRUE(covered.EditDialog(view));
  EXPECT_EQ(headless.PendingScripts(), 0);
  EXPECT_EQ(covered.w, "300um");
  EXPECT_EQ(covered.kind, 'S');
  EXPECT_EQ(covered.pinCount, 1);
  EXPECT_EQ(covered.substrate, "ALU");
  EXPECT_EQ(covered.upper, "ALU");
}

// Only a stub chooses its geometry, and only a kink has a kink length.
TEST_F(SlotDialogsTest, BendEnablesGeometryForStubs) {
  SltBendSymbol bend;
  Refuse(bend, std::to_string(sltbend_ids::kTemplate), {}, [](DialogDriver& d) {
    auto enabled = [&d](int id) { return d.GetDialog().GetDlgItem(id)->IsWindowEnabled(); };
    EXPECT_FALSE(enabled(sltbend_ids::kArc));
    EXPECT_FALSE(enabled(sltbend_ids::kKinked));
    d.Click(sltbend_ids::kShort);
    EXPECT_TRUE(enabled(sltbend_ids::kArc));
    EXPECT_TRUE(enabled(sltbend_ids::kKinked));
    d.Click(sltbend_ids::kKinked);
    EXPECT_TRUE(enabled(sltbend_ids::kKink));
    d.Click(sltbend_ids::kArc);
    EXPECT_FALSE(enabled(sltbend_ids::kKink));
    d.Click(sltbend_ids::kKinked);
    d.Click(sltbend_ids::kLine);
    EXPECT_FALSE(enabled(sltbend_ids::kKink));
    EXPECT_FALSE(enabled(sltbend_ids::kArc));
  });
}

// The lumped model comes only from stored data: no radio shows it, and OK keeps it.
TEST_F(SlotDialogsTest, TransitionKeepsAModelNoRadioShows) {
  auto transition = SymbolRegistry::Global().Create("MslToSlotSymbol");
  auto& t = dynamic_cast<MslToSlotSymbol&>(*transition);
  t.model = 'S';
  Refuse(t, std::to_string(msltoslot_ids::kTemplate), {}, [](DialogDriver& d) {
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(msltoslot_ids::kKnorr), 0);
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(msltoslot_ids::kDas), 0);
  });
  EXPECT_EQ(t.model, 'S');
}

}  // namespace
