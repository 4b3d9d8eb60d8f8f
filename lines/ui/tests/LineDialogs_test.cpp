// The line and substrate dialogs driven as the user drives them, through scripted modal dialogs.
// Without a view behind them no substrate can be chosen, so every microstrip dialog refuses OK
// at its substrate check; an OK that is to pass gets the view of a circuit with a substrate.

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
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "lines/ui/TemSymbol.h"
#include "pf/headless.h"
#include "resources/LineDialogIds.h"

namespace {

using pf::DialogDriver;

constexpr const char* kNoSubstrate = "Zuerst ein Substrat definieren";

class LineDialogsTest : public ViewFixture {
 protected:
  // Runs the symbol's dialog with the script; the dialog must have been closed by it.
  bool Edit(NetSymbol& symbol, const std::string& label, std::function<void(DialogDriver&)> s,
            pf::Window* parent = nullptr) {
    headless.ExpectDialog(label, std::move(s));
    const bool ok = symbol.EditDialog(parent);
    EXPECT_TRUE(headless.Failures().empty()) << headless.Failures().front();
    EXPECT_EQ(headless.PendingScripts(), 0);
    return ok;
  }
  const std::vector<pf::ScriptedUiServices::ShownMessage>& Boxes() {
    return headless.Ui().Messages();
  }
  size_t Beeps() { return headless.Ui().Beeps().size(); }
  // The circuit behind the view gets the substrate "ALU", for a dialog opened on the view.
  void AddSubstrate() {
    auto* board = new SubSymbol(Point(100, 100), Point(150, 100));
    board->substrateName = "ALU";
    Doc().AddSymbol(board);
  }
};


// The label of a template known by number.
std::string Numbered(int id) { return std::to_string(id); }

std::string Line(NetSymbol& s) {
  s.WriteNetLine();
  return s.netLine.ToCString();
}

// One refused OK per row: the one box it shows, whether a beep came first; the symbol keeps its
// line, the fields that passed before the refused one and the radios clicked included, both while
// the dialog stays open and after "Abbrechen".
TEST_F(LineDialogsTest, ARefusedOkShowsOneBoxAndStoresNothing) {
  const struct {
    const char* what;
    const char* key;
    std::string label;
    Inputs input;
    const char* message;  // nullptr: the value class's own
    const char* caption;
    bool beep;
  } rows[] = {
      {"TEM impedance", "TEMTRANSLINE", "TEMDIALG", {{tem_ids::kZ, "5q"}}, nullptr,
       "Fehler Zwell:", false},
      {"TEM attenuation after the length", "TEMTRANSLINE", "TEMDIALG",
       {{tem_ids::kP, "20mm"}, {tem_ids::kA, "x"}}, nullptr, "Fehler Alfa:", false},
      {"line width", "MICTRANSLINE", "TRLDIALG", {{strip_ids::kTrlW, "1q"}}, nullptr,
       "Fehler Wei:", false},
      {"open stub length", "MICOPENSTUB", "OSTDIALG",
       {{strip_ids::kOstW, "2000um"}, {strip_ids::kOstP, "x"}}, nullptr, "Fehler Lae:", false},
      {"short stub, no substrate", "MICSHORTSTUB", "SSTDIALG", {{strip_ids::kSstP, "5mm"}},
       kNoSubstrate, "Fehler", true},
      {"taper length", "MICTAPER", "MICTAPERDIALG",
       {{taper_ids::kW1, "2mm"}, {taper_ids::kP, "-"}}, nullptr, "Fehler", false},
      // A radio clicked before a refusal is not stored either.
      {"taper shape, no substrate", "MICTAPER", "MICTAPERDIALG",
       {{taper_ids::kExponential, nullptr}}, kNoSubstrate, "Fehler", true},
      {"radial stub angle 0", "MICRADIALSTUB", "RADSTDIALG", {{radstub_ids::kAngle, "0"}},
       "Winkel muss zwischen 0 und 360 Grad liegen", "Fehler", false},
      {"radial stub angle 360", "MICRADIALSTUB", "RADSTDIALG", {{radstub_ids::kAngle, "360"}},
       "Winkel muss zwischen 0 und 360 Grad liegen", "Fehler", false},
      {"radial stub angle text", "MICRADIALSTUB", "RADSTDIALG", {{radstub_ids::kAngle, "w"}},
       nullptr, "Fehler", false},
      {"radial stub feed after the angle", "MICRADIALSTUB", "RADSTDIALG",
       {{radstub_ids::kAngle, "90"}, {radstub_ids::kFeed, "x"}}, nullptr, "Fehler", false},
      {"radial stub radius", "MICRADIALSTUB", "RADSTDIALG",
       {{radstub_ids::kFeed, "2mm"}, {radstub_ids::kRadius, "x"}}, nullptr, "Fehler", false},
      {"tee branch", "MICTEE", "TEEDIALG", {{tee_ids::kIn, "2mm"}, {tee_ids::kBranch, "x"}},
       nullptr, "Fehler Wout:", false},
      {"tee input", "MICTEE", "TEEDIALG", {{tee_ids::kIn, "x"}}, nullptr, "Fehler Win", false},
      {"step output", "MICSTEP", "STEDIALG", {{step_ids::kW2, "x"}}, nullptr, "Fehler Wout:",
       false},
      {"coupled gap", "MICCOUPLEDLINE", "CPLDIALG", {{cpl_ids::kP, "3mm"}, {cpl_ids::kS, "x"}},
       nullptr, "Fehler Spa:", false},
      {"corner width", "MICCORNER", "MICCORNERDIALG", {{corner_ids::kW, "x"}}, nullptr,
       "Fehler Win:", false},
      {"corner, no substrate", "MICCORNER", "MICCORNERDIALG",
       {{corner_ids::kW, "3mm"}, {corner_ids::kChamfer, nullptr}}, kNoSubstrate, "Fehler", true},
      // The bitmap junctions refuse both widths under the through width's caption.
      {"bitmap tee branch", "MslTeeSymbol", Numbered(msltee_ids::kTemplate),
       {{msltee_ids::kThrough, "2mm"}, {msltee_ids::kBranch, "abc"}}, nullptr,
       "Fehler Weite-Durchgang:", true},
      {"bitmap tee, no substrate", "MslTeeSymbol", Numbered(msltee_ids::kTemplate), {{msltee_ids::kBranch, "0.3mm"}},
       kNoSubstrate, "Fehler", true},
      {"bitmap corner width", "MslCornerSymbol", Numbered(mslcorner_ids::kTemplate), {{mslcorner_ids::kW, "x"}}, nullptr,
       "Fehler MSL-Weite:", true},
      {"bitmap corner, no substrate", "MslCornerSymbol", Numbered(mslcorner_ids::kTemplate), {{mslcorner_ids::kW, "2mm"}},
       kNoSubstrate, "Fehler", true},
      {"coax inner diameter", "KOAXIALSYMBOL", Numbered(koax_ids::kTemplate),
       {{koax_ids::kOuter, "5mm"}, {koax_ids::kInner, "x"}}, nullptr, "Fehler LaeEdit:", true},
      // Nor are the kind and the metal before a bad foil thickness.
      {"coax foil thickness", "KOAXIALSYMBOL", Numbered(koax_ids::kTemplate),
       {{koax_ids::kCopper, nullptr}, {koax_ids::kFoil, nullptr}, {koax_ids::kThickness, "x"}},
       nullptr, "Fehler LaeEdit:", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    headless.Ui().Reset();
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
    ASSERT_TRUE(symbol);
    symbol->nodes = {1, 2, 3, 4};
    const std::string before = Line(*symbol);
    EXPECT_FALSE(Edit(*symbol, row.label, [&](DialogDriver& d) {
      Enter(d, row.input);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      EXPECT_EQ(Line(*symbol), before);
      d.Cancel();
    }));
    ASSERT_EQ(Boxes().size(), 1u);
    if (row.message != nullptr) {
      EXPECT_EQ(Boxes()[0].text, row.message);
    }
    EXPECT_EQ(Boxes()[0].caption, row.caption);
    EXPECT_EQ(Beeps(), row.beep ? 1u : 0u);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(Line(*symbol), before);
  }
}

// The bitmap junctions store their direction (and the corner its form) with the substrate: an OK
// refused for want of one keeps the letter, the OK after choosing one stores it; a radio left
// unchecked keeps the letter.
TEST_F(LineDialogsTest, BitmapJunctionsStoreTheirRadiosOnlyWithASubstrate) {
  const struct {
    const char* key;
    std::string label;
    Inputs input;
    char variant;
    const char* line;
  } rows[] = {
      {"MslTeeSymbol", Numbered(msltee_ids::kTemplate), {{msltee_ids::kRight, nullptr}}, 'A',
       "TEE 1 2 3 W1=1mm W2=1mm W3=0.5mm ALU"},
      {"MslTeeSymbol", Numbered(msltee_ids::kTemplate), {}, 'C', "TEE 1 2 3 W1=1mm W2=1mm W3=0.5mm ALU"},
      {"MslCornerSymbol", Numbered(mslcorner_ids::kTemplate),
       {{mslcorner_ids::kRight, nullptr}, {mslcorner_ids::kMitred, nullptr}}, 'B',
       "BEND 1 2 OPT W1=1mm W2=1mm ALU"},
      {"MslCornerSymbol", Numbered(mslcorner_ids::kTemplate),
       {{mslcorner_ids::kLeft, nullptr}, {mslcorner_ids::kSquare, nullptr}}, 'C',
       "BEND 1 2 NCUT W1=1mm W2=1mm ALU"},
  };
  AddSubstrate();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    headless.Ui().Reset();
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
    auto* junction = dynamic_cast<MultiPolSymbol*>(symbol.get());
    ASSERT_NE(junction, nullptr);
    junction->nodes = {1, 2, 3};
    const char variant = junction->variant;
    const std::string before = Line(*junction);
    const int combo = row.key[3] == 'T' ? msltee_ids::kSub : mslcorner_ids::kSub;
    EXPECT_TRUE(Edit(*junction, row.label, [&](DialogDriver& d) {
      // A symbol without a substrate opens with none chosen.
      EXPECT_EQ(d.Text(combo), "");
      Enter(d, row.input);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      EXPECT_EQ(junction->variant, variant);
      EXPECT_EQ(Line(*junction), before);
      d.Select(combo, "ALU");
      d.Ok();
    }, view));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kNoSubstrate);
    EXPECT_EQ(junction->variant, row.variant);
    EXPECT_EQ(Line(*junction), row.line);
  }
}

// The cross has nothing to edit.
TEST_F(LineDialogsTest, CrossHasNoDialog) {
  MslCrossSymbol cross;
  cross.EditDialog(nullptr);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Dialog des Elementes nicht implementiert");
  EXPECT_EQ(Boxes()[0].caption, "Achtung");
}

// The TEM line's kind and pins from its two radio groups: a line with one pin is an open stub.
TEST_F(LineDialogsTest, TemKindAndPinsFollowTheRadios) {
  const struct {
    int kind;
    int pins;
    char letter;
    int pinCount;
  } rows[] = {
      {tem_ids::kLine, tem_ids::kTwoPole, 'L', 2},   {tem_ids::kLine, tem_ids::kOnePole, 'O', 1},
      {tem_ids::kShort, tem_ids::kOnePole, 'S', 1},  {tem_ids::kShort, tem_ids::kTwoPole, 'S', 2},
      {tem_ids::kOpen, tem_ids::kTwoPole, 'O', 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.letter);
    TemSymbol tem;
    EXPECT_TRUE(Edit(tem, "TEMDIALG", [&](DialogDriver& d) {
      d.Click(row.kind);
      d.Click(row.pins);
      d.Ok();
    }));
    EXPECT_EQ(tem.kind, row.letter);
    EXPECT_EQ(tem.pinCount, row.pinCount);
    EXPECT_EQ(tem.onePole, row.pinCount == 1 ? 1 : 0);
  }
}

// A stub opens with its radios checked by what it is, and the open stub gives "Leitung" back its
// second pin.
TEST_F(LineDialogsTest, CoaxKindRadiosSwitchThePins) {
  KoaxSymbol coax;
  coax.nodes = {3, 4};
  EXPECT_TRUE(Edit(coax, Numbered(koax_ids::kTemplate), [](DialogDriver& d) { d.Click(koax_ids::kOpen), d.Ok(); }));
  EXPECT_EQ(Line(coax), "SKOX 3 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber  OPEN");
  EXPECT_EQ(coax.pinCount, 1);
  EXPECT_TRUE(Edit(coax, Numbered(koax_ids::kTemplate), [](DialogDriver& d) {
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(koax_ids::kOpen), 1);
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(koax_ids::kSilver), 1);
    d.Click(koax_ids::kLine);
    d.Ok();
  }));
  EXPECT_EQ(Line(coax), "TKOX 3 4 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber ");
  EXPECT_EQ(coax.pinCount, 2);
}

// The foil fields are enabled and filled only while "Metallfolie" is checked.
TEST_F(LineDialogsTest, CoaxFoilFieldsFollowTheirBox) {
  KoaxSymbol coax;
  EXPECT_TRUE(Edit(coax, Numbered(koax_ids::kTemplate), [](DialogDriver& d) {
    pf::Window* thickness = d.GetDialog().GetDlgItem(koax_ids::kThickness);
    ASSERT_NE(thickness, nullptr);
    EXPECT_FALSE(thickness->IsWindowEnabled());
    EXPECT_EQ(d.Text(koax_ids::kThickness), "");
    d.Click(koax_ids::kFoil);
    EXPECT_TRUE(thickness->IsWindowEnabled());
    EXPECT_EQ(d.Text(koax_ids::kThickness), "1um");
    d.Type(koax_ids::kThickness, "2um");
    d.Ok();
  }));
  EXPECT_EQ(coax.foil, 1);
  EXPECT_EQ(coax.foilThickness, "2um");
  // The foil is kept only: no extra netlist lines.
  EXPECT_EQ(coax.GetExtraLineCount(), 0);
  EXPECT_EQ(Line(coax), "TKOX GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber ");
}

// The radial stub's sector centre lies where a sector of its angle is as wide as its feed:
// feed / (2 tan(angle / 2)), as a normalised length; the angle is kept as typed.
TEST_F(LineDialogsTest, RadialStubDerivesItsCentreOffset) {
  const struct {
    const char* angle;
    const char* feed;
    const char* offset;
  } rows[] = {
      {"60", "1mm", "0.866mm"},
      {"90", "2mm", "1mm"},
      {"120", "1mm", "288.7um"},
  };
  AddSubstrate();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.angle);
    headless.Ui().Reset();
    RadStubSymbol stub;
    const auto enter = [&](DialogDriver& d) {
      d.Type(radstub_ids::kAngle, row.angle);
      d.Type(radstub_ids::kFeed, row.feed);
      d.Ok();
    };
    // Outside a circuit the OK is refused for want of a substrate and stores nothing.
    EXPECT_FALSE(Edit(stub, "RADSTDIALG", [&](DialogDriver& d) {
      enter(d);
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    }));
    EXPECT_EQ(stub.angle, "80.0");
    EXPECT_EQ(stub.offset, "1mm");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kNoSubstrate);
    // In one, the stub takes its substrate and stores the angle and the offset.
    EXPECT_TRUE(Edit(stub, "RADSTDIALG", enter, view));
    EXPECT_EQ(stub.angle, row.angle);
    EXPECT_EQ(stub.offset, row.offset);
    EXPECT_EQ(stub.substrate, "ALU");
  }
}

// The substrate dialog refuses at the first bad field and stores nothing, the name and the fields
// before the bad one included; once it is corrected, OK stores them all.
TEST_F(LineDialogsTest, SubstrateStoresNothingUntilEveryFieldPasses) {
  const char* kFresh = "Keramik: MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001";
  const struct {
    const char* what;
    Inputs input;
    Inputs correction;
    const char* message;  // nullptr: the value class's own
    const char* caption;
    const char* line;  // the substrate's netlist line after the corrected OK
    const char* name;
  } rows[] = {
      {"negative height", {{substrate_ids::kName, "ALU"}, {substrate_ids::kHeight, "-1mm"}},
       {{substrate_ids::kHeight, "1mm"}}, nullptr, "Fehler Höhe:",
       "ALU: MS H=1mm ER=9.9 MET1 = AU 17um TAND=0.0001", "ALU"},
      {"height 0", {{substrate_ids::kHeight, "0mm"}}, {{substrate_ids::kHeight, "0.5mm"}},
       "Höhe muss größer als 0 sein", "Fehler Höhe:",
       "Keramik: MS H=0.5mm ER=9.9 MET1 = AU 17um TAND=0.0001", "Keramik"},
      {"blank in the name", {{substrate_ids::kName, "A B"}, {substrate_ids::kHeight, "1mm"}},
       {{substrate_ids::kName, "A_B"}},
       "Ungültiger Substratname: erlaubt sind Buchstaben, Ziffern, '.', '-', '+' und '_'",
       "Fehler Name:", "A_B: MS H=1mm ER=9.9 MET1 = AU 17um TAND=0.0001", "A_B"},
      {"bad Y extent",
       {{substrate_ids::kName, "R-4.3_b+"},
        {substrate_ids::kHeight, "1mm"},
        {substrate_ids::kMetal, "35um"},
        {substrate_ids::kTanD, "0.002"},
        {substrate_ids::kEr, "4.3"},
        {substrate_ids::kCopper, nullptr},
        {substrate_ids::kY, "x"}},
       {{substrate_ids::kY, "20mm"}}, nullptr, "Fehler y-Ausdehnung:",
       "R-4.3_b+: MS H=1mm ER=4.3 MET1 = CU 35um TAND=0.002", "R-4.3_b+"},
      {"bad permittivity", {{substrate_ids::kEr, "e"}}, {{substrate_ids::kEr, "2.2"}}, nullptr,
       "Fehler Epislon_r:", "Keramik: MS H=0.635mm ER=2.2 MET1 = AU 17um TAND=0.0001",
       "Keramik"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    headless.Ui().Reset();
    SubSymbol board(Point(100, 100), Point(150, 100));
    EXPECT_TRUE(Edit(board, Numbered(substrate_ids::kTemplate), [&](DialogDriver& d) {
      Enter(d, row.input);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      EXPECT_EQ(Line(board), kFresh);
      EXPECT_EQ(board.GetElementName(), "Keramik");
      Enter(d, row.correction);
      d.Ok();
    }));
    ASSERT_EQ(Boxes().size(), 1u);
    if (row.message != nullptr) {
      EXPECT_EQ(Boxes()[0].text, row.message);
    }
    EXPECT_EQ(Boxes()[0].caption, row.caption);
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_EQ(Line(board), row.line);
    EXPECT_EQ(board.GetElementName(), row.name);
  }
}

// The metal radios choose the metal and none keeps it. (An empty name is refused: see
// SubstrateDialog_test.)
TEST_F(LineDialogsTest, SubstrateKeepsAnUnknownMetal) {
  SubSymbol board(Point(100, 100), Point(150, 100));
  board.metalName = "Silber";
  EXPECT_TRUE(Edit(board, Numbered(substrate_ids::kTemplate), [](DialogDriver& d) {
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(substrate_ids::kGold), 0);
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(substrate_ids::kCopper), 0);
    d.Type(substrate_ids::kName, "FR-4");
    d.Ok();
  }));
  EXPECT_EQ(board.substrateName, "FR-4");
  EXPECT_EQ(board.metalName, "Silber");
  EXPECT_TRUE(Edit(board, Numbered(substrate_ids::kTemplate), [](DialogDriver& d) {
    d.Click(substrate_ids::kCopper);
    d.Ok();
  }));
  EXPECT_EQ(board.metalName, "Kupfer");
}

}  // namespace
