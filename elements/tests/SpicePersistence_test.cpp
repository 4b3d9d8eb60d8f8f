// The records of the SPICE-model symbols, the diode and the model library: byte-exact round
// trips, cut records, a diode value that is no number, and a circuit that keeps its library.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/document/CVostraneDoc.h"
#include "editor/document/NetlistBuilder.h"
#include "editor/document/SpiceWriter.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/StoredValues.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "elements/lumped/ResSymbol.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "elements/spice/SpiceLibSymbol.h"
#include "elements/spice/SpiceModelSymbols.h"
#include "pf/archive.h"

namespace {

struct Case {
  const char* key;
  std::function<void(NetSymbol&)> change;  // away from the defaults
  std::vector<const char*> stored;         // texts the record must hold
};

const Case kCases[] = {
    {"BipSpiceSymbol", [](NetSymbol& s) { s.modelName = "BC547"; }, {"BipSpiceSymbol", "BC547"}},
    {"FetSpiceSymbol", [](NetSymbol& s) { s.modelName = "J310"; }, {"FetSpiceSymbol", "J310"}},
    {"OpaSpiceSymbol", [](NetSymbol& s) { s.modelName = "OPA27"; }, {"OpaSpiceSymbol", "OPA27"}},
    {"PNDiodeSymbol",
     [](NetSymbol& s) {
       auto& d = static_cast<PNDiodeSymbol&>(s);
       d.tt = "7nSec";
       d.To() = FloatWert("301");
       d.spare[6] = FloatWert("4");
     },
     {"PNDiodeSymbol", "7nSec", "301", "1nA"}},
    {"SpiceLibSymbol",
     [](NetSymbol& s) {
       auto& l = static_cast<SpiceLibSymbol&>(s);
       l.libraryName = "mine.lib";
       l.library.AddLine(".MODEL Q9 NPN(BF=9)");
       l.library.AddLine("+ IS=1E-15)");
     },
     {"SpiceLibSymbol", "mine.lib", ".MODEL Q9 NPN(BF=9)", "+ IS=1E-15)"}},
};

TEST(SpicePersistenceTest, RecordsRoundTripAndCutRecordsFail) {
  for (const Case& c : kCases) {
    std::unique_ptr<NetSymbol> original = SymbolRegistry::Global().Create(c.key);
    ASSERT_NE(original, nullptr) << c.key;
    original->UpdateGeometry();
    original->elementName = "X7";
    c.change(*original);
    const std::string bytes = Store(*original);
    for (const char* text : c.stored) {
      EXPECT_NE(bytes.find(text), std::string::npos) << c.key << " " << text;
    }
    std::unique_ptr<NetSymbol> loaded = SymbolRegistry::Global().Create(c.key);
    Load(*loaded, bytes);
    EXPECT_EQ(Store(*loaded), bytes) << c.key;
    EXPECT_EQ(loaded->modelName, original->modelName) << c.key;
    for (size_t n = 0; n < bytes.size(); ++n) {
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(c.key);
      EXPECT_THROW(Load(*s, bytes.substr(0, n)), pf::ArchiveError) << c.key << " " << n;
    }
  }
}

// Each text keeps its length, so only the value is wrong, not the record's framing.
TEST(SpicePersistenceTest, DiodeValueThatIsNoNumberFailsTheLoad) {
  PNDiodeSymbol diode;
  diode.tt = "7nSec";
  const std::string bytes = Store(diode);
  const size_t at = bytes.find("7nSec");
  ASSERT_NE(at, std::string::npos);
  for (const char* bad : {"1e999", "7nSek", "nan  "}) {
    std::string damaged = bytes;
    damaged.replace(at, 5, bad);
    PNDiodeSymbol loaded;
    EXPECT_THROW(Load(loaded, damaged), StoredValueError) << bad;
  }
  PNDiodeSymbol loaded;
  EXPECT_NO_THROW(Load(loaded, bytes));
  EXPECT_EQ(loaded.tt, "7nSec");
}

std::vector<std::string> SpiceLines(CVostraneDoc& doc) {
  std::vector<std::string> out;
  EXPECT_TRUE(SpiceWriter(doc).Compose());
  doc.GetNetlistLines().ForEach([&out](const MyStrng& l) { out.push_back(l.ToCString()); });
  return out;
}

// Saved and loaded again, the circuit's transistor still finds its card in the library.
TEST(SpicePersistenceTest, LoadedCircuitKeepsItsLibrary) {
  CVostraneDoc doc;
  doc.SetTitle("lib.vqe");
  auto* library = new SpiceLibSymbol(Point(500, 500), Point(600, 500));
  library->library.AddLine(".model bc547 npn(is=1e-14");
  library->library.AddLine("+ bf=300)");
  doc.AddSymbol(library);
  auto* q = new BipSpiceSymbol(Point(100, 100), Point(100, 200));
  q->modelName = "BC547";
  q->UpdateGeometry();
  doc.AddSymbol(q);
  std::ostringstream saved;
  {
    pf::Archive out(static_cast<std::ostream&>(saved));
    doc.Serialize(out);
  }
  CVostraneDoc again;
  again.SetTitle("lib.vqe");
  std::istringstream file(saved.str());
  pf::Archive in(static_cast<std::istream&>(file));
  again.Serialize(in);
  ASSERT_EQ(again.Symbols().GetCount(), 2);
  const std::vector<std::string> lines = SpiceLines(again);
  const auto card = std::find(lines.begin(), lines.end(), ".MODEL BC547 NPN(IS=1E-14");
  ASSERT_NE(card, lines.end());
  EXPECT_EQ(*(card + 1), "+ BF=300)");
}

// The library's one pin joins nothing: a sub-circuit with a library can be exported.
TEST(SpicePersistenceTest, LibraryPinIsNoOpenConnection) {
  CVostraneDoc doc;
  auto* first = new ExKnotenSymbol(Point(100, 100), Point(50, 100));
  auto* second = new ExKnotenSymbol(Point(200, 100), Point(250, 100));
  second->portNumber = 2;
  for (NetSymbol* s : std::initializer_list<NetSymbol*>{
           first, second, new ResSymbol(Point(100, 100), Point(200, 100)),
           new SpiceLibSymbol(Point(100, 400), Point(150, 400))}) {
    s->UpdateGeometry();
    doc.AddSymbol(s);
  }
  EXPECT_EQ(ExportRefusal(doc).ToCString(), std::string());
}

}  // namespace
