// The small-signal transistor symbols: their netlist lines (read back by the simulator), the
// archive form with the old layouts, the text record, damaged input and the drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "editor/BipSymbol.h"
#include "editor/FetSymbol.h"
#include "editor/RegisterTransistorSymbols.h"
#include "editor/SymbolRegistry.h"
#include "pf/archive.h"
#include "pf/recording_dc.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"
#include "simulator/ScomFile.h"

namespace {

using Lines = std::vector<std::string>;

template <class S>
std::unique_ptr<S> OnNodes(int gate, int drain, int source) {
  auto s = std::make_unique<S>();
  s->elementName = "T1";
  s->nodes = {gate, drain, source, 0, 0};
  return s;
}

template <class S>
void EnableAll(S& s) {
  for (size_t i = 0; i < s.options.size(); ++i) s.options[i] = {1.5e-9f * float(i + 1), 1};
}

// The netlist line and its extra lines of a fresh netlist pass.
Lines Written(NetSymbol& s) {
  s.ClearExtraLines();
  s.WriteNetLine();
  Lines lines = {s.netLine.ToCString()};
  for (int i = 0; i < s.GetExtraLineCount(); ++i) lines.push_back(s.GetExtraLine(i).ToCString());
  return lines;
}

std::string Store(NetSymbol& s) {
  std::ostringstream out;
  pf::Archive ar(out);
  s.Serialize(ar);
  return out.str();
}

void Load(NetSymbol& s, const std::string& bytes) {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  s.Serialize(ar);
}

std::string Text(NetSymbol& s) {
  std::ostringstream out;
  s.WriteText(out);
  return out.str();
}

// The record behind its class key, as a reader of several symbols hands it on.
bool ReadBack(NetSymbol& s, const std::string& text) {
  std::istringstream in(text);
  MyStrng key;
  in >> key;
  in.get();
  return static_cast<bool>(s.ReadText(in));
}

TEST(TransistorSymbolsTest, NetLines) {
  struct Case {
    std::function<std::unique_ptr<NetSymbol>()> make;
    Lines lines;
    const char* message;
  };
  const Case cases[] = {
      {[] { return OnNodes<FetSymbol>(1, 2, 0); }, {"FET 1 0 2 0 G=50mMho CGS=1pF"}, ""},
      {[] { return OnNodes<BipSymbol>(1, 2, 0); },
       {"CCG 1 0 2 0 B= 250 R1= 3kohm R2= 33.33kohm", "RES 1 2 R=15Mohm"}, ""},
      {[] {
         auto s = OnNodes<BipSymbol>(3, 4, 5);
         s->h12 = "0";
         return s;
       },
       {"CCG 3 5 4 5 B= 250 R1= 3kohm R2= 33.33kohm"}, ""},
      {[] {
         auto s = OnNodes<BipSymbol>(1, 2, 0);
         s->h22 = "0Mho";
         return s;
       },
       {""}, "T1: H22 darf nicht 0 sein"},
      {[] {
         auto s = OnNodes<BipSymbol>(1, 2, 0);
         s->kind = 'S';
         s->options[3] = {2e-13f, 1};
         return s;
       },
       {"BIP 1 0 2 0 A=0.998 RE=2.5ohm CC=200fF"}, ""},
      {[] {
         auto s = OnNodes<FetSymbol>(1, 2, 0);
         s->options[6] = {INFINITY, 1};
         return s;
       },
       {""}, "T1: Parameterwert ungültig"},
  };
  for (const Case& c : cases) {
    VS_Error::ClearQueue();
    std::unique_ptr<NetSymbol> s = c.make();
    EXPECT_EQ(Written(*s), c.lines);
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::GetFirstMessage().ToCString() : "",
              std::string(c.message));
    EXPECT_EQ(s->GetExtraLine(s->GetExtraLineCount()), "noLines");
  }
}

TEST(TransistorSymbolsTest, OptionsWrapAtSeventyCharactersInTableOrder) {
  FetSymbol fet;
  EnableAll(fet);
  const Lines lines = Written(fet);
  ASSERT_GT(lines.size(), 2u);
  std::string joined;
  int length = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 70u) << lines[i];
    EXPECT_EQ(lines[i][0], i == 0 ? 'F' : '+');
    joined += lines[i].substr(i == 0 ? 0 : 1);
    length += int(lines[i].size()) + (i == 0 ? 0 : 2);
  }
  EXPECT_EQ(fet.GetNetLineLength(), length);
  size_t at = 0;
  for (const TransistorOptionKey& key : FetSymbol::kOptionKeys) {
    at = joined.find(key.key, at);
    EXPECT_NE(at, std::string::npos) << key.key;
  }
  fet.ClearExtraLines();
  EXPECT_EQ(fet.GetExtraLineCount(), 0);
}

// The simulator's reader is the peer of these lines.
TEST(TransistorSymbolsTest, SimulatorReadsTheWrittenLines) {
  RegisterSimulatorElements();
  auto fet = OnNodes<FetSymbol>(1, 2, 0);
  auto bip = OnNodes<BipSymbol>(1, 2, 0);
  auto hybrid = OnNodes<BipSymbol>(1, 2, 0);
  EnableAll(*fet);
  EnableAll(*bip);
  bip->kind = 'S';
  for (NetSymbol* s : {static_cast<NetSymbol*>(fet.get()), static_cast<NetSymbol*>(bip.get()),
                       static_cast<NetSymbol*>(hybrid.get())}) {
    LineFile text;
    for (const char* line : {"BLK", "TOP: 2POR 1 2 RG1 = 50ohm RG2 = 50ohm"}) text.AddLine(line);
    for (const std::string& line : Written(*s)) text.AddLine(MyStrng(line.c_str()));
    text.AddLine("END");
    ScomFile reader;
    reader.SetLines(text);
    NetContext::SetReaderInUse(&reader);
    VS_Error::ClearQueue();
    EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks() && reader.GetErrorCode() == 0);
    reader.BuildDataObjects();
    EXPECT_TRUE(reader.BuildNets()) << s->netLine.ToCString();
    EXPECT_EQ(VS_Error::MessageCount(), 0) << VS_Error::GetFirstMessage().ToCString();
    NetContext::SetReaderInUse(nullptr);
  }
}

TEST(TransistorSymbolsTest, ArchiveAndTextRoundTripEveryStoredField) {
  RegisterTransistorSymbols();
  auto fet = OnNodes<FetSymbol>(1, 2, 0);
  fet->typeName = "CFY 30";
  fet->transconductance = 0.07f;
  fet->gateSourceCapacitance = 3e-13f;
  EnableAll(*fet);
  auto bip = OnNodes<BipSymbol>(1, 2, 0);
  bip->h11 = "1.2kohm";
  bip->h12 = "3E-04";
  bip->h21 = "120";
  bip->h22 = "20uMho";
  bip->alpha = 0.99f;
  bip->emitterResistance = 4.0f;
  EnableAll(*bip);
  auto circuit = OnNodes<BipSymbol>(1, 2, 0);
  circuit->kind = 'S';
  EnableAll(*circuit);
  for (NetSymbol* s : {static_cast<NetSymbol*>(fet.get()), static_cast<NetSymbol*>(bip.get()),
                       static_cast<NetSymbol*>(circuit.get())}) {
    s->UpdateGeometry();
    const std::string bytes = Store(*s);
    std::unique_ptr<NetSymbol> copy = SymbolRegistry::Global().Create(s->GetClassKey());
    ASSERT_NE(copy, nullptr);
    Load(*copy, bytes);
    EXPECT_EQ(Store(*copy), bytes);
    EXPECT_EQ(Written(*copy), Written(*s));
    const std::string text = Text(*s);
    copy = SymbolRegistry::Global().Create(s->GetClassKey());
    EXPECT_TRUE(ReadBack(*copy, text));
    EXPECT_EQ(Text(*copy), text);
    EXPECT_EQ(Written(*copy), Written(*s));
  }
  EXPECT_EQ(Text(*fet).substr(0, 26), "(8,FETTRANS) 2\n(6,CFY 30)\n");
}

TEST(TransistorSymbolsTest, OldLayoutsLoadWithDefaults) {
  FetSymbol oldFet;
  oldFet.version = 1;  // stores the base form only
  BipSymbol oldBip;
  oldBip.version = 1;  // base, type name and kind; no hybrid values for 'S'
  oldBip.kind = 'S';
  const std::string fetBytes = Store(oldFet);
  const std::string bipBytes = Store(oldBip);
  EXPECT_EQ(fetBytes.size(), Store(*std::make_unique<NetSymbol>(3)).size());
  FetSymbol fet;
  fet.transconductance = 1.0f;
  Load(fet, fetBytes);
  EXPECT_EQ(fet.transconductance, 1.0f);
  EXPECT_EQ(fet.version, FetSymbol::kVersion);
  BipSymbol bip;
  bip.h21 = "7";
  Load(bip, bipBytes);
  EXPECT_EQ(bip.kind, 'S');
  EXPECT_EQ(bip.h21, "7");
  EXPECT_EQ(bip.version, BipSymbol::kVersion);
}

TEST(TransistorSymbolsTest, DamagedArchivesAndRecordsFailWithoutHarm) {
  auto fet = OnNodes<FetSymbol>(1, 2, 0);
  auto bip = OnNodes<BipSymbol>(1, 2, 0);
  EnableAll(*fet);
  for (NetSymbol* s : {static_cast<NetSymbol*>(fet.get()), static_cast<NetSymbol*>(bip.get())}) {
    const std::string bytes = Store(*s);
    for (size_t n = 0; n < bytes.size(); ++n) {
      std::unique_ptr<NetSymbol> copy = SymbolRegistry::Global().Create(s->GetClassKey());
      EXPECT_THROW(Load(*copy, bytes.substr(0, n)), pf::ArchiveError) << n;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
      std::string bad = bytes;
      bad[i] = '\xff';  // also turns a float into a NaN
      std::unique_ptr<NetSymbol> copy = SymbolRegistry::Global().Create(s->GetClassKey());
      try {
        Load(*copy, bad);
        for (const std::string& line : Written(*copy)) {
          EXPECT_TRUE(line.find("nan") == line.npos && line.find("inf") == line.npos) << line;
        }
      } catch (const pf::ArchiveError&) {
      }
    }
    const std::string text = Text(*s);
    for (size_t n = 0; n + 1 < text.size(); ++n) {
      std::unique_ptr<NetSymbol> copy = SymbolRegistry::Global().Create(s->GetClassKey());
      const std::string before = Text(*copy);
      EXPECT_FALSE(ReadBack(*copy, text.substr(0, n))) << n;
      EXPECT_EQ(Text(*copy), before);
      std::string garbled = text;
      garbled[n] = '9';
      ReadBack(*copy, garbled);
    }
  }
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
