// The framework's own one-pin symbols: netlist lines, parameters, the numbering of external
// nodes, drawing, and both stored forms with damaged input.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/InpSymbol.h"
#include "editor/symbols/OnePortSymbol.h"
#include "editor/symbols/OutSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/SymbolText.h"
#include "editor/tests/support/SymbolStreams.h"
#include "lines/models/SubstrateData.h"
#include "pf/archive.h"
#include "pf/document.h"
#include "pf/recording_dc.h"
#include "pf/view.h"

namespace {

const char* const kKeys[] = {"SUBSTRAT", "ExKnotenSymbol", "INPUT", "OUTPUT", "ONEPORT"};

std::unique_ptr<NetSymbol> Create(const char* key) { return SymbolRegistry::Global().Create(key); }

// Every stored field away from its default.
std::unique_ptr<NetSymbol> Sample(const char* key) {
  std::unique_ptr<NetSymbol> s = Create(key);
  s->pins[0] = Point(25, 50);
  s->nodes[0] = 3;
  if (auto* sub = dynamic_cast<SubSymbol*>(s.get())) {
    sub->permittivity = 4.5f, sub->lossTangent = 0.002f, sub->height = 0.0008f;
    sub->metalThickness = 3.5e-5f, sub->extentX = "30mm";
    sub->substrateName = "FR4, dick", sub->metalName = "Kupfer";
  } else if (auto* node = dynamic_cast<ExKnotenSymbol*>(s.get())) {
    node->portNumber = 4;
  } else if (auto* in = dynamic_cast<InpSymbol*>(s.get())) {
    in->settings = {"P 2", 2, 6, 7, 8, 'Y', 'M', 75.0f, 60.0f, 2e9f, 3e9f, 101, "Phase"};
  } else if (auto* one = dynamic_cast<OnePortSymbol*>(s.get())) {
    one->dataName = "MESS1", one->showLead = 1, one->kind = 'Z';
    one->referenceImpedance[0] = 75.0f, one->referenceImpedance[1] = 60.0f;
    one->lineCount = 2;
    one->lines[0] = std::make_unique<MyStrng>("1GHz 0.5 -30");
    one->lines[1] = std::make_unique<MyStrng>("2GHz 0.4 -60");
  }
  return s;
}

TEST(FrameworkSymbolsTest, NetlistLines) {
  InpSymbol in;
  in.SetPortName("P1");
  in.nodes[0] = 3;
  OnePortSymbol one;
  one.dataName = "S1";
  SubSymbol sub(Point(0, 100), Point(100, 100));
  auto line = [](NetSymbol& s) {
    s.WriteNetLine();
    return s.netLine.ToCString();
  };
  EXPECT_EQ(line(in), "P1: 1POR 3 RG1 = 50ohm");
  in.settings.mode = 2, in.settings.outputNode = 5, in.settings.rGen2 = 75.0f;
  EXPECT_EQ(line(in), "P1: 2POR 3 5 RG1 = 50ohm RG2 = 75ohm");
  in.settings.mode = 0;
  EXPECT_EQ(line(in), "P1: ");
  EXPECT_EQ(line(one), "ONE S1");
  one.nodes[0] = 4;
  EXPECT_EQ(line(one), "ONE 4 S1");
  for (const char* metal : {"Kupfer", "CU", "Gold"}) {
    sub.metalName = metal;
    EXPECT_EQ(line(sub), std::string("Keramik: MS H=0.635mm ER=9.9 MET1 = ") +
                             (metal[0] == 'G' ? "AU" : "CU") + " 17um TAND=0.0001");
  }
}

TEST(FrameworkSymbolsTest, OnlyKnownParameterNamesChangeThePort) {
  InpSymbol in;
  for (const char* name : {"rGen1", "rGen2", "staFreq", "stoFreq"}) {
    EXPECT_TRUE(in.SetParameter(name, 12.5f)) << name;
  }
  const InpSymbol::Settings& s = in.settings;
  EXPECT_EQ(s.rGen1 + s.rGen2 + s.staFreq + s.stoFreq, 50.0f);
  const std::string before = Text(in);
  EXPECT_FALSE(in.SetParameter("rgen1", 1.0f));
  EXPECT_EQ(in.SetCharParameter("whichParm ", 'Z'), 0);
  EXPECT_EQ(Text(in), before);
  EXPECT_EQ(in.SetCharParameter("whichParm", 'Z'), 'Z');
  EXPECT_EQ(s.parameterKind, 'Z');
}

// A text record whose number is no finite number fails as a stored one does: the stream's
// number reading takes neither NaN nor infinities and stops at a number beyond the floats.
TEST(FrameworkSymbolsTest, TextRecordsRefuseNumbersThatAreNotFinite) {
  const std::string text = Text(*Sample("INPUT"));
  const size_t ownPart = text.find(')') + 2;  // behind the key, which the caller takes
  for (const char* number : {"3.4e38", "nan", "inf", "-inf", "1e999", "1e39"}) {
    std::string record = text.substr(ownPart);
    const size_t at = record.find(",Y,") + 3;  // rGen1 follows the parameter kind
    record.replace(at, record.find(',', at) - at, number);
    InpSymbol port;
    std::istringstream in(record);
    const bool finite = number[0] == '3';
    EXPECT_EQ(static_cast<bool>(port.ReadText(in)), finite) << number;
    EXPECT_EQ(port.settings.rGen1, finite ? 3.4e38f : 50.0f) << number;
  }
}

TEST(FrameworkSymbolsTest, SubstrateParamsAndCopyLeaveTheExtents) {
  std::unique_ptr<NetSymbol> from = Sample("SUBSTRAT");
  static_cast<SubSymbol&>(*from).substrateName = "ABCDEFGHIJKLMNOPQRSTUVW";
  SubSymbol to;
  to.CopyParameters(*from);
  EXPECT_EQ(to.extentX, "20mm");
  SubstrateData record;
  to.GetSubstrateParams(record);
  EXPECT_STREQ(record.name, "ABCDEFGHIJKLMNOPQR");
  EXPECT_STREQ(record.metal, "Kupfer");
  EXPECT_EQ(static_cast<float>(record.H), 0.0008f);
  EXPECT_EQ(static_cast<float>(record.ER), 4.5f);
  EXPECT_EQ(static_cast<float>(record.T), 3.5e-5f);
  EXPECT_EQ(static_cast<float>(record.TAND), 0.002f);
}

struct Circuit : pf::Document, PortNumberSource {
  std::vector<int32_t> numbers;
  std::vector<int32_t> PortNumbersInUse() const override { return numbers; }
};

struct CircuitView : pf::View {
  void OnDraw(pf::Dc&) override {}
};

TEST(FrameworkSymbolsTest, PlacedExternalNodeTakesTheSmallestFreeNumber) {
  struct Case {
    std::vector<int32_t> inUse;
    int32_t before, after;
  };
  for (const Case& c : {Case{{3, 1}, 0, 2}, Case{{}, 0, 1}, Case{{2, 1, 1, 3}, 0, 4},
                        Case{{1}, 1, 1}, Case{{}, 5, 5}}) {
    Circuit circuit;
    circuit.numbers = c.inUse;
    CircuitView view;
    circuit.AddView(view);
    ExKnotenSymbol node(Point(0, 100), Point(100, 100));
    node.portNumber = c.before;
    node.SetView(&view);
    EXPECT_TRUE(node.EditDialog(nullptr));
    EXPECT_EQ(node.portNumber, c.after);
    circuit.RemoveView(view);
  }
}

std::vector<std::string> Drawing(NetSymbol& s) {
  s.UpdateGeometry();
  pf::RecordingDc dc;
  s.Draw(dc);
  return dc.Log();
}

TEST(FrameworkSymbolsTest, DrawingInEveryOrientation) {
  struct Case {
    Point pin, end;
    std::vector<std::string> node;  // pin mark, lead, circle, number, lead from the circle
    const char* portLead;           // the input port's, behind its glyph
  };
  const Case cases[] = {
      {{100, 100},
       {200, 100},
       {"Ellipse 98 98 102 102", "Line 100 100 125 100", "Ellipse 140 90 160 110",
        "TextOut 145 94 7", "Line 140 100 100 100"},
       "Line 135 100 100 100"},
      {{200, 100},
       {100, 100},
       {"Ellipse 198 98 202 102", "Line 200 100 175 100", "Ellipse 140 90 160 110",
        "TextOut 146 94 7", "Line 160 100 200 100"},
       "Line 165 100 200 100"},
      {{100, 100},
       {100, 200},
       {"Ellipse 98 98 102 102", "Line 100 100 100 125", "Ellipse 90 140 110 160",
        "TextOut 96 144 7", "Line 100 140 100 100"},
       "Line 100 135 100 100"},
  };
  for (const Case& c : cases) {
    ExKnotenSymbol node(c.pin, c.end);
    node.portNumber = 7;
    EXPECT_EQ(Drawing(node), c.node);
    InpSymbol port(c.pin, c.end);
    const std::vector<std::string> drawn = Drawing(port);
    EXPECT_EQ(drawn.back(), c.portLead);
    EXPECT_EQ(drawn.size(), 7u);  // nothing but the glyph's five lines, its label and the lead
  }
}

TEST(FrameworkSymbolsTest, StoredFormsRoundTripEveryField) {
  for (const char* key : kKeys) {
    std::unique_ptr<NetSymbol> original = Sample(key);
    const std::string bytes = Store(*original);
    std::unique_ptr<NetSymbol> copy = Create(key);
    Load(*copy, bytes);
    EXPECT_EQ(Store(*copy), bytes) << key;
    // As a reader of several records does: the key chooses the class, which reads the rest.
    const std::string text = Text(*original);
    std::istringstream in(text);
    in.unsetf(std::ios::skipws);
    MyStrng readKey;
    ASSERT_TRUE(TakeValue(in, readKey)) << key;
    std::unique_ptr<NetSymbol> read = Create(readKey.GetBuffer());
    ASSERT_NE(read, nullptr) << key;
    EXPECT_TRUE(read->ReadText(in)) << key;
    EXPECT_EQ(Text(*read), text) << key;
  }
}

TEST(FrameworkSymbolsTest, OlderArchivesLoadWithDefaults) {
  for (const char* key : {"SUBSTRAT", "INPUT", "ONEPORT"}) {
    std::unique_ptr<NetSymbol> old = Sample(key);
    old->version = 1;
    std::unique_ptr<NetSymbol> copy = Create(key);
    Load(*copy, Store(*old));
    std::unique_ptr<NetSymbol> expected = Create(key);
    expected->pins[0] = Point(25, 50);
    expected->nodes[0] = 3;
    expected->CopyParameters(*old);  // the substrate's own fields are older than its extents
    expected->version = copy->version;
    EXPECT_EQ(Store(*copy), Store(*expected)) << key;
  }
  InpSymbol in;
  in.version = 1;
  EXPECT_EQ(Text(in).find("(6,LogMag)"), std::string::npos);
}

TEST(FrameworkSymbolsTest, DamagedRecordsFailWithoutChangingTheSymbol) {
  for (const char* key : kKeys) {
    const std::string bytes = Store(*Sample(key));
    for (size_t n = 0; n < bytes.size(); ++n) {
      std::unique_ptr<NetSymbol> s = Create(key);
      EXPECT_THROW(Load(*s, bytes.substr(0, n)), pf::ArchiveError) << key << n;
      std::string bad = bytes;
      bad[n] = '\xff';
      try {
        Load(*Create(key), bad);
      } catch (const pf::ArchiveError&) {
      }
    }
    const std::string text = Text(*Sample(key));
    const size_t ownPart = text.find(')') + 2;  // behind the key, which the caller takes
    for (size_t n = ownPart; n + 1 < text.size(); ++n) {
      std::unique_ptr<NetSymbol> s = Create(key);
      const std::string before = Text(*s);
      std::istringstream in(text.substr(ownPart, n - ownPart));
      EXPECT_FALSE(s->ReadText(in)) << key << n;
      EXPECT_EQ(Text(*s), before) << key << n;
    }
  }
}

TEST(FrameworkSymbolsTest, OnePortTableIsBounded) {
  std::string bytes = Store(*Sample("ONEPORT"));
  OnePortSymbol one;
  const size_t count = Store(one).size() - 4;  // behind a default one-port's empty table
  bytes.replace(count, 4, std::string("\xfb\x00\x00\x00", 4));  // 251
  EXPECT_THROW(Load(one, bytes), pf::ArchiveError);

  std::ostringstream record;
  record << "2\n(5,MESS2),252,S,50,0\n";
  for (int i = 0; i < 252; ++i) record << "(4,row" << i % 10 << ")\n";
  NetSymbol(1).WriteText(record);
  std::istringstream in(record.str());
  ASSERT_TRUE(one.ReadText(in));
  EXPECT_EQ(one.lineCount, 250);
  EXPECT_EQ(one.GetLine(249), "row9");
  EXPECT_EQ(one.dataName, "MESS2");
}

}  // namespace
