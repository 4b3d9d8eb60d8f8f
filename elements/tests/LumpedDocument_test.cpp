// Circuits of lumped symbols in the document: damaged value texts in a file, the ground's LaTeX
// lead after loading and moving, joined external nodes through the simulator's reader, and the
// committed drawn circuits.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/geometry.h"
#include "simulator/ScomFile.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

namespace fs = std::filesystem;

fs::path Scratch() {
  const fs::path dir = fs::temp_directory_path() / ("lumped_doc_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

std::vector<std::string> LatexOf(NetSymbol& s) {
  LineFile lines;
  s.WriteLatex(lines);
  std::vector<std::string> out;
  lines.ForEach([&out](const MyStrng& l) { out.push_back(l.ToCString()); });
  return out;
}

// One value text of a symbol kind, reached through the symbol.
struct ValueField {
  const char* key;
  std::function<MyStrng&(NetSymbol&)> text;
  const char* unit;  // what a number of the field carries
};

template <class S>
S& As(NetSymbol& s) {
  return static_cast<S&>(s);
}

const ValueField kFields[] = {
    {"WIDERSTAND", [](NetSymbol& s) -> MyStrng& { return As<ResSymbol>(s).r; }, "ohm"},
    {"WIDERSTAND", [](NetSymbol& s) -> MyStrng& { return As<ResSymbol>(s).smdLength; }, "m"},
    {"KAPAZITAET", [](NetSymbol& s) -> MyStrng& { return As<CapSymbol>(s).c; }, "pF"},
    {"INDUKTIVITAET", [](NetSymbol& s) -> MyStrng& { return As<IndSymbol>(s).fp; }, "Hz"},
    {"SCHWINGQUARZ", [](NetSymbol& s) -> MyStrng& { return As<QuarzSymbol>(s).zk; }, "ohm"},
    {"SERRESCIRCUIT", [](NetSymbol& s) -> MyStrng& { return As<SrlcSymbol>(s).f0; }, "Hz"},
    {"PARRESCIRCUIT", [](NetSymbol& s) -> MyStrng& { return As<PrlcSymbol>(s).q; }, ""},
    {"UEBERTRAGER", [](NetSymbol& s) -> MyStrng& { return As<CplIndSymbol>(s).k; }, ""},
    {"UEBERTRAGER", [](NetSymbol& s) -> MyStrng& { return As<CplIndSymbol>(s).n2; }, ""},
    {"VOLCONVOL", [](NetSymbol& s) -> MyStrng& { return As<VvgSymbol>(s).m; }, ""},
    {"VOLCONCUR", [](NetSymbol& s) -> MyStrng& { return As<VcgSymbol>(s).g; }, "Mho"},
    {"CURCONCUR", [](NetSymbol& s) -> MyStrng& { return As<CcgSymbol>(s).td; }, "Sec"},
    {"VERBINDUNG", [](NetSymbol& s) -> MyStrng& { return As<Verbindung>(s).smdLength; }, "m"},
};

// A file of a good resistor and the symbol with one damaged value fails to load as a whole,
// naming the symbol and the text; the symbol's good values load.
TEST(LumpedDocumentTest, ValueTextsThatGiveNoFiniteNumberFailTheLoad) {
  const fs::path file = Scratch() / "damaged.vqe";
  for (const ValueField& f : kFields) {
    for (const std::string& bad : {std::string("nan"), std::string("abc"), std::string(),
                                   std::string("inf") + f.unit, std::string("1e999") + f.unit}) {
      VS_Error::ResetQueue();
      CVostraneDoc saved;
      saved.AddSymbol(new ResSymbol(Point(100, 100), Point(200, 100)));
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(f.key);
      s->UpdateGeometry();
      NetSymbol* damaged = s.release();
      saved.AddSymbol(damaged);
      damaged->elementName = "X7";
      const MyStrng good = f.text(*damaged);
      f.text(*damaged) = MyStrng(bad.c_str());
      ASSERT_TRUE(saved.OnSaveDocument(file.string()));

      CVostraneDoc loaded;
      EXPECT_FALSE(loaded.OnOpenDocument(file.string())) << f.key << " " << bad;
      EXPECT_EQ(loaded.Symbols().GetCount(), 0) << f.key << " " << bad;
      EXPECT_EQ(QueuedMessages(), Lines{"X7: Wert ungültig: " + bad}) << f.key;

      f.text(*damaged) = good;
      ASSERT_TRUE(saved.OnSaveDocument(file.string()));
      EXPECT_TRUE(loaded.OnOpenDocument(file.string())) << f.key << " " << good.ToCString();
      EXPECT_EQ(loaded.Symbols().GetCount(), 2);
    }
  }
  fs::remove_all(file.parent_path());
}

// The lead runs from the pin to the bar whatever happened to the symbol after placing.
TEST(LumpedDocumentTest, GroundLatexLeadFollowsThePinAfterLoadingAndMoving) {
  struct Case {
    Point end;  // of the placing drag from (200, 200)
    std::vector<std::string> latex;
  };
  const Case cases[] = {
      {{200, 250},
       {"% GROUND", "\\put(40,40){\\line(0,-1){5}}", "\\put(38,35){\\line(1,0){4}}",
        "\\put(40,40){\\circle*{1}}"}},
      {{200, 150},
       {"% GROUND", "\\put(40,40){\\line(0,1){5}}", "\\put(38,45){\\line(1,0){4}}",
        "\\put(40,40){\\circle*{1}}"}},
      {{250, 200},
       {"% GROUND", "\\put(40,40){\\line(1,0){5}}", "\\put(45,38){\\line(0,1){4}}",
        "\\put(40,40){\\circle*{1}}"}},
      {{125, 200},
       {"% GROUND", "\\put(40,40){\\line(-1,0){7}}", "\\put(33,38){\\line(0,1){4}}",
        "\\put(40,40){\\circle*{1}}"}},
  };
  const Point delta(-75, 50);
  for (const Case& c : cases) {
    GndSymbol placed(Point(200, 200), c.end);
    placed.UpdateGeometry();
    placed.latexOrigin = Point(0, 400);
    ASSERT_EQ(LatexOf(placed), c.latex) << c.end.x << "," << c.end.y;

    GndSymbol loaded;
    Load(loaded, Store(placed));
    loaded.latexOrigin = placed.latexOrigin;
    EXPECT_EQ(LatexOf(loaded), c.latex) << "loaded " << c.end.x << "," << c.end.y;

    placed.MoveBy(nullptr, delta);
    placed.latexOrigin += delta;
    EXPECT_EQ(LatexOf(placed), c.latex) << "moved " << c.end.x << "," << c.end.y;
  }
}

// External nodes 1 and 2 joined by a wire, a resistor from there to ground: the reader finds
// every port node in an element.
TEST(LumpedDocumentTest, WiredExternalNodesGiveANetlistTheReaderTakes) {
  CVostraneDoc doc;
  doc.SetTitle("Kurz.vqe");
  for (const auto& [at, number] : {std::pair{Point(100, 100), 1}, {Point(200, 100), 2}}) {
    auto* node = new ExKnotenSymbol(at, at - Point(50, 0));
    node->UpdateGeometry();
    node->portNumber = number;
    doc.AddSymbol(node);
  }
  doc.AddSymbol(new Verbindung(Point(100, 100), Point(200, 100)));
  doc.AddSymbol(new ResSymbol(Point(200, 100), Point(200, 200)));
  doc.AddSymbol(new GndSymbol(Point(200, 200), Point(200, 250)));
  ASSERT_TRUE(doc.BuildNetlist(nullptr));
  Lines text;
  doc.GetNetlistLines().ForEach([&text](const MyStrng& l) { text.push_back(l.ToCString()); });
  EXPECT_EQ(text, (Lines{"*", "BLK", "RES 2 R = 50ohm", "RES 1 2 R = 0ohm", "Kurz: 2POR 1 2 ",
                         "END"}));
  ScomFile reader;
  EXPECT_TRUE(ReadUpToNets(reader, text) && reader.BuildNets()) << ::testing::PrintToString(
      QueuedMessages());
}

// Every circuit that make-examples draws lies on the window's grid, its bodies inside the
// window.
TEST(LumpedDocumentTest, CommittedDrawnCircuitsLieInsideTheGrid) {
  int circuits = 0;
  for (const char* folder : {"examples", "tools/crosscheck/drawn"}) {
    const fs::path circuitsIn = fs::path(VOSTRANE_REPOSITORY) / folder;
    for (const fs::directory_entry& entry : fs::directory_iterator(circuitsIn)) {
      if (entry.path().extension() != ".vqe") continue;
      // Circuits with instruments are opened by the instruments' tests.
      const std::string stem = entry.path().stem().string();
      if (stem.starts_with("vna_") || stem.ends_with("_rc") || stem == "diode_dc") continue;
      // Drawn with the line symbols, which lines_ui_tests checks.
      if (entry.path().filename().string().starts_with("microstrip")) continue;
      ++circuits;
      CVostraneDoc doc;
      ASSERT_TRUE(doc.OnOpenDocument(entry.path().string())) << entry.path();
      doc.Symbols().ForEach([&entry](NetSymbol* s) {
        const pf::Rect r = s->GetRect();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0) << entry.path() << " " << s->elementName.ToCString();
        for (int i = 0; i < std::min(s->pinCount, NetSymbol::kMaxPins); ++i) {
          const Point p = s->pins[i];
          EXPECT_TRUE(p.x >= 25 && p.y >= 25 && p.x % 25 == 0 && p.y % 25 == 0)
              << entry.path() << " " << s->elementName.ToCString() << " pin " << i;
        }
      });
    }
  }
  EXPECT_GE(circuits, 10);
}

}  // namespace
