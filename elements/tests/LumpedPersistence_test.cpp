// Archive and text records of the lumped symbols, byte for byte, and damaged records.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/archive.h"

namespace {

struct Case {
  const char* key;
  std::function<void(NetSymbol&)> change;  // away from the defaults
  const char* head;                        // the record's own part
};

const Case kCases[] = {
    {"WIDERSTAND", [](NetSymbol& s) { static_cast<ResSymbol&>(s).cp = "2.2pF"; },
     "(10,WIDERSTAND) 1\n(5,50ohm),(3,2nH),(5,2.2pF)\n"},
    {"KAPAZITAET", [](NetSymbol& s) { static_cast<CapSymbol&>(s).fm = "3GHz"; },
     "(10,KAPAZITAET) 1\n(3,1pF),(4,1THz),(5,1e+04),(4,3GHz)\n"},
    {"INDUKTIVITAET", [](NetSymbol& s) { static_cast<IndSymbol&>(s).l = "10nH "; },
     "(13,INDUKTIVITAET) 1\n(5,10nH ),(4,1THz),(5,1e+04),(4,1THz)\n"},
    {"SCHWINGQUARZ", [](NetSymbol& s) { static_cast<QuarzSymbol&>(s).fd = "1.5kHz"; },
     "(12,SCHWINGQUARZ) 2\n(4,1MHz),(5,1Mohm),(5,4e+04) (6,1.5kHz)\n"},
    {"SERRESCIRCUIT", [](NetSymbol& s) { s.SetParameter("qGuete", 7.0f); },
     "(13,SERRESCIRCUIT) 1\n(4,1MHz),(5,50ohm),(1,7)\n"},
    {"PARRESCIRCUIT", [](NetSymbol& s) { s.SetParameter("zKen", 1e3f); },
     "(13,PARRESCIRCUIT) 1\n(4,1MHz),(5,1kohm),(3,100)\n"},
    {"GROUND", [](NetSymbol& s) { s.settingC = 0; }, "(6,GROUND) 1\n"},
    {"VERBINDUNG", [](NetSymbol& s) { static_cast<Verbindung&>(s).smdFlag = 1; },
     "(10,VERBINDUNG) 1\n"},
    {"PktSymbol", [](NetSymbol& s) { s.centre = Point(30, 40); }, "(9,PktSymbol) 1\n"},
};

// Null for a key nobody registered.
std::unique_ptr<NetSymbol> Sample(const Case& c) {
  std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
  if (s == nullptr) return s;
  s->UpdateGeometry();
  s->elementName = "X7";
  s->nodes[0] = 3;
  c.change(*s);
  return s;
}

// Round trips, and damaged records neither crash nor change the symbol they were read into.
TEST(LumpedPersistenceTest, RoundTripsAndDamagedRecordsOfEveryClass) {
  for (const Case& c : kCases) {
    const std::unique_ptr<NetSymbol> original = Sample(c);
    ASSERT_NE(original, nullptr) << c.key
                                 << " is not registered: Register<S>() in elements/Register.cpp";
    const std::string bytes = Store(*original);
    const std::string text = Text(*original);
    EXPECT_EQ(text.substr(0, std::string(c.head).size()), c.head);

    std::unique_ptr<NetSymbol> loaded = SymbolRegistry::Global().Create(c.key);
    Load(*loaded, bytes);
    EXPECT_EQ(Store(*loaded), bytes) << c.key;
    EXPECT_EQ(Text(*loaded), text) << c.key;
    std::unique_ptr<NetSymbol> read = SymbolRegistry::Global().Create(c.key);
    read->version = 9;
    EXPECT_TRUE(ReadBack(*read, text)) << c.key;
    EXPECT_EQ(Text(*read), text) << c.key;

    for (size_t n = 0; n < bytes.size(); ++n) {
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
      EXPECT_THROW(Load(*s, bytes.substr(0, n)), pf::ArchiveError) << c.key << n;
      std::string bad = bytes;
      bad[n] = static_cast<char>(bad[n] ^ 0x80);
      try {
        Load(*SymbolRegistry::Global().Create(c.key), bad);
      } catch (const pf::ArchiveError&) {
      }
    }
    for (size_t n = 0; n + 1 < text.size(); ++n) {
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
      const std::string before = Text(*s);
      EXPECT_FALSE(ReadBack(*s, text.substr(0, n))) << c.key << n;
      EXPECT_EQ(Text(*s), before);
    }
    std::string huge = text;
    huge.insert(huge.find("\n(") + 1, "(9999999,");
    std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
    EXPECT_FALSE(ReadBack(*s, huge)) << c.key;
  }
}

TEST(LumpedPersistenceTest, ResistorKeepsTheSecondCopyOfItsLength) {
  ResSymbol original;
  original.smdLength = "7mm";
  std::string bytes = Store(original);
  const size_t first = bytes.find("7mm");
  ASSERT_NE(bytes.find("7mm", first + 1), std::string::npos);
  bytes[first] = '3';
  ResSymbol loaded;
  Load(loaded, bytes);
  EXPECT_EQ(loaded.smdLength, "7mm");
  bytes[bytes.rfind("7mm")] = '4';
  Load(loaded, bytes);
  EXPECT_EQ(loaded.smdLength, "4mm");
}

}  // namespace
