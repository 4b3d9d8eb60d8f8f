// The circuit document: names, queries, pin marks, profile values, the circuit file as the
// layouts describe it byte by byte, and damaged files.

#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SubSymbol.h"

#include <gtest/gtest.h>

#include <cstring>

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/DocumentDrawing.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/SymbolRoles.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/archive.h"
#include "pf/profile.h"
#include "pf/recording_dc.h"
#include "pf/ui_services.h"
#include "platform/core/tests/temp_dir.h"

namespace {

template <class Base>
class Keyed : public Base {
 public:
  explicit Keyed(const char* key = "WIDERSTAND") { this->classKey = key; }
};
using Resistor = Keyed<ZweiPolSymbol>;

class Generator : public Keyed<ZweiPolSymbol>, public DcGeneratorRole, public InstrumentRole {
 public:
  explicit Generator(char mode) : Keyed("DcGeneratorSymbol"), mode(mode) {}
  char GetSourceMode() const override { return mode; }
  char GetOutputMode() const override { return 'V'; }
  bool IsInstrument() const override { return true; }
  int GetActiveFlag() const override { return 1; }
  void SetActiveFlag(int) override {}
  MyStrng GetNextInstrumentName() const override { return "NoSlave"; }

 private:
  char mode;
};

// An instrument of the given key whose active flag is what it is set to.
class Instrument : public Keyed<ZweiPolSymbol>, public InstrumentRole {
 public:
  Instrument(const char* key, int active) : Keyed(key), active(active) {}
  bool IsInstrument() const override { return true; }
  int GetActiveFlag() const override { return active; }
  void SetActiveFlag(int flag) override { active = flag; }
  MyStrng GetNextInstrumentName() const override { return "NoSlave"; }

 private:
  int active;
};

std::vector<int32_t> Rgb(const RgbColor& c) { return {c.r, c.g, c.b}; }

class DocTest : public testing::Test {
 protected:
  // The test's own classes stand under their keys for this test only.
  void SetUp() override {
    SymbolRegistry::Global().Register<Resistor>("WIDERSTAND");
    SymbolRegistry::Global().Register(
        "GROUND", []() -> NetSymbol* { return new Keyed<EinPolSymbol>("GROUND"); });
  }
  void TearDown() override { SymbolRegistry::Global() = registered; }

  static NetSymbol* Add(CVostraneDoc& doc, NetSymbol* s, Point p1 = {}, Point p2 = {}) {
    s->pins[0] = p1;
    s->pins[1] = p2;
    doc.AddSymbol(s);
    return s;
  }

  static std::string Save(CVostraneDoc& doc) {
    std::ostringstream out;
    pf::Archive ar(out);
    doc.Serialize(ar);
    return out.str();
  }

  std::string Write(const std::string& bytes, const char* name = "c.vqe") {
    const std::string path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::vector<std::string> Names(const CVostraneDoc& doc) {
    std::vector<std::string> names;
    doc.Symbols().ForEach([&](NetSymbol* s) { names.push_back(s->elementName.ToCString()); });
    return names;
  }

  pf::test::TempDir dir;
  const SymbolRegistry registered = SymbolRegistry::Global();
};

TEST_F(DocTest, NamesTakeTheSmallestFreeNumberAndQueriesWalkTheList) {
  CVostraneDoc doc;
  NetSymbol* r1 = Add(doc, new Resistor);
  Add(doc, new Resistor, {100, 100}, {200, 100});
  doc.RemoveSymbol(r1);
  delete r1;
  Add(doc, new Resistor, {400, 100}, {500, 100});
  Add(doc, new Keyed<EinPolSymbol>("GROUND"));
  Add(doc, new Generator('I'), {200, 100}, {300, 100});
  Add(doc, new Generator('U'));
  EXPECT_EQ(Names(doc), (std::vector<std::string>{"R2", "R1", "Cmp1", "IDc1", "VDc1"}));
  doc.MoveSymbolToEnd("R2");
  EXPECT_EQ(Names(doc), (std::vector<std::string>{"R1", "Cmp1", "IDc1", "VDc1", "R2"}));
  EXPECT_EQ(doc.FindActiveInstrument(), doc.FindSymbolByName("IDc1"));
  EXPECT_TRUE(doc.HasSweptDcGenerator());

  // R2 and the current source share (200, 100); R1 touches nothing.
  doc.RefreshPinMarks();
  const NetSymbol* r2 = doc.FindSymbolByName("R2");
  EXPECT_NE(Rgb(r2->pinColours[1]), Rgb(r2->pinColours[0]));
  EXPECT_EQ(Rgb(doc.FindSymbolByName("IDc1")->pinColours[0]), Rgb(r2->pinColours[1]));
  EXPECT_EQ(Rgb(doc.FindSymbolByName("R1")->pinColours[1]), Rgb(r2->pinColours[0]));
}

// Placing names from what it remembers of the circuit; every other change to the names must be
// seen: freed names, a rename taking a default name or freeing one, a loaded or emptied list.
TEST_F(DocTest, DefaultNamesFollowEveryChangeOfTheCircuit) {
  CVostraneDoc doc;
  std::vector<NetSymbol*> r;
  for (int i = 0; i < 4; ++i) r.push_back(Add(doc, new Resistor));
  const auto remove = [&doc](NetSymbol* s) {
    doc.RemoveSymbol(s);
    delete s;
  };
  const auto next = [&doc] { return Add(doc, new Resistor)->elementName; };
  remove(r[1]);
  remove(r[2]);
  EXPECT_EQ(next(), "R2");
  EXPECT_EQ(next(), "R3");
  EXPECT_EQ(next(), "R5");

  // A dialog's rename marks the document modified; a cancelled one may rename all the same.
  r[0]->elementName = "R6";
  doc.SetModifiedFlag();
  EXPECT_EQ(next(), "R1");
  EXPECT_EQ(next(), "R7");
  r[3]->elementName = "R8";
  doc.ForgetNames();
  EXPECT_EQ(next(), "R4");
  EXPECT_EQ(next(), "R9");

  // Loaded names are taken; the gaps between them are free.
  NetSymbol* r5 = doc.FindSymbolByName("R5");
  remove(doc.FindSymbolByName("R2"));
  r5->elementName = "Cmp1";
  CVostraneDoc loaded;
  ASSERT_TRUE(loaded.OnOpenDocument(Write(Save(doc))));
  EXPECT_EQ(Add(loaded, new Resistor)->elementName, "R2");
  EXPECT_EQ(Add(loaded, new Resistor)->elementName, "R5");
  EXPECT_EQ(Add(loaded, new Keyed<EinPolSymbol>("GROUND"))->elementName, "Cmp2");
  EXPECT_EQ(Add(loaded, new Resistor)->elementName, "R10");

  std::vector<NetSymbol*> released;
  loaded.Symbols().ForEach([&released](NetSymbol* s) { released.push_back(s); });
  loaded.ReleaseSymbols();
  EXPECT_EQ(Add(loaded, new Resistor)->elementName, "R1");
  for (NetSymbol* s : released) delete s;
}

// The transient's source writes the ".TRAN" card: a data or pulse generator, the active one
// first, whatever other master is active before it.
TEST_F(DocTest, TransientSourceIsTheActiveDataOrPulseGeneratorElseTheFirst) {
  const struct {
    std::vector<std::pair<const char*, int>> instruments;
    int source;  // index into instruments, -1 for none
  } rows[] = {
      {{{"SignalGenSymbol", 1}}, -1},
      {{{"SignalGenSymbol", 1}, {"ImpulsGeneratorSymbol", 0}}, 1},
      {{{"ImpulsGeneratorSymbol", 0}, {"DataGeneratorSymbol", 0}}, 0},
      {{{"ImpulsGeneratorSymbol", 0}, {"DataGeneratorSymbol", 1}}, 1},
  };
  for (const auto& row : rows) {
    CVostraneDoc doc;
    std::vector<NetSymbol*> added;
    for (const auto& [key, active] : row.instruments) {
      added.push_back(Add(doc, new Instrument(key, active)));
    }
    EXPECT_EQ(doc.FindTransientSource(), row.source < 0 ? nullptr : added[row.source])
        << row.instruments.size() << " " << row.source;
  }
}

TEST_F(DocTest, SimulatorAndFrequencyGoThroughTheProfile) {
  pf::MemoryProfile profile;
  {
    CVostraneDoc doc(&profile);
    EXPECT_EQ(doc.GetSimulatorName(), "Ravilone");
    EXPECT_EQ(doc.GetDefaultFrequency(), 4e9);
    doc.SetSimulatorName("Spice");
    doc.SetDefaultFrequency(2.5e9);
    const std::string path = Write(Save(doc));
    doc.SetSimulatorName("Ravilone");
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetSimulatorName(), "Spice");
  }
  {
    CVostraneDoc sub(&profile);
    sub.SetSubCircuit("Filter");
    sub.SetSimulatorName("Ravilone");
  }
  CVostraneDoc next(&profile);
  EXPECT_EQ(next.GetSimulatorName(), "Spice");
  EXPECT_EQ(next.GetDefaultFrequency(), 2.5e9);
  EXPECT_FALSE(next.IsSpiceChosen());
  SpiceSettings spice{1, "/opt/spice"};
  EXPECT_TRUE(CVostraneDoc(&profile, &spice).IsSpiceChosen());
}

// The circuit file as the layouts describe it, written without the archive code.
class FileBytes {
 public:
  FileBytes& I32(int32_t v) {
    for (int i = 0; i < 4; ++i)
      bytes += static_cast<char>((static_cast<uint32_t>(v) >> 8 * i) & 0xFF);
    return *this;
  }
  FileBytes& Byte(char c) {
    bytes += c;
    return *this;
  }
  FileBytes& F32(float v) {
    char raw[4];
    std::memcpy(raw, &v, 4);
    bytes.append(raw, 4);
    return *this;
  }
  // Capacity 16 * ((len + 1) / 16 + 1), then the text padded with zeros.
  FileBytes& Str(const std::string& text) {
    const int32_t capacity = 16 * ((static_cast<int32_t>(text.size()) + 1) / 16 + 1);
    I32(capacity);
    bytes += text;
    bytes.append(capacity - text.size(), '\0');
    return *this;
  }
  // The symbol base: key, 11 ints, orientation, 12 ints, layer, pins, names, four values.
  FileBytes& Symbol(const std::string& key, int32_t pinCount, char orientation, int32_t spacing,
                    int32_t version = 1) {
    Str(key).I32(version).I32(pinCount);
    for (int32_t v : {0, 0, 7, 8, 1, 1, 1, 9, 1}) I32(v);
    Byte(orientation);
    for (int32_t v : {40, 50, 125, 129, 44, 162, 100, spacing, 0, 1, 1, 6}) I32(v);
    Byte('T');
    for (int32_t i = 0; i < std::clamp(pinCount, 0, 5); ++i) {
      I32(100 + 125 * i).I32(100).I32(255).I32(0).I32(i).I32(3 + i);
    }
    return Str(key + "_name").Str("BC107").Str("270.0").Str("1.5E+03").Str("0.0").Str("0.0");
  }
  std::string bytes;
};

std::string CompatibleFile() {
  FileBytes f;
  f.Str("1").Str("Spice").I32(2);
  f.Str("WIDERSTAND").Symbol("WIDERSTAND", 2, 'R', 25).Str("2mm").I32(1);
  f.Str("GROUND").Symbol("GROUND", 1, 'U', 25);
  return f.bytes;
}

// The framework's own symbols in their documented layouts: a substrate of version 2 with its
// names, four floats and extents, and an external node with its port number.
TEST_F(DocTest, FrameworkSymbolsOfTheDocumentedLayoutLoadAndSaveIdentically) {
  FileBytes f;
  f.Str("1").Str("Ravilone").I32(2);
  f.Str("SUBSTRAT").Symbol("SUBSTRAT", 1, 'R', 25, 2).Str("Alu").Str("Kupfer");
  f.F32(9.8f).F32(2e-4f).F32(6.35e-4f).F32(5e-6f).Str("30mm").Str("40mm");
  f.Str("ExKnotenSymbol").Symbol("ExKnotenSymbol", 1, 'L', 25).I32(3);
  CVostraneDoc doc;
  ASSERT_TRUE(doc.OnOpenDocument(Write(f.bytes)));
  const auto* sub = dynamic_cast<const SubSymbol*>(doc.FindSubstrate());
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->substrateName, "Alu");
  EXPECT_EQ(sub->metalName, "Kupfer");
  EXPECT_EQ((std::vector<float>{sub->permittivity, sub->lossTangent, sub->height,
                                sub->metalThickness}),
            (std::vector<float>{9.8f, 2e-4f, 6.35e-4f, 5e-6f}));
  EXPECT_EQ(sub->extentY, "40mm");
  EXPECT_EQ(doc.PortNumbersInUse(), std::vector<int32_t>{3});
  EXPECT_EQ(Save(doc), f.bytes);
}

// A stored number that is no finite number fails the whole load, named with its symbol as a
// damaged value text is: the substrate's floats and the input port's source resistance.
TEST_F(DocTest, StoredNumbersThatAreNotFiniteFailTheLoadNamingTheirSymbol) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const auto substrate = [](float permittivity, float thickness) {
    FileBytes f;
    f.Str("1").Str("Ravilone").I32(1);
    f.Str("SUBSTRAT").Symbol("SUBSTRAT", 1, 'R', 25, 2).Str("Alu").Str("Gold");
    f.F32(permittivity).F32(2e-4f).F32(6.35e-4f).F32(thickness).Str("30mm").Str("40mm");
    return f.bytes;
  };
  const auto input = [](float rGen1) {
    FileBytes f;
    f.Str("1").Str("Ravilone").I32(1);
    f.Str("INPUT").Symbol("INPUT", 1, 'R', 25, 3).Str("P1");
    f.I32(1).I32(0).I32(0).I32(0).Byte('S').Byte('L');
    f.F32(rGen1).F32(50.0f).F32(1e9f).F32(2e10f).I32(51).Str("LogMag");
    return f.bytes;
  };
  const struct {
    std::string bytes;
    const char* message;  // empty: the file loads
  } cases[] = {
      {substrate(9.8f, 5e-6f), ""},
      {substrate(nan, 5e-6f), "Alu: Wert ungültig: nan"},
      {substrate(9.8f, inf), "Alu: Wert ungültig: inf"},
      {substrate(-inf, 5e-6f), "Alu: Wert ungültig: -inf"},
      {input(75.0f), ""},
      {input(nan), "INPUT_name: Wert ungültig: nan"},
      {input(inf), "INPUT_name: Wert ungültig: inf"},
      {input(-inf), "INPUT_name: Wert ungültig: -inf"},
  };
  for (const auto& c : cases) {
    VS_Error::ResetQueue();
    CVostraneDoc doc;
    const bool loads = c.message[0] == '\0';
    EXPECT_EQ(doc.OnOpenDocument(Write(c.bytes)), loads) << c.message;
    EXPECT_EQ(doc.Symbols().GetCount(), loads ? 1 : 0) << c.message;
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::GetFirstMessage().ToCString() : "",
              std::string(c.message));
  }
}

TEST_F(DocTest, FileOfTheDocumentedLayoutLoadsEveryFieldAndSavesIdentically) {
  const std::string bytes = CompatibleFile();
  CVostraneDoc doc;
  ASSERT_TRUE(doc.OnOpenDocument(Write(bytes)));
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(doc.GetSimulatorName(), "Spice");
  EXPECT_EQ(Names(doc), (std::vector<std::string>{"WIDERSTAND_name", "GROUND_name"}));
  auto* r = dynamic_cast<Resistor*>(doc.FindSymbolByName("WIDERSTAND_name"));
  ASSERT_NE(r, nullptr);
  // clang-format off
  const std::vector<int32_t> ints{
      r->version, r->pinCount, r->selected, r->transparent, r->settingA, r->settingB,
      r->drawLeads, r->drawPinMarks, r->drawCornerLine, r->settingC, r->horizontal, r->breadth,
      r->length, r->span, r->width, r->height, r->centre.x, r->centre.y, r->pinSpacing,
      r->fixedOrientation, r->groundFree, r->allowsNetworkAnalyser, r->settingD, r->smdFlag};
  EXPECT_EQ(ints, (std::vector<int32_t>{1, 2, 0, 0, 7, 8, 1, 1, 1, 9, 1, 40,
                                        50, 125, 129, 44, 162, 100, 25, 0, 1, 1, 6, 1}));
  // clang-format on
  EXPECT_EQ(r->orientation, 'R');
  EXPECT_EQ(r->layer, 'T');
  EXPECT_EQ(r->pins[1], Point(225, 100));
  EXPECT_EQ(Rgb(r->pinColours[1]), (std::vector<int32_t>{255, 0, 1}));
  EXPECT_EQ(r->nodes[1], 4);
  EXPECT_EQ(r->modelName, "BC107");
  EXPECT_EQ(r->values[1], "1.5E+03");
  EXPECT_EQ(r->smdLength, "2mm");
  EXPECT_EQ(doc.FindSymbolByName("GROUND_name")->orientation, 'U');
  EXPECT_EQ(Save(doc), bytes);

  CVostraneDoc empty;
  const std::string none = Save(empty);
  EXPECT_EQ(none, FileBytes().Str("1").Str("Ravilone").I32(0).bytes);
  ASSERT_TRUE(doc.OnOpenDocument(Write(none)));
  EXPECT_EQ(doc.Symbols().GetCount(), 0);
}

TEST_F(DocTest, DamagedFileFailsWholeWithOneMessageAndLeavesTheDocumentEmpty) {
  const std::string good = CompatibleFile();
  FileBytes unknown;
  unknown.Str("1").Str("Ravilone").I32(1).Str("NOSUCHKEY");
  auto withSymbol = [](int32_t pins, char orientation, int32_t spacing) {
    FileBytes f;
    f.Str("1").Str("Ravilone").I32(1).Str("GROUND").Symbol("GROUND", pins, orientation, spacing);
    return f.bytes;
  };
  const struct {
    const char* what;
    std::string bytes;
    std::string message;  // empty: the file is damaged
  } cases[] = {
      {"unknown key", unknown.bytes, "Unbekannter Elementtyp in der Datei: NOSUCHKEY"},
      {"cut in the header", good.substr(0, 30), ""},
      {"cut in a record", good.substr(0, good.size() / 2), ""},
      {"too many symbols", FileBytes().Str("1").Str("R").I32(10001).bytes, ""},
      {"no pin", withSymbol(0, 'R', 25), ""},
      {"six pins", withSymbol(6, 'R', 25), ""},
      {"spacing", withSymbol(1, 'R', 20), ""},
      {"orientation", withSymbol(1, 'X', 25), ""},
      {"two class keys",
       FileBytes().Str("1").Str("R").I32(1).Str("GROUND").Symbol("WIDERSTAND", 2, 'R', 25).bytes,
       ""},
  };
  for (const auto& c : cases) {
    VS_Error::ResetQueue();
    CVostraneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Write(good)));
    const std::string path = Write(c.bytes, "bad.vqe");
    EXPECT_FALSE(doc.OnOpenDocument(path)) << c.what;
    EXPECT_EQ(doc.Symbols().GetCount(), 0) << c.what;
    EXPECT_EQ(VS_Error::MessageCount(), 1) << c.what;
    const std::string expected = c.message.empty() ? "Datei ist beschädigt: " + path : c.message;
    EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), expected) << c.what;
  }
}

// A circuit as full as a file may hold takes no further symbol (the user is told, the symbol
// deleted), so that what is saved opens again; one taken out makes room for one.
TEST_F(DocTest, AFullCircuitRefusesTheNextSymbolSoThatItsFileOpensAgain) {
  FileBytes full;
  full.Str("1").Str("Ravilone").I32(static_cast<int32_t>(CVostraneDoc::kMaxSymbols));
  for (uint32_t i = 0; i < CVostraneDoc::kMaxSymbols; ++i) {
    full.Str("GROUND").Symbol("GROUND", 1, 'U', 25);
  }
  CVostraneDoc doc;
  ASSERT_TRUE(doc.OnOpenDocument(Write(full.bytes)));
  const auto& shown = pf::TheScriptedUiServices().Messages();
  const size_t before = shown.size();
  EXPECT_FALSE(doc.AddSymbol(new Keyed<EinPolSymbol>("GROUND")));
  ASSERT_EQ(shown.size(), before + 1);
  EXPECT_EQ(shown.back().text, "Zu viele Elemente");
  EXPECT_EQ(shown.back().caption, "Fehler");
  EXPECT_EQ(doc.Symbols().GetCount(), static_cast<int32_t>(CVostraneDoc::kMaxSymbols));
  CVostraneDoc reopened;
  EXPECT_TRUE(reopened.OnOpenDocument(Write(Save(doc), "saved.vqe")));
  EXPECT_EQ(reopened.Symbols().GetCount(), static_cast<int32_t>(CVostraneDoc::kMaxSymbols));

  NetSymbol* last = doc.FindSymbolByName("GROUND_name");
  doc.RemoveSymbol(last);
  delete last;
  auto* added = new Keyed<EinPolSymbol>("GROUND");
  EXPECT_TRUE(doc.AddSymbol(added));
  EXPECT_EQ(added->GetElementName(), "Cmp1");
  EXPECT_EQ(shown.size(), before + 1);
}

TEST_F(DocTest, ScreenDrawingShowsTheFreeGridPointsPrintOnlyTheSymbols) {
  CVostraneDoc doc;
  NetSymbol* r = Add(doc, new Resistor, {100, 100}, {200, 100});
  r->UpdateGeometry();
  auto dots = [&](char mode) {
    pf::RecordingDc dc;
    DrawDocument(doc, dc, mode);
    std::vector<pf::Point> points;
    for (const pf::DcCall& call : dc.Calls()) {
      if (call.op == "SetPixel") points.push_back(call.points[0]);
    }
    return points;
  };
  const std::vector<pf::Point> screen = dots('S');
  auto has = [&](pf::Point p) {
    return std::find(screen.begin(), screen.end(), p) != screen.end();
  };
  EXPECT_TRUE(has({300, 300}));
  EXPECT_TRUE(has({100, 100}));   // a pin stays free
  EXPECT_FALSE(has({150, 100}));  // inside the body
  EXPECT_FALSE(has({0, 100}));    // the left column is never free
  EXPECT_TRUE(dots('P').empty());
}

}  // namespace
