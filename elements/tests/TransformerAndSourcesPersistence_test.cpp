// Archive and text records of the transformer, the controlled sources and the amplifier: round
// trips, cut records, and records written here byte by byte from the stored layout.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"

namespace {

// As the document loads: the symbol's own Serialize, then its picture.
void LoadAsDocument(NetSymbol& s, const std::string& bytes) {
  Load(s, bytes);
  s.ReloadBitmap();
}

struct Case {
  const char* key;
  std::function<void(NetSymbol&)> change;  // away from the defaults
  const char* head;                        // the record's own part
};

const Case kCases[] = {
    {"UEBERTRAGER", [](NetSymbol& s) { static_cast<CplIndSymbol&>(s).SetSymmetricKind(); },
     "(11,UEBERTRAGER) 1\n"},
    {"VOLCONVOL", [](NetSymbol& s) { static_cast<VvgSymbol&>(s).m = "-3"; },
     "(9,VOLCONVOL) 1\n(2,-3),(5,50ohm),(5,50ohm),(6,100GHz),(5,1pSec),0,0\n"},
    {"VOLCONCUR", [](NetSymbol& s) { static_cast<VcgSymbol&>(s).cutOffFlag = 1; },
     "(9,VOLCONCUR) 1\n(6,10mMho),(5,50ohm),(5,50ohm),(6,100GHz),(5,1pSec),1,0\n"},
    {"CURCONCUR", [](NetSymbol& s) { static_cast<CcgSymbol&>(s).td = "3nSec"; },
     "(9,CURCONCUR) 1\n(3,100),(5,50ohm),(5,50ohm),(6,100GHz),(5,3nSec),0,0\n"},
    {"OPAMPLIFIER", [](NetSymbol& s) { static_cast<OpAmpSymbol&>(s).delayFlag = 1; },
     "(11,OPAMPLIFIER) 1\n(2,80),(5,1Mohm),(5,50ohm),(6,100GHz),(5,1pSec),0,1\n"},
};

// Null for a key nobody registered.
std::unique_ptr<NetSymbol> Sample(const Case& c) {
  std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
  if (s == nullptr) return s;
  c.change(*s);
  s->UpdateGeometry();
  s->elementName = "X7";
  s->nodes[0] = 3;
  return s;
}

// Round trips, and every cut record fails without changing the symbol it was read into.
TEST(TransformerAndSourcesPersistenceTest, RoundTripsAndCutRecordsOfEveryClass) {
  for (const Case& c : kCases) {
    std::unique_ptr<NetSymbol> original = Sample(c);
    ASSERT_NE(original, nullptr) << c.key
                                 << " is not registered: Register<S>() in elements/Register.cpp";
    const std::string bytes = Store(*original);
    const std::string text = Text(*original);
    EXPECT_EQ(text.substr(0, std::string(c.head).size()), c.head);

    std::unique_ptr<NetSymbol> loaded = SymbolRegistry::Global().Create(c.key);
    LoadAsDocument(*loaded, bytes);
    EXPECT_EQ(Store(*loaded), bytes) << c.key;
    EXPECT_EQ(Text(*loaded), text) << c.key;
    std::unique_ptr<NetSymbol> read = SymbolRegistry::Global().Create(c.key);
    read->version = 9;
    EXPECT_TRUE(ReadBack(*read, text)) << c.key;
    EXPECT_EQ(Text(*read), text) << c.key;

    for (size_t n = 0; n < bytes.size(); ++n) {
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
      EXPECT_THROW(LoadAsDocument(*s, bytes.substr(0, n)), pf::ArchiveError) << c.key << n;
    }
    for (size_t n = 0; n + 1 < text.size(); ++n) {
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
      const std::string before = Text(*s);
      EXPECT_FALSE(ReadBack(*s, text.substr(0, n))) << c.key << n;
      EXPECT_EQ(Text(*s), before);
    }
  }
}

// Little-endian fields as the stored layout has them, built without the
// symbols' writers.
class Record {
 public:
  Record& Int(int32_t v) {
    for (int i = 0; i < 4; ++i)
      bytes += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
    return *this;
  }
  Record& Byte(char c) {
    bytes += c;
    return *this;
  }
  // The text form of a string: its capacity, then the text and a NUL filling
  // it.
  Record& Text(const char* text) {
    Int(static_cast<int32_t>(std::strlen(text)) + 1);
    bytes.append(text, std::strlen(text) + 1);
    return *this;
  }
  // The symbol base for three pins at (100, 100), (200, 100) and (150, 125) on
  // nodes 1, 2, 0.
  Record& Base(const char* key, char orientation) {
    Text(key);
    for (int32_t v : {1, 3, 0, 0, 0, 0, 0, 1, 1, 1, 1}) Int(v);  // version, pins, flags
    Byte(orientation);
    for (int32_t v : {25, 40, 104, 104, 30, 150, 107, 25, 0, 1, 1, 0}) Int(v);
    Byte('T');
    const int32_t pins[3][3] = {{100, 100, 1}, {200, 100, 2}, {150, 125, 0}};
    for (const auto& p : pins) Int(p[0]).Int(p[1]).Int(0).Int(0).Int(0).Int(p[2]);
    return Text("E5").Text("NoModell").Text("270.0").Text("0.0").Text("0.0").Text("0.0");
  }

  std::string bytes;
};

TEST(TransformerAndSourcesPersistenceTest, RecordsBuiltFromTheLayoutLoad) {
  Record source;
  source.Base("VOLCONCUR", 'K').Text("20mMho").Text("1kohm").Text("2kohm").Text("1GHz");
  source.Text("5pSec").Int(1).Int(0);
  VcgSymbol vcg;
  LoadAsDocument(vcg, source.bytes);
  vcg.WriteNetLine();
  EXPECT_EQ(vcg.netLine, "VCG 1 0 2 0 G=20mMho R1=1kohm R2=2kohm F=1GHz");
  EXPECT_EQ(vcg.elementName, "E5");

  // A symmetric transformer shows its own picture after loading.
  Record transformer;
  transformer.Base("UEBERTRAGER", 'R').Byte('B').Text("5nH").Text("0.5").Text("2").Text("3");
  transformer.Int('S');
  CplIndSymbol loaded;
  LoadAsDocument(loaded, transformer.bytes);
  EXPECT_EQ(loaded.kind, 'S');
  ASSERT_NE(loaded.bitmap, nullptr);
  EXPECT_EQ(*loaded.bitmap, LoadBitmapResource(150));
  EXPECT_NE(LoadBitmapResource(150), LoadBitmapResource(151));
  loaded.WriteNetLine();
  EXPECT_EQ(loaded.netLine, "SYUE 1 2 0 AL=5nH N1=2 N2=3 K=0.5");

  // A kind the symbol does not know fails the load.
  transformer.bytes[transformer.bytes.size() - 4] = 'X';
  CplIndSymbol unknown;
  EXPECT_THROW(LoadAsDocument(unknown, transformer.bytes), pf::ArchiveError);
}

}  // namespace
