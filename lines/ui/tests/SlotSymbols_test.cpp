// The slotline, coplanar and transition symbols: netlist lines, pictures, records and copies.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "basics/VS_Error.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "lines/models/CCoplanarLineModell.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/SlotSymbols.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

template <class S>
std::unique_ptr<NetSymbol> On(std::array<int32_t, 5> nodes, std::function<void(S&)> edit = {}) {
  auto s = std::make_unique<S>();
  s->nodes = nodes;
  if (edit) edit(*s);
  return s;
}

TEST(SlotSymbolsTest, NetlistLines) {
  const struct {
    std::unique_ptr<NetSymbol> symbol;
    const char* line;
  } kCases[] = {
      {On<SlotLineSymbol>({1, 2}), "SLTL 1 2 Approx W=100um P=10mm NO_SUB"},
      {On<SlotLineSymbol>({3}, [](SlotLineSymbol& s) { s.end = 'S'; }),
       "SLTS 3 Approx W=100um P=10mm SHORT NO_SUB"},
      {On<SlotLineSymbol>({3}, [](SlotLineSymbol& s) { s.end = 'O', s.model = 'C'; }),
       "SLTS 3 Cohn W=100um P=10mm OPEN NO_SUB"},
      {On<SltBendSymbol>({1, 2}), "SLTL 1 2 Approx W=100um P=10mm NO_SUB"},
      // The bend knows only the closed form.
      {On<SltBendSymbol>({5}, [](SltBendSymbol& s) { s.end = 'S'; }),
       "SLTS 5 Approx W=100um P=10mm SHORT NO_SUB"},
      {On<CCoplanarLineSymbol>({1, 2}), "CPLL 1 2 W=500um S=500um P=10mm NO_SUB"},
      {On<CCoplanarLineSymbol>({4}, [](CCoplanarLineSymbol& s) { s.kind = 'O'; }),
       "CPLS 4 W=500um S=500um P=10mm OPEN NO_SUB"},
      {On<CCoplanarLineSymbol>({4}, [](CCoplanarLineSymbol& s) { s.kind = 'S'; }),
       "CPLS 4 W=500um S=500um P=10mm SHORT NO_SUB"},
      {On<CCoplanarCrossSymbol>({1, 2, 3}), "KTE 1 2 3"},
      {On<MslToSlotSymbol>({1, 2, 3, 4}), "MSTSL 1 2 3  M=1mm S=150um K=0.99 KNR NO_SUB"},
      {On<MslToSlotSymbol>({1, 0, 3}, [](MslToSlotSymbol& s) { s.model = 'S'; }),
       "MSTSL 1 0 3  M=1mm S=150um K=0.99 SIM NO_SUB"},
      {On<MslToSlotSymbol>({1, 2, 3}, [](MslToSlotSymbol& s) { s.model = 'D'; }),
       "MSTSL 1 2 3  M=1mm S=150um K=0.99 DAS NO_SUB"},
  };
  for (const auto& c : kCases) {
    c.symbol->WriteNetLine();
    EXPECT_EQ(c.symbol->netLine, c.line);
  }
}

TEST(SlotSymbolsTest, JunctionSimulatesWithoutSubstrate) {
  ElementBench bench({}, {});
  EXPECT_NE(bench.Build("KTE 1 2 3"), nullptr);
}

TEST(SlotSymbolsTest, CoveredSlotlineHasNoModel) {
  VS_Error::ClearQueue();
  CCoveredSlotLineSymbol covered;
  covered.elementName = "CSL1";
  covered.WriteNetLine();
  EXPECT_TRUE(covered.netLine.IsEmpty());
  EXPECT_EQ(VS_Error::GetFirstMessage(), "CSL1: kein Simulationsmodell");
  VS_Error::ClearQueue();
}

// Pictures by kind, pin count, direction and geometry.
TEST(SlotSymbolsTest, BitmapsFollowKindAndPoles) {
  const struct {
    std::unique_ptr<NetSymbol> symbol;
    int bitmap;
  } kCases[] = {
      {On<SlotLineSymbol>({}), 179},
      {On<SlotLineSymbol>({}, [](SlotLineSymbol& s) { s.pinCount = 3; }), 179},
      {On<SlotLineSymbol>({}, [](SlotLineSymbol& s) { s.end = 'O', s.pinCount = 1; }), 181},
      {On<SlotLineSymbol>({}, [](SlotLineSymbol& s) { s.end = 'O', s.pinCount = 2; }), 188},
      {On<SlotLineSymbol>({}, [](SlotLineSymbol& s) { s.end = 'S', s.pinCount = 1; }), 182},
      {On<SlotLineSymbol>({}, [](SlotLineSymbol& s) { s.end = 'S', s.pinCount = 2; }), 187},
      {On<SltBendSymbol>({}, [](SltBendSymbol& s) { s.variant = 'B'; }), 206},
      {On<SltBendSymbol>({}, [](SltBendSymbol& s) { s.end = 'S'; }), 207},
      {On<SltBendSymbol>({}, [](SltBendSymbol& s) { s.end = 'S', s.variant = 'B'; }), 208},
      {On<SltBendSymbol>({}, [](SltBendSymbol& s) { s.end = 'S', s.geometry = 'K'; }), 211},
      {On<SltBendSymbol>({},
                         [](SltBendSymbol& s) { s.end = 'S', s.geometry = 'K', s.variant = 'B'; }),
       213},
      {On<CCoplanarLineSymbol>({}, [](CCoplanarLineSymbol& s) { s.kind = 'S'; }), 191},
      {On<CCoplanarLineSymbol>({}, [](CCoplanarLineSymbol& s) { s.kind = 'O'; }), 192},
      {On<CCoveredSlotLineSymbol>({}, [](CCoveredSlotLineSymbol& s) { s.pinCount = 3; }), 215},
      {On<CCoveredSlotLineSymbol>({},
                                  [](CCoveredSlotLineSymbol& s) { s.kind = 'S', s.pinCount = 1; }),
       218},
      {On<CCoveredSlotLineSymbol>({},
                                  [](CCoveredSlotLineSymbol& s) { s.kind = 'S', s.pinCount = 2; }),
       219},
      {On<CCoveredSlotLineSymbol>({},
                                  [](CCoveredSlotLineSymbol& s) { s.kind = 'O', s.pinCount = 2; }),
       188},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.bitmap);
    c.symbol->ReloadBitmap();
    ASSERT_TRUE(c.symbol->bitmap);
    EXPECT_FALSE(c.symbol->bitmap->IsEmpty());
    EXPECT_TRUE(*c.symbol->bitmap == LoadBitmapResource(c.bitmap));
  }
}

// What each new symbol shows before any reload.
TEST(SlotSymbolsTest, NewSymbolsShowTheirPictureOnTheBottomLayer) {
  const struct {
    const char* key;
    int bitmap;
    char layer;
  } kCases[] = {
      {"SlotLineSymbol", 179, 'B'},       {"SltBendSymbol", 204, 'B'},
      {"CCoplanarLineSymbol", 189, 'B'},  {"CCoplanarCrossSymbol", 260, 'B'},
      {"CCoveredSlotLineSymbol", 215, 'B'}, {"MslToSlotSymbol", 184, 'T'},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.key);
    auto s = SymbolRegistry::Global().Create(c.key);
    ASSERT_TRUE(s && s->bitmap);
    EXPECT_TRUE(*s->bitmap == LoadBitmapResource(c.bitmap));
    EXPECT_EQ(s->layer, c.layer);
    EXPECT_EQ(s->groundFree, 0);
  }
}

TEST(SlotSymbolsTest, BendRadiusFollowsItsLength) {
  SltBendSymbol bend;
  EXPECT_NEAR(bend.r.Value(), 6.366e-3, 1e-5);
  bend.SetLength(LaeWert("20mm"));
  EXPECT_NEAR(bend.r.Value(), 12.732e-3, 1e-5);
  EXPECT_EQ(bend.p, "20mm");
}

// A version-1 record lacks the slotline's model letter and the bend's kink length: both load
// with the defaults and are kept as version 2 afterwards.
TEST(SlotSymbolsTest, VersionOneRecordsLoadWithDefaults) {
  SlotLineSymbol oldSlot;
  oldSlot.version = 1;
  oldSlot.model = 'C';
  oldSlot.w = LaeWert("0.3mm");
  SlotLineSymbol slot;
  Load(slot, Store(oldSlot));
  EXPECT_EQ(slot.model, 'A');
  EXPECT_EQ(slot.w, "0.3mm");
  EXPECT_EQ(slot.version, 2);

  SltBendSymbol oldBend;
  oldBend.version = 1;
  oldBend.kink = LaeWert("5mm");
  oldBend.geometry = 'K';
  SltBendSymbol bend;
  Load(bend, Store(oldBend));
  EXPECT_EQ(bend.kink, LaeWert(0.002));
  EXPECT_EQ(bend.geometry, 'K');
  EXPECT_EQ(bend.version, 2);

  // Version 2 keeps both.
  SlotLineSymbol cohn;
  cohn.model = 'C';
  SlotLineSymbol slot2;
  Load(slot2, Store(cohn));
  EXPECT_EQ(slot2.model, 'C');
  SltBendSymbol kinked;
  kinked.kink = LaeWert("5mm");
  SltBendSymbol bend2;
  Load(bend2, Store(kinked));
  EXPECT_EQ(bend2.kink, "5mm");
}

// Each symbol's record, written out field by field after its pole base's part: storing gives
// exactly these bytes, and loading them consumes all of them and gives the symbol back. A
// version-1 record lacks the slotline's model letter and the bend's kink length.
struct ArchiveCase {
  const char* key;
  std::function<void(NetSymbol&)> edit;
  // What a version-1 load leaves where the record has nothing.
  std::function<void(NetSymbol&)> versionOneDefaults;
  std::function<void(pf::Archive&, int32_t version)> own;
  bool keepsVersion;  // false: loading moves it to 2
};

template <class S>
std::function<void(NetSymbol&)> As(std::function<void(S&)> f) {
  return [f](NetSymbol& s) { f(static_cast<S&>(s)); };
}

void Put(pf::Archive& ar, const char* value) { LaeWert(value).Serialize(ar); }
void PutText(pf::Archive& ar, const char* text) { MyStrng(text).Serialize(ar); }

TEST(SlotSymbolsTest, ArchiveBytesFieldByField) {
  const ArchiveCase kCases[] = {
      {"SlotLineSymbol", As<SlotLineSymbol>([](SlotLineSymbol& s) {
         s.w = LaeWert("0.3mm");
         s.p = LaeWert("7mm");
         s.substrate = "ALU";
         s.end = 'S';
         s.model = 'C';
       }),
       As<SlotLineSymbol>([](SlotLineSymbol& s) { s.model = 'A'; }),
       [](pf::Archive& ar, int32_t version) {
         Put(ar, "0.3mm");
         Put(ar, "7mm");
         PutText(ar, "ALU");
         ar << 'S';
         if (version > 1) ar << 'C';
       },
       false},
      {"SltBendSymbol", As<SltBendSymbol>([](SltBendSymbol& s) {
         s.w = LaeWert("0.2mm");
         s.SetLength(LaeWert("20mm"));
         s.r = LaeWert("12mm");
         s.kink = LaeWert("5mm");
         s.substrate = "ALU";
         s.end = 'S';
         s.spare = 7;
         s.geometry = 'K';
       }),
       As<SltBendSymbol>([](SltBendSymbol& s) { s.kink = LaeWert(0.002); }),
       [](pf::Archive& ar, int32_t version) {
         Put(ar, "0.2mm");
         Put(ar, "20mm");
         Put(ar, "12mm");
         PutText(ar, "ALU");
         ar << 'S' << int32_t{7} << 'K';
         if (version > 1) Put(ar, "5mm");
       },
       false},
      {"CCoplanarLineSymbol", As<CCoplanarLineSymbol>([](CCoplanarLineSymbol& s) {
         s.p = LaeWert("12mm");
         s.s2 = LaeWert("0.25mm");
         s.s = LaeWert("0.2mm");
         s.w = LaeWert("1mm");
         s.substrate = "ALU";
         s.kind = 'O';
       }),
       {},
       [](pf::Archive& ar, int32_t) {
         Put(ar, "12mm");
         Put(ar, "0.25mm");
         Put(ar, "0.2mm");
         Put(ar, "1mm");
         PutText(ar, "ALU");
         ar << 'O';
       },
       true},
      {"CCoplanarCrossSymbol", As<CCoplanarCrossSymbol>([](CCoplanarCrossSymbol& s) {
         s.w1 = LaeWert("1mm");
         s.s1 = LaeWert("0.1mm");
         s.w2 = LaeWert("2mm");
         s.s2 = LaeWert("0.2mm");
         s.substrate = "ALU";
       }),
       {},
       [](pf::Archive& ar, int32_t) {
         PutText(ar, "CCoplanarCrossSymbol");
         Put(ar, "1mm");
         Put(ar, "0.1mm");
         Put(ar, "2mm");
         Put(ar, "0.2mm");
         PutText(ar, "ALU");
       },
       true},
      {"CCoveredSlotLineSymbol", As<CCoveredSlotLineSymbol>([](CCoveredSlotLineSymbol& s) {
         s.w = LaeWert("0.3mm");
         s.p = LaeWert("4mm");
         s.substrate = "LOW";
         s.upper = "HIGH";
         s.kind = 'S';
         s.letter = 'D';
         s.layer = 'T';
       }),
       {},
       [](pf::Archive& ar, int32_t) {
         Put(ar, "0.3mm");
         Put(ar, "4mm");
         PutText(ar, "LOW");
         PutText(ar, "HIGH");
         ar << 'S' << 'D' << 'T';
       },
       true},
      {"MslToSlotSymbol", As<MslToSlotSymbol>([](MslToSlotSymbol& s) {
         s.m = LaeWert("2mm");
         s.s = LaeWert("0.2mm");
         s.k = FloatWert("0.5");
         s.substrate = "ALU";
         s.model = 'D';
       }),
       {},
       [](pf::Archive& ar, int32_t) {
         Put(ar, "2mm");
         Put(ar, "0.2mm");
         FloatWert("0.5").Serialize(ar);
         PutText(ar, "ALU");
         ar << 'D';
       },
       true},
  };
  for (const auto& c : kCases) {
    for (int32_t version : {2, 1}) {
      SCOPED_TRACE(std::string(c.key) + " version " + std::to_string(version));
      auto edited = SymbolRegistry::Global().Create(c.key);
      ASSERT_TRUE(edited);
      edited->nodes = {1, 2, 3, 4};
      c.edit(*edited);
      edited->version = version;

      std::ostringstream expected;
      {
        auto base = SymbolRegistry::Global().Create(c.key);
        c.edit(*base);
        base->nodes = edited->nodes;
        base->version = version;
        pf::Archive ar(expected);
        static_cast<MultiPolSymbol&>(*base).MultiPolSymbol::Serialize(ar);
        c.own(ar, version);
      }
      EXPECT_EQ(Store(*edited), expected.str());

      auto want = SymbolRegistry::Global().Create(c.key);
      want->nodes = edited->nodes;
      c.edit(*want);
      if (version == 1 && c.versionOneDefaults) c.versionOneDefaults(*want);
      want->version = c.keepsVersion ? version : 2;

      auto loaded = SymbolRegistry::Global().Create(c.key);
      std::istringstream in(expected.str());
      pf::Archive ar(in);
      loaded->Serialize(ar);
      EXPECT_EQ(in.peek(), std::char_traits<char>::eof());
      EXPECT_EQ(Text(*loaded), Text(*want));
      EXPECT_EQ(Store(*loaded), Store(*want));
    }
  }
}

// A stored value text that gives no number fails the load, naming the symbol.
TEST(SlotSymbolsTest, LoadingRefusesValueTextsThatGiveNoNumber) {
  const std::pair<const char*, std::function<MyStrng&(NetSymbol&)>> kCases[] = {
      {"SlotLineSymbol",
       [](NetSymbol& s) -> MyStrng& { return static_cast<SlotLineSymbol&>(s).p; }},
      {"SltBendSymbol",
       [](NetSymbol& s) -> MyStrng& { return static_cast<SltBendSymbol&>(s).kink; }},
      {"CCoplanarLineSymbol",
       [](NetSymbol& s) -> MyStrng& { return static_cast<CCoplanarLineSymbol&>(s).w; }},
      {"CCoplanarCrossSymbol",
       [](NetSymbol& s) -> MyStrng& { return static_cast<CCoplanarCrossSymbol&>(s).s2; }},
      {"CCoveredSlotLineSymbol",
       [](NetSymbol& s) -> MyStrng& { return static_cast<CCoveredSlotLineSymbol&>(s).w; }},
      {"MslToSlotSymbol",
       [](NetSymbol& s) -> MyStrng& { return static_cast<MslToSlotSymbol&>(s).k; }},
  };
  for (const auto& [key, field] : kCases) {
    SCOPED_TRACE(key);
    auto damaged = SymbolRegistry::Global().Create(key);
    damaged->elementName = "X7";
    field(*damaged) = "nan";
    auto loaded = SymbolRegistry::Global().Create(key);
    try {
      Load(*loaded, Store(*damaged));
      ADD_FAILURE() << "loaded";
    } catch (const pf::ArchiveError& refused) {
      EXPECT_EQ(refused.what(), std::string("X7: Wert ungültig: nan"));
    }
  }
}

// Every class key survives both records with a changed field, and copies its parameters only
// where it should.
TEST(SlotSymbolsTest, RecordsRoundTripAndCopy) {
  const struct {
    const char* key;
    std::function<void(NetSymbol&)> edit;
    bool copies;
  } kCases[] = {
      {"SlotLineSymbol",
       [](NetSymbol& s) {
         static_cast<SlotLineSymbol&>(s).model = 'C';
         static_cast<SlotLineSymbol&>(s).end = 'O';
         s.pinCount = 1;
       },
       true},
      {"SltBendSymbol", [](NetSymbol& s) { static_cast<SltBendSymbol&>(s).w = LaeWert("1mm"); },
       false},
      {"CCoplanarLineSymbol",
       [](NetSymbol& s) {
         static_cast<CCoplanarLineSymbol&>(s).kind = 'S';
         static_cast<CCoplanarLineSymbol&>(s).s = LaeWert("0.2mm");
         s.pinCount = 1;
       },
       true},
      {"CCoplanarCrossSymbol",
       [](NetSymbol& s) { static_cast<CCoplanarCrossSymbol&>(s).substrate = "ALU"; }, false},
      {"CCoveredSlotLineSymbol",
       [](NetSymbol& s) { static_cast<CCoveredSlotLineSymbol&>(s).p = LaeWert("3mm"); }, false},
      {"MslToSlotSymbol",
       [](NetSymbol& s) {
         static_cast<MslToSlotSymbol&>(s).model = 'S';
         static_cast<MslToSlotSymbol&>(s).k = FloatWert("0.5");
       },
       true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.key);
    auto edited = SymbolRegistry::Global().Create(c.key);
    ASSERT_TRUE(edited);
    edited->nodes = {1, 2, 3, 4};
    c.edit(*edited);
    auto describe = [](NetSymbol& s) {
      return Text(s).substr(0, Text(s).find('\n', Text(s).find('\n') + 1));
    };
    const std::string fields = describe(*edited);

    auto loaded = SymbolRegistry::Global().Create(c.key);
    Load(*loaded, Store(*edited));
    EXPECT_EQ(describe(*loaded), fields);
    EXPECT_EQ(loaded->pinCount, edited->pinCount);

    auto read = SymbolRegistry::Global().Create(c.key);
    EXPECT_TRUE(ReadBack(*read, Text(*edited)));
    EXPECT_EQ(describe(*read), fields);

    auto copy = SymbolRegistry::Global().Create(c.key);
    copy->CopyParameters(*edited);
    EXPECT_EQ(describe(*copy) == fields, c.copies);
    if (c.copies) {
      EXPECT_EQ(copy->pinCount, edited->pinCount);
    }

    const std::string bytes = Store(*edited);
    auto cut = SymbolRegistry::Global().Create(c.key);
    EXPECT_THROW(Load(*cut, bytes.substr(0, bytes.size() - 3)), pf::ArchiveError);
  }
}

// The junction keeps its class key in its own part of the record too, and the covered slotline
// its layer letter.
TEST(SlotSymbolsTest, ArchivesKeepKeyAndLayer) {
  CCoplanarCrossSymbol cross;
  const std::string bytes = Store(cross);
  const size_t first = bytes.find("CCoplanarCrossSymbol");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(bytes.find("CCoplanarCrossSymbol", first + 1), std::string::npos);

  CCoveredSlotLineSymbol covered;
  CCoveredSlotLineSymbol loaded;
  loaded.layer = 'T';
  Load(loaded, Store(covered));
  EXPECT_EQ(loaded.layer, 'B');
}

TEST(SlotSymbolsTest, CoplanarTakesTheDimensionedModel) {
  CCoplanarLineModell model;
  model.SetStripWidth(0.0012);
  model.SetGap(0.0003);
  model.length = 0.025;
  CCoplanarLineSymbol line;
  line.ApplyModel(model);
  EXPECT_EQ(line.s, line.s2);
  EXPECT_NEAR(line.GetGapValue(), 0.0003, 1e-9);
  EXPECT_NEAR(line.w.Value(), 0.0012, 1e-9);
  EXPECT_NEAR(line.p.Value(), 0.025, 1e-9);
}

}  // namespace
