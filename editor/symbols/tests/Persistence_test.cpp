// The archive form of the document file and the symbol text form, for the base and each pole
// base, with damaged input.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "editor/symbols/VierPolSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "editor/tests/support/SymbolStreams.h"
#include "pf/archive.h"

namespace {

std::unique_ptr<NetSymbol> Create(const pf::RuntimeClass* cls) {
  return std::unique_ptr<NetSymbol>(static_cast<NetSymbol*>(cls->create()));
}

const pf::RuntimeClass* const kClasses[] = {
    PF_RUNTIME_CLASS(NetSymbol),     PF_RUNTIME_CLASS(EinPolSymbol),
    PF_RUNTIME_CLASS(ZweiPolSymbol), PF_RUNTIME_CLASS(DreiPolSymbol),
    PF_RUNTIME_CLASS(VierPolSymbol), PF_RUNTIME_CLASS(MultiPolSymbol)};

// A symbol whose stored fields all differ from the defaults.
std::unique_ptr<NetSymbol> Sample(const pf::RuntimeClass* cls) {
  std::unique_ptr<NetSymbol> s = Create(cls);
  s->UpdateGeometry();
  s->pins[0] = Point(25, 50);
  s->pins[1] = Point(75, 50);
  s->nodes = {3, 0, 7, 8, 9};
  s->SetPinConnected(0);
  s->classKey = "KEY";
  s->elementName = "R1";
  s->modelName = "BC107";
  s->values[2] = "1.5E+03";
  s->selected = s->settingA = s->settingD = 5;
  s->layer = 'B';
  s->layoutOrigin = LPoint(11, 12);
  if (auto* two = dynamic_cast<ZweiPolSymbol*>(s.get())) {
    two->smdLength = "2mm";
    two->smdFlag = 1;
  }
  if (auto* multi = dynamic_cast<MultiPolSymbol*>(s.get())) multi->variant = 'C';
  return s;
}

// The archive keeps every stored field but the layout origin; the text record every field.
TEST(PersistenceTest, ArchiveAndTextRoundTripEveryStoredField) {
  for (const pf::RuntimeClass* cls : kClasses) {
    std::unique_ptr<NetSymbol> original = Sample(cls);
    const std::string bytes = Store(*original);
    std::unique_ptr<NetSymbol> copy = Create(cls);
    Load(*copy, bytes);
    EXPECT_EQ(Store(*copy), bytes) << cls->name;
    EXPECT_EQ(copy->pins[0], Point(25, 50)) << cls->name;
    EXPECT_EQ(copy->nodes[0], 3) << cls->name;
    EXPECT_FALSE(copy->layoutOrigin.x == 11) << cls->name;
    const std::string text = Text(*original);
    copy = Create(cls);
    std::istringstream in(text);
    EXPECT_TRUE(copy->ReadText(in)) << cls->name;
    EXPECT_EQ(Text(*copy), text) << cls->name;
  }
}

TEST(PersistenceTest, DamagedArchivesThrowAndNeverOverrun) {
  const std::string good = Store(*Sample(PF_RUNTIME_CLASS(ZweiPolSymbol)));
  // Offsets behind the empty-key string (4 + 16 bytes): pin count, orientation, pin spacing.
  struct Patch {
    size_t at;
    char byte;
  };
  for (const Patch& p :
       {Patch{24, 6}, Patch{24, 0}, Patch{27, '\x80'}, Patch{64, 'X'}, Patch{93, 24}}) {
    std::string bad = Store(*Sample(PF_RUNTIME_CLASS(NetSymbol)));
    bad[p.at] = p.byte;
    NetSymbol s;
    EXPECT_THROW(Load(s, bad), pf::ArchiveError) << p.at;
  }
  for (size_t n = 0; n < good.size(); ++n) {
    ZweiPolSymbol s;
    EXPECT_THROW(Load(s, good.substr(0, n)), pf::ArchiveError) << n;
  }
  for (size_t i = 0; i < good.size(); ++i) {
    for (char byte : {'\xff', '\x7f', '\x01'}) {
      std::string bad = good;
      bad[i] = byte;
      ZweiPolSymbol s;
      try {
        Load(s, bad);
      } catch (const pf::ArchiveError&) {
      }
    }
  }
}

TEST(PersistenceTest, TextRecordShowsPinsWithNodes) {
  const std::string text = Text(*Sample(PF_RUNTIME_CLASS(ZweiPolSymbol)));
  EXPECT_NE(text.find("\n(25,50) 3\n(75,50) 0\n25\n*---------0---------0---------0---------0\n"),
            std::string::npos);
}

TEST(PersistenceTest, MalformedTextRecordsFailAndChangeNothing) {
  const std::string good = Text(*Sample(PF_RUNTIME_CLASS(ZweiPolSymbol)));
  std::vector<std::string> bad;
  for (char first : {'9', '0', 'x'}) {
    bad.push_back(good);
    bad.back()[0] = first;
  }
  for (size_t n = 0; n < good.size(); ++n) bad.push_back(good.substr(0, n));
  const std::string spacing = "\n25\n";
  std::string wrongSpacing = good;
  wrongSpacing.replace(good.find(spacing), spacing.size(), "\n0\n");
  bad.push_back(wrongSpacing);
  for (const std::string& record : bad) {
    ZweiPolSymbol s;
    const std::string before = Text(s);
    std::istringstream in(record);
    EXPECT_FALSE(s.ReadText(in)) << record;
    EXPECT_EQ(Text(s), before);
  }
}

}  // namespace
