// The SPICE model library's text rules, the SPICE-model symbols' and the diode's lines (also
// with a library model), the turned pictures, and the models section of a circuit's SPICE
// netlist.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceWriter.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "elements/spice/SpiceLibSymbol.h"
#include "elements/spice/SpiceModelSymbols.h"
#include "formats/SpiceLibrary.h"
#include "pf/bitmap.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

std::vector<std::string> Text(const LineFile& lines) {
  std::vector<std::string> out;
  lines.ForEach([&out](const MyStrng& l) { out.push_back(l.ToCString()); });
  return out;
}

SpiceLibrary Library(std::initializer_list<const char*> lines) {
  SpiceLibrary library;
  for (const char* l : lines) library.AddLine(l);
  return library;
}

using Names = std::vector<std::string>;

TEST(SpiceLibraryTest, TypesMustTouchTheirParenthesis) {
  const SpiceLibrary library = Library({
      ".model bc547 npn(is=1e-14)",
      ".MODEL SPACED NPN (IS=1E-14)",
      ".MODEL BC557 PNP(IS=1E-14)",
      "* .MODEL COMMENTED NPN(IS=1)",
      ".MODEL J310 NJF(BETA=1E-3)",
      ".MODEL J175 PJF(BETA=1E-3)",
      " .MODEL D1N4148 D(IS=2.5N)",
      ".SUBCKT OPA27 1 2 3 4 5",
      ".ENDS",
      ".SUBCKT BUF 1 2",
      ".ENDS",
  });
  struct Row {
    SpiceLibrary::Kind kind;
    Names names;
  };
  const Row rows[] = {
      {SpiceLibrary::Kind::Any, {"BC547", "SPACED", "BC557", "J310", "J175", "OPA27", "BUF"}},
      {SpiceLibrary::Kind::Bipolar, {"BC547", "BC557"}},
      {SpiceLibrary::Kind::Npn, {"BC547"}},
      {SpiceLibrary::Kind::Pnp, {"BC557"}},
      {SpiceLibrary::Kind::Jfet, {"J310", "J175"}},
      {SpiceLibrary::Kind::Njf, {"J310"}},
      {SpiceLibrary::Kind::Pjf, {"J175"}},
      // A dot that is not the line's first character opens nothing.
      {SpiceLibrary::Kind::Diode, {}},
      {SpiceLibrary::Kind::OpAmp, {"OPA27"}},
  };
  for (const Row& row : rows) {
    LineFile names;
    library.GetNames(row.kind, names);
    EXPECT_EQ(Text(names), row.names) << static_cast<int>(row.kind);
  }
  EXPECT_TRUE(library.HasModel("BC547"));
  EXPECT_FALSE(library.HasModel("bc547"));
  EXPECT_TRUE(library.HasSubckt("OPA27"));
  EXPECT_FALSE(library.HasSubckt("BC547"));
}

TEST(SpiceLibraryTest, EntriesEndWhereTheirLinesEnd) {
  const SpiceLibrary library = Library({
      ".model q1 npn(is=1e-14",
      "+ bf=200",
      "+ vaf=50)",
      "* a comment",
      "+ stray=1",
      ".MODEL Q1 NPN(IS=2)",
      ".subckt opa27 1 2 3 4 5",
      "r1 1 2 1k",
      ".ends",
      "r2 1 2 1k",
  });
  struct Row {
    bool model;
    const char* name;
    Names lines;
  };
  const Row rows[] = {
      {true, "Q1", {".MODEL Q1 NPN(IS=1E-14", "+ BF=200", "+ VAF=50)"}},
      {false, "OPA27", {".SUBCKT OPA27 1 2 3 4 5", "R1 1 2 1K", ".ENDS"}},
      {true, "NONE", {}},
      {false, "Q1", {}},
  };
  for (const Row& row : rows) {
    LineFile lines;
    if (row.model) {
      library.GetModelCard(row.name, lines);
    } else {
      library.GetSubcktBlock(row.name, lines);
    }
    EXPECT_EQ(Text(lines), row.lines) << row.name;
  }
}

TEST(SpiceLibraryTest, RemovalDropsTheFirstMatchingLinesInOrder) {
  struct Row {
    const char* what;
    std::vector<const char*> before;
    const char* name;
    bool subckt;
    Names after;
  };
  const Row rows[] = {
      {"a card's continuation also earlier",
       {"+ BF=100", ".MODEL A NPN(IS=1)", "+ BF=100", ".MODEL B NPN(IS=1)"},
       "A",
       false,
       {"+ BF=100", ".MODEL B NPN(IS=1)"}},
      {"an unknown name", {".MODEL A NPN(IS=1)"}, "Z", false, {".MODEL A NPN(IS=1)"}},
      {"a sub-circuit is no model", {".SUBCKT OP1 1 2", ".ENDS"}, "OP1", false,
       {".SUBCKT OP1 1 2", ".ENDS"}},
      {"a sub-circuit block", {"* x", ".subckt op1 1 2", "r 1 2 1", ".ends", "* y"}, "OP1", true,
       {"* x", "* y"}},
  };
  for (const Row& row : rows) {
    SpiceLibrary library;
    for (const char* l : row.before) library.AddLine(l);
    if (row.subckt) {
      library.RemoveSubckt(row.name);
    } else {
      library.RemoveModel(row.name);
    }
    EXPECT_EQ(Text(library), row.after) << row.what;
  }
}

// Pins 1, 2, 3 on nodes 4, 5, 0; an op-amp's pin n on node n.
TEST(SpiceModelSymbolsTest, SpiceLinesFollowTheTabledPinOrders) {
  struct Row {
    std::unique_ptr<NetSymbol> symbol;
    char orientation;
    const char* model;
    const char* line;
  };
  std::vector<Row> rows;
  rows.push_back({std::make_unique<BipSpiceSymbol>(), 'R', "BC547", "QT1 5 4 0 BC547"});
  rows.push_back({std::make_unique<BipSpiceSymbol>(), 'L', "BC547", "QT1 0 4 5 BC547"});
  rows.push_back({std::make_unique<BipSpiceSymbol>(), 'O', "NoModell", "QT1 5 4 0 NoModell"});
  rows.push_back({std::make_unique<FetSpiceSymbol>(), 'L', "J310", "QT1 0 4 5 J310"});
  rows.push_back({std::make_unique<OpaSpiceSymbol>(), 'L', "OPA27", "XQT1 5 1 4 3 2 OPA27"});
  for (Row& row : rows) {
    NetSymbol& s = *row.symbol;
    s.elementName = "QT1";
    s.orientation = row.orientation;
    s.modelName = row.model;
    s.nodes = s.GetClassKey() == "OpaSpiceSymbol" ? std::array<int32_t, 5>{1, 2, 3, 4, 5}
                                                   : std::array<int32_t, 5>{4, 5, 0, 0, 0};
    LineFile lines;
    EXPECT_EQ(s.WriteSpiceLines(lines, 7), 0);
    EXPECT_EQ(Text(lines), Names{row.line}) << s.GetClassKey() << row.orientation;
  }
}

TEST(SpiceModelSymbolsTest, DiodeLinesOfANewDiode) {
  PNDiodeSymbol diode;
  diode.elementName = "D1";
  diode.nodes = {1, 2, 0, 0, 0};
  diode.WriteNetLine();
  EXPECT_EQ(diode.netLine.ToCString(), std::string("HLD 1 2 IS = 10fA NE = 1.5 RS = 1ohm"));
  LineFile lines;
  diode.WriteSpiceLines(lines, 0);
  diode.WriteSpiceModel(nullptr, lines);
  EXPECT_EQ(Text(lines),
            (Names{"D1 1 2 D1_MOD",
                   ".MODEL D1_MOD D (IS=10F N=1.5 RS=1 XTI=3 EG=1.1 ISR=1N NR=2 VJ=1 M=0.5 "
                   "BV=1K IBV=100P NBV=1 TT=2.5m CJO=1P TNOM=16.85)"}));
}

// A diode with a model from the circuit's library: its built-in line carries the card's IS, N
// and RS (SPICE's defaults for those it leaves out), which the simulator reads back as the
// card's numbers; a card the simulator cannot take, or a model the library lacks, is reported
// and writes no line. The diode finds the library through its circuit, with no view.
TEST(SpiceModelSymbolsTest, DiodeWithALibraryModelTakesItsCardsValues) {
  const struct {
    std::vector<const char*> library;  // empty: no library symbol
    const char* model;
    const char* line;  // "" when refused
    const char* message;
    double is, n, rs;
  } rows[] = {
      {{".MODEL D1N4148 D(IS=2.52N RS=0.568 N=1.752)"}, "D1N4148",
       "HLD 1 2 IS = 2.52nA NE = 1.752 RS = 568mohm", "", 2.52e-9, 1.752, 0.568},
      {{".MODEL DCAP D(CJO=2P TT=10N)"}, "DCAP", "HLD 1 2 IS = 10fA NE = 1 RS = 0ohm", "",
       1e-14, 1.0, 0.0},
      {{"* lower case, continued", ".model dlow d(is=1n cjo=2p", "+ n = 1.9, is=5n",
        "+ rs=1.5meg)"},
       "DLOW", "HLD 1 2 IS = 5nA NE = 1.9 RS = 1.5Mohm", "", 5e-9, 1.9, 1.5e6},
      // Below the smallest prefix: femto in fixed point, as the reader takes no exponent.
      {{".MODEL DLED D(IS=1.25E-20 N=2.5 RS=2K)"}, "DLED",
       "HLD 1 2 IS = 0.0000125fA NE = 2.5 RS = 2kohm", "", 1.25e-20, 2.5, 2e3},
      {{".MODEL DX D(IS=0 N=1)"}, "DX", "", "D1: Modell DX: IS ungültig"},
      {{".MODEL DX D(IS=1E-26)"}, "DX", "", "D1: Modell DX: IS ungültig"},
      {{".MODEL DX D(IS={ISAT})"}, "DX", "", "D1: Modell DX: IS ungültig"},
      {{".MODEL DX D(N=-1)"}, "DX", "", "D1: Modell DX: N ungültig"},
      {{".MODEL DX D(N=1E999)"}, "DX", "", "D1: Modell DX: N ungültig"},
      {{".MODEL DX D(RS=-1)"}, "DX", "", "D1: Modell DX: RS ungültig"},
      {{".MODEL OTHER D(IS=1N)"}, "D1N4148", "", "D1: Modell D1N4148 nicht in der Bibliothek"},
      // With the library deleted the diode is its own values again.
      {{}, "D1N4148", "HLD 1 2 IS = 10fA NE = 1.5 RS = 1ohm", "", 1e-14, 1.5, 1.0},
  };
  ElementBench bench;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.model);
    CVostraneDoc doc;
    if (!row.library.empty()) {
      auto* library = new SpiceLibSymbol(Point(500, 500), Point(600, 500));
      for (const char* line : row.library) library->library.AddLine(line);
      doc.AddSymbol(library);
    }
    auto* diode = new PNDiodeSymbol(Point(100, 100), Point(100, 200));
    doc.AddSymbol(diode);
    diode->elementName = "D1";
    diode->modelName = row.model;
    diode->nodes = {1, 2, 0, 0, 0};
    VS_Error::ClearQueue();
    diode->WriteNetLine();
    EXPECT_EQ(diode->netLine.ToCString(), std::string(row.line));
    EXPECT_EQ(VS_Error::MessageCount(), *row.message == '\0' ? 0 : 1);
    if (*row.message != '\0') {
      EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), std::string(row.message));
      continue;
    }
    const std::unique_ptr<NetElement> element = bench.Accept(row.line);
    ASSERT_NE(element, nullptr);
    const auto& read = dynamic_cast<const PNDiodeElement&>(*element);
    EXPECT_NEAR(read.GetIS(), row.is, row.is * 1e-6);
    EXPECT_NEAR(read.GetNE(), row.n, row.n * 1e-6);
    EXPECT_NEAR(read.GetRS(), row.rs, row.rs * 1e-6);
  }
  VS_Error::ClearQueue();
}

TEST(SpiceModelSymbolsTest, BuiltInNetlistRefusesSpiceOnlySymbols) {
  struct Row {
    std::unique_ptr<NetSymbol> symbol;
    bool refused;
  };
  std::vector<Row> rows;
  rows.push_back({std::make_unique<BipSpiceSymbol>(), true});
  rows.push_back({std::make_unique<FetSpiceSymbol>(), true});
  rows.push_back({std::make_unique<OpaSpiceSymbol>(), true});
  rows.push_back({std::make_unique<PNDiodeSymbol>(), false});
  for (Row& row : rows) {
    VS_Error::ClearQueue();
    row.symbol->elementName = "QT1";
    row.symbol->WriteNetLine();
    EXPECT_EQ(VS_Error::MessageCount(), row.refused ? 1 : 0) << row.symbol->GetClassKey();
    if (row.refused) {
      EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(),
                std::string("QT1: nur mit Spice simulierbar"));
    }
  }
  VS_Error::ClearQueue();
}

// A 3 x 3 picture's one black pixel lands where each letter sends it: the corner (0, 0), and
// (0, 1), which tells the mirror 'L' from the quarter turns.
TEST(SpiceModelSymbolsTest, PicturesTurnPixelByPixel) {
  struct Row {
    int fromX, fromY;
    char orientation;
    int x, y;
  };
  const Row rows[] = {{0, 0, 'R', 0, 0}, {0, 0, 'L', 2, 0}, {0, 0, 'O', 0, 2}, {0, 0, 'U', 2, 0},
                      {0, 1, 'R', 0, 1}, {0, 1, 'L', 2, 1}, {0, 1, 'O', 1, 2}, {0, 1, 'U', 1, 0}};
  for (const Row& row : rows) {
    pf::Bitmap picture(3, 3);
    picture.SetPixel(row.fromX, row.fromY, pf::Rgb(0, 0, 0));
    const pf::Bitmap turned = BipSpiceSymbol::Turned(picture, row.orientation);
    int black = 0;
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) black += turned.GetPixel(x, y) == pf::Rgb(0, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(black, 1) << row.orientation << row.fromY;
    EXPECT_EQ(turned.GetPixel(row.x, row.y), pf::Rgb(0, 0, 0)) << row.orientation << row.fromY;
  }
  pf::Bitmap picture(3, 3);
  picture.SetPixel(0, 0, pf::Rgb(0, 0, 0));
  const pf::Bitmap none = BipSpiceSymbol::Turned(picture, 'K');
  EXPECT_NE(none.GetPixel(0, 0), pf::Rgb(0, 0, 0));
}

// Two transistors of one model bring one card; a library-less diode its own card.
TEST(SpiceModelSymbolsTest, ModelsSectionWritesEachModelOnce) {
  CVostraneDoc doc;
  doc.SetTitle("models.vqe");
  auto* library = new SpiceLibSymbol(Point(500, 500), Point(600, 500));
  library->library.AddLine(".MODEL BC547 NPN(IS=1E-14");
  library->library.AddLine("+ BF=300)");
  library->library.AddLine(".MODEL OTHER NPN(IS=1E-14)");
  doc.AddSymbol(library);
  for (int i = 0; i < 2; ++i) {
    auto* q = new BipSpiceSymbol(Point(100, 100 + 200 * i), Point(225, 100 + 200 * i));
    q->modelName = "BC547";
    q->UpdateGeometry();
    doc.AddSymbol(q);
  }
  ASSERT_TRUE(SpiceWriter(doc).Compose());
  const Names lines = Text(doc.GetNetlistLines());
  const auto models = std::find(lines.begin(), lines.end(), "* Modelle");
  ASSERT_NE(models, lines.end());
  EXPECT_EQ(Names(models + 2, models + 6),
            (Names{".MODEL BC547 NPN(IS=1E-14", "+ BF=300)", "*", "* Commandos"}));
}

// A SPICE file never names a model it lacks: every element whose model the library does not
// hold (or that has no library to hold it) is reported, and there is no file. A diode in a
// circuit without a library is its own values on both roads, whatever model it once had.
TEST(SpiceModelSymbolsTest, SpiceFileNamesOnlyModelsItHolds) {
  const std::vector<const char*> kLibrary = {".MODEL BC547 NPN(IS=1E-14)", ".MODEL J310 NJF(VTO=-3)",
                                             ".SUBCKT OPA27 1 2 3 4 5", ".ENDS",
                                             ".MODEL DLOW D(IS=5N)"};
  const struct {
    const char* kind;
    const char* model;
    bool library;
    const char* message;  // "" when the file is written
    const char* card;     // the first line under "* Modelle" then
  } kRows[] = {
      {"Q", "BC547", true, "", ".MODEL BC547 NPN(IS=1E-14)"},
      {"Q", "BC337", true, "X1: Modell BC337 nicht in der Bibliothek"},
      {"Q", "NoModell", true, "X1: Modell NoModell nicht in der Bibliothek"},
      {"Q", "BC547", false, "X1: Modell BC547 nicht in der Bibliothek"},
      {"J", "J113", true, "X1: Modell J113 nicht in der Bibliothek"},
      {"O", "OPA27", true, "", ".SUBCKT OPA27 1 2 3 4 5"},
      {"O", "OPA134", true, "X1: Modell OPA134 nicht in der Bibliothek"},
      {"D", "DLOW", true, "", ".MODEL DLOW D(IS=5N)"},
      {"D", "1N4001", true, "X1: Modell 1N4001 nicht in der Bibliothek"},
      {"D", "1N4001", false, "", ".MODEL X1_MOD D (IS=10F N=1.5 RS=1 "},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.kind) + " " + row.model + (row.library ? "" : " alone"));
    CVostraneDoc doc;
    doc.SetTitle("models.vqe");
    if (row.library) {
      auto* library = new SpiceLibSymbol(Point(500, 500), Point(600, 500));
      for (const char* line : kLibrary) library->library.AddLine(line);
      doc.AddSymbol(library);
    }
    // Two of a kind: each element that names a missing model is named.
    NetSymbol* symbols[2] = {};
    for (int i = 0; i < 2; ++i) {
      const Point start(100, 100 + 200 * i);
      const Point end = start + Point(*row.kind == 'O' ? 150 : 125, 0);
      NetSymbol* s = *row.kind == 'Q'   ? static_cast<NetSymbol*>(new BipSpiceSymbol(start, end))
                     : *row.kind == 'J' ? new FetSpiceSymbol(start, end)
                     : *row.kind == 'O' ? static_cast<NetSymbol*>(new OpaSpiceSymbol(start, end))
                                        : new PNDiodeSymbol(start, end);
      s->modelName = row.model;
      s->UpdateGeometry();
      doc.AddSymbol(s);
      s->elementName = MyStrng("X") + MyStrng(i + 1);
      symbols[i] = s;
    }
    VS_Error::ClearQueue();
    const bool written = *row.message == '\0';
    EXPECT_EQ(SpiceWriter(doc).Compose(), written);
    if (!written) {
      ASSERT_EQ(VS_Error::MessageCount(), 2);
      EXPECT_EQ(VS_Error::Message(0).ToCString(), std::string(row.message));
      std::string second = row.message;
      second[1] = '2';
      EXPECT_EQ(VS_Error::Message(1).ToCString(), second);
      VS_Error::ClearQueue();
      continue;
    }
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    const Names lines = Text(doc.GetNetlistLines());
    const auto models = std::find(lines.begin(), lines.end(), "* Modelle");
    ASSERT_NE(models, lines.end());
    EXPECT_EQ(models[2].rfind(row.card, 0), 0u) << models[2];
    if (*row.kind != 'D') continue;
    // The built-in road takes the same numbers.
    symbols[0]->WriteNetLine();
    const std::string line = symbols[0]->netLine.ToCString();
    EXPECT_TRUE(line.starts_with("HLD ")) << line;
    EXPECT_TRUE(line.ends_with(row.library ? " IS = 5nA NE = 1 RS = 0ohm"
                                           : " IS = 10fA NE = 1.5 RS = 1ohm"))
        << line;
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
  VS_Error::ClearQueue();
}

}  // namespace
