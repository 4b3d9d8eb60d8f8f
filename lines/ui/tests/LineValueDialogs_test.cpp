// What the TEM, coax and substrate dialogs refuse, as the elements of the netlist refuse it
// (lines/models/tests: the same values in netlist lines): each refusal under the field's
// caption, the dialog staying open, nothing stored; and the substrate names that
// every line finds, while a name the netlist cannot carry is refused with the reason.

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
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/TemSymbol.h"
#include "pf/headless.h"
#include "resources/LineDialogIds.h"

namespace {

using pf::DialogDriver;
using Inputs = std::vector<std::pair<int, const char*>>;

constexpr const char* kNotPositive = "Wert muss größer als 0 sein";
constexpr const char* kNegative = "Wert darf nicht negativ sein";
constexpr const char* kBelowOne = "Wert muss mindestens 1 sein";

std::string Line(NetSymbol& s) {
  s.WriteNetLine();
  return s.netLine.ToCString();
}

class LineValueDialogsTest : public testing::Test {
 protected:
  // Types the inputs and presses OK: true when the dialog closed with OK; when it stayed open,
  // Cancel closes it.
  bool Enter(NetSymbol& symbol, const std::string& label, const Inputs& inputs,
             pf::Window* parent = nullptr) {
    headless.Ui().Reset();
    headless.ExpectDialog(label, [&](DialogDriver& d) {
      for (const auto& [id, text] : inputs) d.Type(id, text);
      d.Ok();
      if (!d.GetDialog().HasEnded()) d.Cancel();
    });
    const bool ok = symbol.EditDialog(parent);
    EXPECT_TRUE(headless.Failures().empty()) << headless.Failures().front();
    EXPECT_EQ(headless.PendingScripts(), 0);
    return ok;
  }
  const std::vector<pf::ScriptedUiServices::ShownMessage>& Boxes() {
    return headless.Ui().Messages();
  }

  pf::Headless headless;
};

struct Refusal {
  const char* what;
  Inputs input;
  const char* message;
  const char* caption;
};

void ExpectRefusals(LineValueDialogsTest& test, const char* key, const std::string& label,
                    const std::vector<Refusal>& rows,
                    const std::function<bool(NetSymbol&, const std::string&, const Inputs&)>& enter,
                    const std::function<const pf::ScriptedUiServices::ShownMessage*()>& box) {
  for (const Refusal& row : rows) {
    SCOPED_TRACE(row.what);
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(key);
    ASSERT_TRUE(symbol);
    symbol->nodes = {1, 2};
    const std::string before = Line(*symbol);
    EXPECT_FALSE(enter(*symbol, label, row.input));
    const pf::ScriptedUiServices::ShownMessage* shown = box();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text, row.message);
    EXPECT_EQ(shown->caption, row.caption);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(Line(*symbol), before);
  }
  (void)test;
}

// The TEM line: impedance and length above 0, K at least 1, no negative attenuation, a field
// that passed before the refused one not stored either; the borders are taken.
TEST_F(LineValueDialogsTest, TemRefusesWhatTheTemElementsRefuse) {
  const std::vector<Refusal> rows = {
      {"Z 0", {{tem_ids::kZ, "0ohm"}}, kNotPositive, "Fehler Zwell:"},
      {"length 0", {{tem_ids::kZ, "75ohm"}, {tem_ids::kP, "0m"}}, kNotPositive, "Fehler Lae:"},
      {"K 0", {{tem_ids::kK, "0"}}, kBelowOne, "Fehler Epsr"},
      {"K -2", {{tem_ids::kK, "-2"}}, kBelowOne, "Fehler Epsr"},
      {"K 0.5", {{tem_ids::kK, "0.5"}}, kBelowOne, "Fehler Epsr"},
      {"attenuation -3", {{tem_ids::kK, "2.2"}, {tem_ids::kA, "-3"}}, kNegative, "Fehler Alfa:"},
  };
  ExpectRefusals(
      *this, "TEMTRANSLINE", "TEMDIALG", rows,
      [this](NetSymbol& s, const std::string& l, const Inputs& i) { return Enter(s, l, i); },
      [this] { return Boxes().size() == 1 ? &Boxes().back() : nullptr; });
  TemSymbol tem;
  tem.nodes = {1, 2};
  EXPECT_TRUE(Enter(tem, "TEMDIALG", {{tem_ids::kK, "1"}, {tem_ids::kA, "0"}}));
  EXPECT_EQ(Line(tem), "TRL 1 2 Z=50ohm P=10mm K=1 A=0");
}

// The coax: diameters and length above 0, the inner diameter below the outer one (refused
// under the inner one's caption, the outer one not stored either), eps_r at least 1, no negative
// loss tangent.
TEST_F(LineValueDialogsTest, CoaxRefusesWhatTheCoaxElementsRefuse) {
  const std::vector<Refusal> rows = {
      {"D 0", {{koax_ids::kOuter, "0mm"}}, kNotPositive, "Fehler LaeEdit:"},
      {"d 0", {{koax_ids::kInner, "0mm"}}, kNotPositive, "Fehler LaeEdit:"},
      {"d = D", {{koax_ids::kOuter, "3mm"}, {koax_ids::kInner, "3mm"}},
       "Innendurchmesser muss kleiner als der Außendurchmesser sein", "Fehler LaeEdit:"},
      {"d > D", {{koax_ids::kOuter, "1mm"}},
       "Innendurchmesser muss kleiner als der Außendurchmesser sein", "Fehler LaeEdit:"},
      {"length 0", {{koax_ids::kLength, "0m"}}, kNotPositive, "Fehler LaeEdit:"},
      {"eps_r 0.9", {{koax_ids::kLength, "2m"}, {koax_ids::kEr, "0.9"}}, kBelowOne,
       "Fehler FloatEdit:"},
      {"tan delta -0.1", {{koax_ids::kTanD, "-0.1"}}, kNegative, "Fehler FloatEdit:"},
  };
  // The coax beeps before its box.
  ExpectRefusals(
      *this, "KOAXIALSYMBOL", std::to_string(koax_ids::kTemplate), rows,
      [this](NetSymbol& s, const std::string& l, const Inputs& i) {
        const bool ok = Enter(s, l, i);
        EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
        return ok;
      },
      [this] { return Boxes().size() == 1 ? &Boxes().back() : nullptr; });
  KoaxSymbol coax;
  coax.nodes = {1, 2};
  EXPECT_TRUE(Enter(coax, std::to_string(koax_ids::kTemplate),
                    {{koax_ids::kInner, "4.6mm"}, {koax_ids::kEr, "1"}, {koax_ids::kTanD, "0"}}));
  EXPECT_EQ(Line(coax), "TKOX 1 2 GD=4.7mm KD=4.6mm P=1m ER=1 TD=0 Silber ");
}

// A substrate: names the netlist carries are taken (the examples of the issue, a name holding
// a key's letters); a name it cannot carry is refused under "Fehler Name:" with the reason;
// eps_r below 1 and a negative loss tangent are refused under their captions.
TEST_F(LineValueDialogsTest, SubstrateNamesAndValues) {
  const std::string label = std::to_string(substrate_ids::kTemplate);
  for (const char* name :
       {"FR-4", "RO4003C", "Duroid_5880", "Al2O3.99", "HF1", "a+b", "CHIP", "Trl", "END"}) {
    SCOPED_TRACE(name);
    SubSymbol board(Point(100, 100), Point(150, 100));
    EXPECT_TRUE(Enter(board, label, {{substrate_ids::kName, name}}));
    EXPECT_EQ(Line(board), std::string(name) + ": MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001");
  }
  const char* kFresh = "Keramik: MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001";
  const struct {
    const char* what;
    Inputs input;
    const char* message;
    const char* caption;
  } rows[] = {
      {"empty name", {{substrate_ids::kName, ""}}, "Substratname fehlt", "Fehler Name:"},
      {"blank", {{substrate_ids::kName, "FR 4"}},
       "Ungültiger Substratname: erlaubt sind Buchstaben, Ziffern, '.', '-', '+' und '_'",
       "Fehler Name:"},
      {"umlaut", {{substrate_ids::kName, "Glasfaser_verstärkt"}},
       "Ungültiger Substratname: erlaubt sind Buchstaben, Ziffern, '.', '-', '+' und '_'",
       "Fehler Name:"},
      {"colon", {{substrate_ids::kName, "A:B"}},
       "Ungültiger Substratname: erlaubt sind Buchstaben, Ziffern, '.', '-', '+' und '_'",
       "Fehler Name:"},
      {"digit first", {{substrate_ids::kName, "4003C"}},
       "Substratname muss mit einem Buchstaben beginnen", "Fehler Name:"},
      {"sign first", {{substrate_ids::kName, "-FR4"}},
       "Substratname muss mit einem Buchstaben beginnen", "Fehler Name:"},
      {"underscore first", {{substrate_ids::kName, "_FR4"}},
       "Substratname muss mit einem Buchstaben beginnen", "Fehler Name:"},
      {"no substrate's name", {{substrate_ids::kName, "NO_SUB"}},
       "NO_SUB steht für \"kein Substrat\"", "Fehler Name:"},
      {"element keyword", {{substrate_ids::kName, "TRL"}},
       "Substratname ist ein Schlüsselwort der Netzliste: TRL", "Fehler Name:"},
      {"keyword without element", {{substrate_ids::kName, "IQU"}},
       "Substratname ist ein Schlüsselwort der Netzliste: IQU", "Fehler Name:"},
      // The name typed before a refused value is not stored either.
      {"eps_r 0.5", {{substrate_ids::kName, "FR4"}, {substrate_ids::kEr, "0.5"}},
       "Epsilon_r muss mindestens 1 sein", "Fehler Epislon_r:"},
      {"tan delta -0.05", {{substrate_ids::kName, "FR4"}, {substrate_ids::kTanD, "-0.05"}},
       "Verlustfaktor darf nicht negativ sein", "Fehler  Verlustfaktor:"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    SubSymbol board(Point(100, 100), Point(150, 100));
    EXPECT_FALSE(Enter(board, label, row.input));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, row.message);
    EXPECT_EQ(Boxes()[0].caption, row.caption);
    EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
    EXPECT_EQ(Line(board), kFresh);
  }
  SubSymbol border(Point(100, 100), Point(150, 100));
  EXPECT_TRUE(Enter(border, label, {{substrate_ids::kEr, "1"}, {substrate_ids::kTanD, "0"}}));
  EXPECT_EQ(Line(border), "Keramik: MS H=0.635mm ER=1 MET1 = AU 17um TAND=0");
}

// In a circuit, a name that another substrate already has is refused; the substrate edited
// keeps its own name.
class SubstrateInCircuitTest : public ViewFixture {};

TEST_F(SubstrateInCircuitTest, ANameAnotherSubstrateHasIsRefused) {
  constexpr int G = CVostraneView::kGridSpacing;
  auto* first = new SubSymbol(Point(4 * G, 4 * G), Point(6 * G, 4 * G));
  first->substrateName = "FR4";
  Doc().AddSymbol(first);
  auto* second = new SubSymbol(Point(4 * G, 8 * G), Point(6 * G, 8 * G));
  second->substrateName = "ALU";
  Doc().AddSymbol(second);
  const std::string label = std::to_string(substrate_ids::kTemplate);
  headless.ExpectDialog(label, [](DialogDriver& d) {
    d.Type(substrate_ids::kName, "FR4");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Type(substrate_ids::kName, "ALU");
    d.Ok();
  });
  EXPECT_TRUE(second->EditDialog(view));
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].text, "Substratname schon vergeben: FR4");
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler Name:");
  EXPECT_EQ(second->substrateName, "ALU");
  // A new substrate, not yet in the circuit, meets both names.
  SubSymbol placed(Point(4 * G, 12 * G), Point(6 * G, 12 * G));
  headless.ExpectDialog(label, [](DialogDriver& d) {
    d.Type(substrate_ids::kName, "ALU");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Type(substrate_ids::kName, "FR-4");
    d.Ok();
  });
  EXPECT_TRUE(placed.EditDialog(view));
  EXPECT_EQ(placed.substrateName, "FR-4");
  EXPECT_TRUE(headless.Failures().empty());
}

}  // namespace
