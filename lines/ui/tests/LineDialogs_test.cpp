// The line and substrate dialogs driven as the user drives them, through scripted modal dialogs.
// No view stands behind them, so no substrate can be chosen: every microstrip dialog refuses
// OK at its substrate check, after the fields before it were stored.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "lines/ui/TemSymbol.h"
#include "pf/headless.h"
#include "resources/LineDialogIds.h"

namespace {

using pf::DialogDriver;

constexpr const char* kNoSubstrate = "Zuerst ein Substrat definieren";

class LineDialogsTest : public testing::Test {
 protected:
  // Runs the symbol's dialog with the script; the dialog must have been closed by it.
  bool Edit(NetSymbol& symbol, const std::string& label, std::function<void(DialogDriver&)> s) {
    headless.ExpectDialog(label, std::move(s));
    const bool ok = symbol.EditDialog(nullptr);
    EXPECT_TRUE(headless.Failures().empty()) << headless.Failures().front();
    EXPECT_EQ(headless.PendingScripts(), 0);
    return ok;
  }
  const std::vector<pf::ScriptedUiServices::ShownMessage>& Boxes() {
    return headless.Ui().Messages();
  }
  size_t Beeps() { return headless.Ui().Beeps().size(); }

  pf::Headless headless;
};

// Inputs of one attempt: a text for an edit, nullptr clicks the control.
using Inputs = std::vector<std::pair<int, const char*>>;

void Enter(DialogDriver& d, const Inputs& inputs) {
  for (const auto& [id, text] : inputs) {
    if (text == nullptr) {
      d.Click(id);
    } else {
      d.Type(id, text);
    }
  }
}

// The label of a template known by number.
std::string Numbered(int id) { return std::to_string(id); }

std::string Line(NetSymbol& s) {
  s.WriteNetLine();
  return s.netLine.ToCString();
}

// One refused OK per row: the one box it shows, whether a beep came first, and what the symbol
// holds afterwards (the fields before the refused one stored, the others not).
TEST_F(LineDialogsTest, ARefusedOkShowsOneBoxAndKeepsWhatWasStoredBeforeIt) {
  const struct {
    const char* what;
    const char* key;
    std::string label;
    Inputs input;
    const char* message;  // nullptr: the value class's own
    const char* caption;
    bool beep;
    const char* line;  // the symbol's netlist line afterwards
  } rows[] = {
      {"TEM impedance", "TEMTRANSLINE", "TEMDIALG", {{tem_ids::kZ, "5q"}}, nullptr,
       "Fehler Zwell:", false, "TRL 1 2 Z=50ohm P=10mm K=1 A=0.001"},
      {"TEM attenuation after the length", "TEMTRANSLINE", "TEMDIALG",
       {{tem_ids::kP, "20mm"}, {tem_ids::kA, "x"}}, nullptr, "Fehler Alfa:", false,
       "TRL 1 2 Z=50ohm P=20mm K=1 A=0.001"},
      {"line width", "MICTRANSLINE", "TRLDIALG", {{strip_ids::kTrlW, "1q"}}, nullptr,
       "Fehler Wei:", false, "TRL 1 2 W=1mm P=10mm NO_SUB"},
      {"open stub length", "MICOPENSTUB", "OSTDIALG",
       {{strip_ids::kOstW, "2000um"}, {strip_ids::kOstP, "x"}}, nullptr, "Fehler Lae:", false,
       "OST 1 W=2mm P=10mm NO_SUB"},
      {"short stub, no substrate", "MICSHORTSTUB", "SSTDIALG", {{strip_ids::kSstP, "5mm"}},
       kNoSubstrate, "Fehler", true, "SST 1 W=1mm P=5mm NO_SUB"},
      {"taper length", "MICTAPER", "MICTAPERDIALG",
       {{taper_ids::kW1, "2mm"}, {taper_ids::kP, "-"}}, nullptr, "Fehler", false,
       "TAP 1 2 W1=2mm W2=3mm P=10mm WLIN NO_SUB"},
      // The shape is read after the substrate check.
      {"taper shape, no substrate", "MICTAPER", "MICTAPERDIALG",
       {{taper_ids::kExponential, nullptr}}, kNoSubstrate, "Fehler", true,
       "TAP 1 2 W1=1mm W2=3mm P=10mm WLIN NO_SUB"},
      {"radial stub angle 0", "MICRADIALSTUB", "RADSTDIALG", {{radstub_ids::kAngle, "0"}},
       "Winkel muss zwischen 0 und 360 Grad liegen", "Fehler", false,
       "CST 1 A=80.0 WI=1mm RL=5mm NO_SUB"},
      {"radial stub angle 360", "MICRADIALSTUB", "RADSTDIALG", {{radstub_ids::kAngle, "360"}},
       "Winkel muss zwischen 0 und 360 Grad liegen", "Fehler", false,
       "CST 1 A=80.0 WI=1mm RL=5mm NO_SUB"},
      {"radial stub angle text", "MICRADIALSTUB", "RADSTDIALG", {{radstub_ids::kAngle, "w"}},
       nullptr, "Fehler", false, "CST 1 A=80.0 WI=1mm RL=5mm NO_SUB"},
      {"radial stub feed after the angle", "MICRADIALSTUB", "RADSTDIALG",
       {{radstub_ids::kAngle, "90"}, {radstub_ids::kFeed, "x"}}, nullptr, "Fehler", false,
       "CST 1 A=90 WI=1mm RL=5mm NO_SUB"},
      {"radial stub radius", "MICRADIALSTUB", "RADSTDIALG",
       {{radstub_ids::kFeed, "2mm"}, {radstub_ids::kRadius, "x"}}, nullptr, "Fehler", false,
       "CST 1 A=80.0 WI=2mm RL=5mm NO_SUB"},
      {"tee branch", "MICTEE", "TEEDIALG", {{tee_ids::kIn, "2mm"}, {tee_ids::kBranch, "x"}},
       nullptr, "Fehler Wout:", false, "TEE 1 2 3 W1=2mm W2=2mm W3=1mm NO_SUB"},
      {"tee input", "MICTEE", "TEEDIALG", {{tee_ids::kIn, "x"}}, nullptr, "Fehler Win", false,
       "TEE 1 2 3 W1=0.5mm W2=0.5mm W3=1mm NO_SUB"},
      {"step output", "MICSTEP", "STEDIALG", {{step_ids::kW2, "x"}}, nullptr, "Fehler Wout:",
       false, "STEP 1 2 W1=0.5mm W2=1mm MO=1 NO_SUB"},
      {"coupled gap", "MICCOUPLEDLINE", "CPLDIALG", {{cpl_ids::kP, "3mm"}, {cpl_ids::kS, "x"}},
       nullptr, "Fehler Spa:", false, "CPL 1 3 4 2 W=1mm S=0.1mm P=3mm NO_SUB"},
      {"corner width", "MICCORNER", "MICCORNERDIALG", {{corner_ids::kW, "x"}}, nullptr,
       "Fehler Win:", false, "BEND 1 2 NCUT W1=1mm W2=1mm NO_SUB"},
      {"corner, no substrate", "MICCORNER", "MICCORNERDIALG",
       {{corner_ids::kW, "3mm"}, {corner_ids::kChamfer, nullptr}}, kNoSubstrate, "Fehler", true,
       "BEND 1 2 NCUT W1=3mm W2=3mm NO_SUB"},
      // The bitmap junctions refuse both widths under the through width's caption.
      {"bitmap tee branch", "MslTeeSymbol", Numbered(msltee_ids::kTemplate),
       {{msltee_ids::kThrough, "2mm"}, {msltee_ids::kBranch, "abc"}}, nullptr,
       "Fehler Weite-Durchgang:", true, "TEE 1 2 3 W1=2mm W2=2mm W3=0.5mm NO_SUB"},
      {"bitmap tee, no substrate", "MslTeeSymbol", Numbered(msltee_ids::kTemplate), {{msltee_ids::kBranch, "0.3mm"}},
       kNoSubstrate, "Fehler", true, "TEE 1 2 3 W1=1mm W2=1mm W3=0.3mm NO_SUB"},
      {"bitmap corner width", "MslCornerSymbol", Numbered(mslcorner_ids::kTemplate), {{mslcorner_ids::kW, "x"}}, nullptr,
       "Fehler MSL-Weite:", true, "BEND 1 2 NCUT W1=1mm W2=1mm NO_SUB"},
      {"bitmap corner, no substrate", "MslCornerSymbol", Numbered(mslcorner_ids::kTemplate), {{mslcorner_ids::kW, "2mm"}},
       kNoSubstrate, "Fehler", true, "BEND 1 2 NCUT W1=2mm W2=2mm NO_SUB"},
      {"coax inner diameter", "KOAXIALSYMBOL", Numbered(koax_ids::kTemplate),
       {{koax_ids::kOuter, "5mm"}, {koax_ids::kInner, "x"}}, nullptr, "Fehler LaeEdit:", true,
       "TKOX 1 2 GD=5mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber "},
      // The foil thickness is read after the kind and the metal.
      {"coax foil thickness", "KOAXIALSYMBOL", Numbered(koax_ids::kTemplate),
       {{koax_ids::kCopper, nullptr}, {koax_ids::kFoil, nullptr}, {koax_ids::kThickness, "x"}},
       nullptr, "Fehler LaeEdit:", true,
       "TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Kupfer "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    headless.Ui().Reset();
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
    ASSERT_TRUE(symbol);
    symbol->nodes = {1, 2, 3, 4};
    EXPECT_FALSE(Edit(*symbol, row.label, [&](DialogDriver& d) {
      Enter(d, row.input);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    }));
    ASSERT_EQ(Boxes().size(), 1u);
    if (row.message != nullptr) {
      EXPECT_EQ(Boxes()[0].text, row.message);
    }
    EXPECT_EQ(Boxes()[0].caption, row.caption);
    EXPECT_EQ(Beeps(), row.beep ? 1u : 0u);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(Line(*symbol), row.line);
  }
}

// The bitmap junctions take their direction (and the corner its form) before the substrate
// check; a radio left unchecked keeps the letter.
TEST_F(LineDialogsTest, BitmapJunctionsTakeTheirRadiosBeforeTheSubstrate) {
  const struct {
    const char* key;
    std::string label;
    Inputs input;
    char variant;
    const char* line;
  } rows[] = {
      {"MslTeeSymbol", Numbered(msltee_ids::kTemplate), {{msltee_ids::kRight, nullptr}}, 'A',
       "TEE 1 2 3 W1=1mm W2=1mm W3=0.5mm NO_SUB"},
      {"MslTeeSymbol", Numbered(msltee_ids::kTemplate), {}, 'C', "TEE 1 2 3 W1=1mm W2=1mm W3=0.5mm NO_SUB"},
      {"MslCornerSymbol", Numbered(mslcorner_ids::kTemplate),
       {{mslcorner_ids::kRight, nullptr}, {mslcorner_ids::kMitred, nullptr}}, 'B',
       "BEND 1 2 OPT W1=1mm W2=1mm NO_SUB"},
      {"MslCornerSymbol", Numbered(mslcorner_ids::kTemplate),
       {{mslcorner_ids::kLeft, nullptr}, {mslcorner_ids::kSquare, nullptr}}, 'C',
       "BEND 1 2 NCUT W1=1mm W2=1mm NO_SUB"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    headless.Ui().Reset();
    std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
    auto* junction = dynamic_cast<MultiPolSymbol*>(symbol.get());
    ASSERT_NE(junction, nullptr);
    junction->nodes = {1, 2, 3};
    EXPECT_FALSE(Edit(*junction, row.label, [&](DialogDriver& d) {
      // A symbol without a substrate opens with the combo box empty.
      EXPECT_EQ(d.Text(row.key[3] == 'T' ? msltee_ids::kSub : mslcorner_ids::kSub), "");
      Enter(d, row.input);
      d.Ok();
      d.Cancel();
    }));
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
  for (const auto& row : rows) {
    SCOPED_TRACE(row.angle);
    headless.Ui().Reset();
    RadStubSymbol stub;
    EXPECT_FALSE(Edit(stub, "RADSTDIALG", [&](DialogDriver& d) {
      d.Type(radstub_ids::kAngle, row.angle);
      d.Type(radstub_ids::kFeed, row.feed);
      d.Ok();
      d.Cancel();
    }));
    EXPECT_EQ(stub.angle, row.angle);
    EXPECT_EQ(stub.offset, row.offset);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, kNoSubstrate);
  }
}

// The substrate dialog stores field by field and stops at the first refusal.
TEST_F(LineDialogsTest, SubstrateStoresUpToTheRefusedField) {
  const struct {
    const char* what;
    Inputs input;
    const char* message;  // nullptr: the value class's own
    const char* caption;
    const char* line;  // the substrate's netlist line afterwards
    const char* name;
  } rows[] = {
      {"negative height", {{substrate_ids::kName, "ALU"}, {substrate_ids::kHeight, "-1mm"}},
       nullptr, "Fehler Höhe:", "ALU: MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001", "ALU"},
      {"height 0", {{substrate_ids::kHeight, "0mm"}}, "Höhe muss größer als 0 sein",
       "Fehler Höhe:", "Keramik: MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001", "Keramik"},
      {"blank in the name", {{substrate_ids::kName, "A B"}, {substrate_ids::kHeight, "1mm"}},
       "Ungültiger Substratname: erlaubt sind Buchstaben, Ziffern, '.', '-', '+' und '_'",
       "Fehler Name:",
       "Keramik: MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001", "Keramik"},
      {"bad Y extent",
       {{substrate_ids::kName, "R-4.3_b+"},
        {substrate_ids::kHeight, "1mm"},
        {substrate_ids::kMetal, "35um"},
        {substrate_ids::kTanD, "0.002"},
        {substrate_ids::kEr, "4.3"},
        {substrate_ids::kCopper, nullptr},
        {substrate_ids::kY, "x"}},
       nullptr, "Fehler y-Ausdehnung:",
       "R-4.3_b+: MS H=1mm ER=4.3 MET1 = AU 35um TAND=0.002", "R-4.3_b+"},
      {"bad permittivity", {{substrate_ids::kEr, "e"}}, nullptr, "Fehler Epislon_r:",
       "Keramik: MS H=0.635mm ER=9.9 MET1 = AU 17um TAND=0.0001", "Keramik"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    headless.Ui().Reset();
    SubSymbol board(Point(100, 100), Point(150, 100));
    EXPECT_FALSE(Edit(board, Numbered(substrate_ids::kTemplate), [&](DialogDriver& d) {
      Enter(d, row.input);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
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
