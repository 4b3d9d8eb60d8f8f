// The small-signal transistor symbols: their netlist lines (read back by the simulator), the
// archive form with the old layouts, the text record, damaged input and the drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/FetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "pf/archive.h"
#include "pf/recording_dc.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"
#include "simulator/ScomFile.h"

namespace {

using Lines = std::vector<std::string>;

// Gate 1, drain 2, source on ground; with every option enabled when asked.
template <class S>
std::unique_ptr<S> Sample(bool allOptions, char kind = 'H') {
  auto s = std::make_unique<S>();
  s->elementName = "T1";
  s->nodes = {1, 2, 0, 0, 0};
  if constexpr (std::is_same_v<S, BipSymbol>) s->kind = kind;
  for (size_t i = 0; allOptions && i < s->options.size(); ++i) s->options[i] = {1.5e-9f * i, 1};
  return s;
}

// The netlist line and its extra lines of a fresh netlist pass.
Lines Written(NetSymbol& s) {
  s.ClearExtraLines();
  s.WriteNetLine();
  Lines lines = {s.netLine.ToCString()};
  for (int i = 0; i < s.GetExtraLineCount(); ++i) lines.push_back(s.GetExtraLine(i).ToCString());
  EXPECT_EQ(s.GetExtraLine(s.GetExtraLineCount()), "noLines");
  return lines;
}

std::string FirstMessage() {
  return VS_Error::MessageCount() > 0 ? VS_Error::GetFirstMessage().ToCString() : "";
}

TEST(TransistorSymbolsTest, NetLines) {
  std::unique_ptr<NetSymbol> s[7] = {Sample<FetSymbol>(false), Sample<BipSymbol>(false),
                                     Sample<BipSymbol>(false), Sample<BipSymbol>(false),
                                     Sample<BipSymbol>(false, 'S'), Sample<BipSymbol>(false, 'X'),
                                     Sample<FetSymbol>(false)};
  static_cast<BipSymbol&>(*s[2]).h12 = "0";
  static_cast<BipSymbol&>(*s[3]).h22 = "0Mho";
  static_cast<BipSymbol&>(*s[4]).options[3] = {2e-13f, 1};
  static_cast<FetSymbol&>(*s[6]).options[6] = {INFINITY, 1};
  const std::string ccg = "CCG 1 0 2 0 B= 250 R1= 3kohm R2= 33.33kohm";
  const struct {
    Lines lines;
    std::string message;
  } cases[7] = {
      {{"FET 1 0 2 0 G=50mMho CGS=1pF"}, ""},
      {{ccg, "RES 1 2 R=15Mohm"}, ""},
      {{ccg}, ""},
      {{""}, "T1: H22 darf nicht 0 sein"},
      {{"BIP 1 0 2 0 A=0.998 RE=2.5ohm CC=200fF"}, ""},
      {{""}, ""},
      {{""}, "T1: Parameterwert ungültig"},
  };
  for (int i = 0; i < 7; ++i) {
    VS_Error::ClearQueue();
    EXPECT_EQ(Written(*s[i]), cases[i].lines) << i;
    EXPECT_EQ(FirstMessage(), cases[i].message) << i;
  }
}

TEST(TransistorSymbolsTest, OptionsWrapAtSeventyCharactersInTableOrder) {
  auto fet = Sample<FetSymbol>(true);
  const Lines lines = Written(*fet);
  std::string joined;
  int length = -2;
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), 70u) << line;
    EXPECT_EQ(line[0], joined.empty() ? 'F' : '+');
    joined += line.substr(joined.empty() ? 0 : 1);
    length += int(line.size()) + 2;
  }
  EXPECT_GT(lines.size(), 2u);
  EXPECT_EQ(fet->GetNetLineLength(), length);
  size_t at = 0;
  for (const TransistorOptionKey& key : FetSymbol::kOptionKeys) {
    EXPECT_NE(at = joined.find(key.key, at), std::string::npos) << key.key;
  }
}

// Every form of every kind: the simulator reads the lines, archive and text give every stored
// field back, and damaged copies of either fail (or load) without harm.
TEST(TransistorSymbolsTest, LinesReadAndStoredFormsRoundTrip) {
  // Once a process: a second registration of a keyword ends the program.
  static const bool registered = (RegisterSimulatorElements(), true);
  (void)registered;

  auto hybrid = Sample<BipSymbol>(true);
  hybrid->h11 = "1.2kohm";
  hybrid->h12 = "3E-04";
  hybrid->h22 = "20uMho";
  hybrid->alpha = 0.99f;
  hybrid->typeName = "BFR 90";
  const std::unique_ptr<NetSymbol> samples[] = {Sample<FetSymbol>(true), std::move(hybrid),
                                                Sample<BipSymbol>(true, 'S')};
  for (const std::unique_ptr<NetSymbol>& s : samples) {
    auto fresh = [&] { return SymbolRegistry::Global().Create(s->GetClassKey()); };
    const Lines lines = Written(*s);
    LineFile net;
    for (const char* line : {"BLK", "TOP: 2POR 1 2 RG1 = 50ohm RG2 = 50ohm"}) net.AddLine(line);
    for (const std::string& line : lines) net.AddLine(MyStrng(line.c_str()));
    net.AddLine("END");
    ScomFile reader;
    reader.SetLines(net);
    NetContext::SetReaderInUse(&reader);
    VS_Error::ClearQueue();
    EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
    reader.BuildDataObjects();
    EXPECT_TRUE(reader.BuildNets() && VS_Error::MessageCount() == 0) << FirstMessage();
    NetContext::SetReaderInUse(nullptr);

    const std::string bytes = Store(*s);
    const std::string text = Text(*s);
    std::unique_ptr<NetSymbol> copy = fresh();
    Load(*copy, bytes);
    EXPECT_EQ(Store(*copy), bytes);
    EXPECT_EQ(Written(*copy), lines);
    copy = fresh();
    EXPECT_TRUE(ReadBack(*copy, text));
    EXPECT_EQ(Text(*copy), text);
    EXPECT_EQ(Written(*copy), lines);

    for (size_t n = 0; n < bytes.size(); ++n) {
      EXPECT_THROW(Load(*fresh(), bytes.substr(0, n)), pf::ArchiveError) << n;
      std::string bad = bytes;
      bad[n] = '\xff';  // also makes NaNs of floats
      try {
        Load(*(copy = fresh()), bad);
        for (const std::string& line : Written(*copy)) {
          EXPECT_TRUE(line.find("nan") == line.npos && line.find("inf") == line.npos) << line;
        }
      } catch (const pf::ArchiveError&) {
      }
    }
    for (size_t n = 0; n + 1 < text.size(); ++n) {
      copy = fresh();
      const std::string before = Text(*copy);
      EXPECT_FALSE(ReadBack(*copy, text.substr(0, n))) << n;
      EXPECT_EQ(Text(*copy), before);
      std::string garbled = text;
      garbled[n] = '9';
      ReadBack(*copy, garbled);
    }
  }
  EXPECT_EQ(Text(*samples[1]).substr(0, 29), "(10,BIPOLTRANS) 2\n(6,BFR 90)\n");
}

TEST(TransistorSymbolsTest, OldLayoutsLoadWithDefaults) {
  FetSymbol oldFet;
  BipSymbol oldBip;
  oldFet.version = oldBip.version = 1;  // base form only; base, type name and kind for 'S'
  oldBip.kind = 'S';
  NetSymbol base(3);
  const std::string fetBytes = Store(oldFet);
  EXPECT_EQ(fetBytes.size(), Store(base).size());
  FetSymbol fet;
  fet.transconductance = 1.0f;
  Load(fet, fetBytes);
  EXPECT_EQ(fet.transconductance, 1.0f);
  BipSymbol bip;
  bip.h21 = "7";
  Load(bip, Store(oldBip));
  EXPECT_EQ(bip.kind, 'S');
  EXPECT_EQ(bip.h21, "7");
  EXPECT_EQ(fet.version + bip.version, FetSymbol::kVersion + BipSymbol::kVersion);
}

TEST(TransistorSymbolsTest, DrawsGlyphAndTypeNameInBothOrientations) {
  FetSymbol fet(Point(100, 100), Point(200, 100));
  BipSymbol bip(Point(100, 100), Point(100, 200));
  struct Case {
    NetSymbol& symbol;
    Lines expected;  // the glyph's input lead and the type name
  };
  for (const Case& c : {Case{fet, {"Line 140 112 150 112", "TextOut 126 95 MesFet"}},
                        Case{bip, {"Line 89 140 89 150", "TextOut 91 174 BCY 59"}}}) {
    c.symbol.UpdateGeometry();
    pf::RecordingDc dc;
    c.symbol.Draw(dc);
    const Lines log = dc.Log();
    for (const std::string& call : c.expected) {
      EXPECT_NE(std::find(log.begin(), log.end(), call), log.end()) << call;
    }
  }
}

}  // namespace
