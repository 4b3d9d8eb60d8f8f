// The microstrip, coax and junction symbols: their netlist lines, records and copies.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "basics/VS_Error.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

template <class S>
std::unique_ptr<NetSymbol> On(std::array<int32_t, 5> nodes, std::function<void(S&)> edit = {}) {
  auto s = std::make_unique<S>();
  s->nodes = nodes;
  if (edit) edit(*s);
  return s;
}

TEST(MicrostripSymbolsTest, NetlistLines) {
  const struct {
    std::unique_ptr<NetSymbol> symbol;
    const char* line;
  } kCases[] = {
      {On<TrlSymbol>({1, 2}), "TRL 1 2 W=1mm P=10mm NO_SUB"},
      {On<TrlSymbol>({1, 0}), "TRL 1 W=1mm P=10mm NO_SUB"},
      {On<TeeSymbol>({1, 2, 3}), "TEE 1 2 3 W1=0.5mm W2=0.5mm W3=1mm NO_SUB"},
      {On<TeeSymbol>({1, 2, 3}, [](TeeSymbol& s) { s.w2 = LaeWert("7mm"); }),
       "TEE 1 2 3 W1=0.5mm W2=0.5mm W3=1mm NO_SUB"},
      {On<MicCornerSymbol>({1, 2}, [](MicCornerSymbol& s) { s.form = 'C'; }),
       "BEND 1 2 CUT W1=1mm W2=1mm NO_SUB"},
      {On<MicTaperSymbol>({1, 2}, [](MicTaperSymbol& s) { s.shape = 'X'; }),
       "TAP 1 2 W1=1mm W2=3mm P=10mm NO_SUB"},
      {On<MicTaperSymbol>({1, 2}, [](MicTaperSymbol& s) { s.shape = 'C'; }),
       "TAP 1 2 W1=1mm W2=3mm P=10mm WCOS NO_SUB"},
      {On<CplSymbol>({1, 2, 3, 4}), "CPL 1 3 4 2 W=1mm S=0.1mm P=10mm NO_SUB"},
      {On<StepSymbol>({1, 2}), "STEP 1 2 W1=0.5mm W2=1mm MO=1 NO_SUB"},
      {On<RadStubSymbol>({4}), "CST 4 A=80.0 WI=1mm RL=5mm NO_SUB"},
      {On<OstSymbol>({4}), "OST 4 W=1mm P=10mm NO_SUB"},
      {On<SstSymbol>({4}), "SST 4 W=1mm P=10mm NO_SUB"},
      {On<MslTeeSymbol>({1, 2, 3}), "TEE 1 2 3 W1=1mm W2=1mm W3=0.5mm NO_SUB"},
      {On<MslCornerSymbol>({1, 2}), "BEND 1 2 NCUT W1=1mm W2=1mm NO_SUB"},
      {On<KoaxSymbol>({1, 2}),
       "TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber "},
      {On<KoaxSymbol>({1}, [](KoaxSymbol& s) { s.SetOpenStub(); }),
       "SKOX 1 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber  OPEN"},
  };
  for (const auto& c : kCases) {
    c.symbol->WriteNetLine();
    EXPECT_EQ(c.symbol->netLine, c.line);
  }
}

TEST(MicrostripSymbolsTest, LinesTheReaderTakes) {
  ElementBench bench({}, {});
  for (const char* line : {"TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber ",
                           "SKOX 1 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber  OPEN"}) {
    EXPECT_NE(bench.Build(line), nullptr) << line;
  }
}

TEST(MicrostripSymbolsTest, CrossHasNoModel) {
  VS_Error::ClearQueue();
  MslCrossSymbol cross;
  cross.elementName = "X1";
  cross.WriteNetLine();
  EXPECT_TRUE(cross.netLine.IsEmpty());
  EXPECT_EQ(VS_Error::GetFirstMessage(), "X1: kein Simulationsmodell");
  VS_Error::ClearQueue();
}

// Every class key survives both records with a changed field, and copies its parameters unless
// it is a tee.
TEST(MicrostripSymbolsTest, RecordsRoundTripAndCopy) {
  const struct {
    const char* key;
    std::function<void(NetSymbol&)> edit;
    bool copies;
  } kCases[] = {
      {"MICTRANSLINE", [](NetSymbol& s) { static_cast<TrlSymbol&>(s).w = LaeWert("2mm"); }, true},
      {"MICOPENSTUB", [](NetSymbol& s) { static_cast<OstSymbol&>(s).p = LaeWert("3mm"); }, true},
      {"MICSHORTSTUB", [](NetSymbol& s) { static_cast<SstSymbol&>(s).substrate = "ALU"; }, true},
      {"MICTAPER", [](NetSymbol& s) { static_cast<MicTaperSymbol&>(s).shape = 'E'; }, true},
      {"MICCORNER", [](NetSymbol& s) { static_cast<MicCornerSymbol&>(s).form = 'O'; }, true},
      {"MICCOUPLEDLINE", [](NetSymbol& s) { static_cast<CplSymbol&>(s).s = LaeWert("2mm"); },
       true},
      {"MICSTEP", [](NetSymbol& s) { static_cast<StepSymbol&>(s).model = 2; }, true},
      {"MICRADIALSTUB", [](NetSymbol& s) { static_cast<RadStubSymbol&>(s).rl = LaeWert("7mm"); },
       true},
      {"MICTEE", [](NetSymbol& s) { static_cast<TeeSymbol&>(s).w3 = LaeWert("2mm"); }, false},
      {"MslTeeSymbol", [](NetSymbol& s) { static_cast<MslTeeSymbol&>(s).w3 = LaeWert("2mm"); },
       false},
      {"MslCornerSymbol", [](NetSymbol& s) { static_cast<MslCornerSymbol&>(s).form = 'O'; },
       true},
      {"KOAXIALSYMBOL", [](NetSymbol& s) { static_cast<KoaxSymbol&>(s).SetShortStub(); }, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.key);
    auto edited = SymbolRegistry::Global().Create(c.key);
    ASSERT_TRUE(edited);
    c.edit(*edited);
    edited->WriteNetLine();
    const MyStrng line = edited->netLine;

    auto loaded = SymbolRegistry::Global().Create(c.key);
    Load(*loaded, Store(*edited));
    loaded->WriteNetLine();
    EXPECT_EQ(loaded->netLine, line);

    auto read = SymbolRegistry::Global().Create(c.key);
    EXPECT_TRUE(ReadBack(*read, Text(*edited)));
    read->WriteNetLine();
    EXPECT_EQ(read->netLine, line);

    auto copy = SymbolRegistry::Global().Create(c.key);
    copy->CopyParameters(*edited);
    copy->WriteNetLine();
    EXPECT_EQ(copy->netLine == line, c.copies);

    // A truncated archive never loads.
    const std::string bytes = Store(*edited);
    auto cut = SymbolRegistry::Global().Create(c.key);
    EXPECT_THROW(Load(*cut, bytes.substr(0, bytes.size() - 3)), pf::ArchiveError);
  }
}

// The lines carry their own ground reference (node numbering then keeps a 2POR); the cross,
// a junction without a model, does not.
TEST(MicrostripSymbolsTest, LinesClearTheGroundFreeFlag) {
  const std::pair<const char*, int32_t> rows[] = {
      {"TEMTRANSLINE", 0},  {"KOAXIALSYMBOL", 0}, {"MICTRANSLINE", 0},  {"MICOPENSTUB", 0},
      {"MICSHORTSTUB", 0},  {"MICTAPER", 0},      {"MICCORNER", 0},     {"MICCOUPLEDLINE", 0},
      {"MICTEE", 0},        {"MICSTEP", 0},       {"MICRADIALSTUB", 0}, {"MslTeeSymbol", 0},
      {"MslCornerSymbol", 0}, {"MslCrossSymbol", 1},
  };
  for (const auto& [key, groundFree] : rows) {
    auto symbol = SymbolRegistry::Global().Create(key);
    ASSERT_TRUE(symbol) << key;
    EXPECT_EQ(symbol->groundFree, groundFree) << key;
  }
}

TEST(MicrostripSymbolsTest, RadialStubArchiveKeepsAngleAndFieldOrder) {
  RadStubSymbol stub;
  stub.offset = LaeWert("2mm");
  stub.fourth = LaeWert("4mm");
  const std::string bytes = Store(stub);
  // The angle sits between the radius and the feed width.
  EXPECT_LT(bytes.find("5mm"), bytes.find("80.0"));
  EXPECT_LT(bytes.find("80.0"), bytes.find("1mm"));
  RadStubSymbol loaded;
  Load(loaded, bytes);
  EXPECT_EQ(loaded.angle, "80.0");
  EXPECT_EQ(loaded.offset, "2mm");
  EXPECT_EQ(loaded.fourth, "4mm");
}

}  // namespace
