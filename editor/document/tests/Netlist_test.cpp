// Node numbering, the netlist text with its port line and DATA block, the export, and the
// SPICE netlist of small drawn circuits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/NetlistBuilder.h"
#include "editor/document/SpiceWriter.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/InpSymbol.h"
#include "editor/symbols/OnePortSymbol.h"
#include "editor/symbols/OutSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/ui_services.h"

namespace {

using Lines = std::vector<std::string>;

// A two-pin element "PART"; in SPICE it names the first internal node it may use and numbers
// `internal` of them (or writes nothing when it has no SPICE form).
class Part : public ZweiPolSymbol {
 public:
  Part(const char* key, Point a, Point b, int internal = 0) : internal(internal) {
    classKey = key;
    pins[0] = a, pins[1] = b;
  }
  void WriteNetLine() override {
    netLine = "PART";
    NetSymbol::WriteNetLine();
  }
  int WriteSpiceLines(LineFile& lines, int flag) override {
    ZweiPolSymbol::WriteSpiceLines(lines, flag);
    if (internal >= 0) lines.AddLine(netLine + " " + MyStrng(flag + 1));
    return internal;
  }
  int internal;
};

// A part whose values are refused: it reports and writes no line.
class RefusedPart : public Part {
 public:
  RefusedPart(Point a, Point b) : Part("PART", a, b) {}
  void WriteNetLine() override {
    netLine = "";
    VS_Error().Error("R1: Widerstand muss größer als 0 sein", 4);
  }
};

class Pin : public EinPolSymbol {
 public:
  Pin(const char* key, Point p) {
    classKey = key;
    pins[0] = p;
    groundFree = classKey == "GROUND" ? 0 : 1;
  }
};

class DcGenerator : public Part, public DcGeneratorRole {
 public:
  DcGenerator() : Part("DcGeneratorSymbol", Point(0, 0), Point(0, 25)) {}
  char GetSourceMode() const override { return 'U'; }
  char GetOutputMode() const override { return 'F'; }
};

// One symbol of a test circuit: W wire, G ground, P part, X external node (number n),
// I input port (two-port "TP"), O output marker, N part without SPICE form, R a part that
// refuses its values; n is a part's internal SPICE nodes.
struct Item {
  char kind;
  Point a;
  Point b = Point();
  int n = 0;
};

NetSymbol* Make(const Item& item) {
  switch (item.kind) {
    case 'W': return new Part("VERBINDUNG", item.a, item.b, 0);
    case 'G': return new Pin("GROUND", item.a);
    case 'N': return new Part("PART", item.a, item.b, -1);
    case 'R': return new RefusedPart(item.a, item.b);
    case 'X': {
      auto* node = new ExKnotenSymbol();
      node->pins[0] = item.a;
      node->portNumber = item.n;
      return node;
    }
    case 'I': {
      auto* port = new InpSymbol();
      port->pins[0] = item.a;
      port->settings.portName = "TP";
      port->settings.mode = 2;
      return port;
    }
    case 'O': {
      auto* out = new OutSymbol();
      out->pins[0] = item.a;
      return out;
    }
    case 'S': {
      auto* board = new SubSymbol();
      board->pins[0] = item.a;
      return board;
    }
    default: return new Part("PART", item.a, item.b, item.n);
  }
}

void Fill(CVostraneDoc& doc, const std::vector<Item>& items) {
  doc.SetTitle("Filter.vqe");
  for (const Item& item : items) doc.AddSymbol(Make(item));
}

Lines Text(const LineFile& lines) {
  Lines out;
  lines.ForEach([&out](const MyStrng& l) { out.push_back(l.ToCString()); });
  return out;
}

Lines Netlist(const std::vector<Item>& items) {
  CVostraneDoc doc;
  Fill(doc, items);
  EXPECT_TRUE(doc.BuildNetlist(nullptr));
  return Text(doc.GetNetlistLines());
}

std::filesystem::path Scratch() {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("netlist_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

Lines ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  Lines out;
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

const Point A(0, 0), B(50, 0), C(100, 0), D(150, 0), E(0, 50), F(100, 50);

TEST(Netlist, NumbersNodesFromGroundExternalNodesWireGroupsAndPins) {
  struct Case {
    const char* what;
    std::vector<Item> items;
    Lines expected;
  };
  const Case cases[] = {
      {"wires on ground are 0, every other group one number",
       {{'G', E}, {'W', E, A}, {'P', A, B}, {'W', B, C}, {'P', C, D}},
       {"*", "BLK", "PART 1", "PART 1 2", "END"}},
      {"wires and ground alone", {{'G', E}, {'W', E, A}, {'W', A, B}}, {"*", "BLK", "END"}},
      {"sub-circuit with ground", {{'X', A, {}, 1}, {'X', C, {}, 2}, {'G', F}, {'P', A, C}},
       {"*", "BLK", "PART 1 2", "Filter: 2POR 1 2 ", "END"}},
      {"without ground the highest external node is 0",
       {{'X', A, {}, 1}, {'X', C, {}, 2}, {'P', A, C}},
       {"*", "BLK", "PART 1", "Filter: 1POR 1 ", "END"}},
      {"external numbers are kept, new ones start above them",
       {{'X', A, {}, 3}, {'X', C, {}, 1}, {'G', F}, {'P', A, C}, {'P', C, D}},
       {"*", "BLK", "PART 3 1", "PART 1 4", "Filter: 2POR 3 1 ", "END"}},
      {"the output marker's node goes to the input port",
       {{'I', A}, {'P', A, C}, {'O', C}},
       {"*", "BLK", "PART 1 2", "TP: 2POR 1 2 RG1 = 50ohm RG2 = 50ohm", "END"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Netlist(c.items), c.expected) << c.what;
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

TEST(Netlist, JoinedExternalNodesKeepTheirNumbersLinkedByZeroOhmAlsoWhenExported) {
  struct Case {
    const char* what;
    std::vector<Item> items;
    Lines expected;
    const char* spiceLink;  // the SPICE netlist's short of the same two nodes
  };
  const Case cases[] = {
      {"one wire between the two",
       {{'X', A, {}, 1}, {'X', C, {}, 2}, {'W', A, C}, {'G', F}, {'P', C, F}},
       {"*", "BLK", "PART 2", "RES 1 2 R = 0ohm", "Filter: 2POR 1 2 ", "END"},
       "VJOIN_2_1 2 1 DC 0"},
      {"a chain of wires, the part on its middle: the first wire names the group",
       {{'X', A, {}, 1}, {'X', D, {}, 2}, {'W', C, D}, {'W', A, B}, {'W', B, C}, {'G', F},
        {'P', B, F}},
       {"*", "BLK", "PART 2", "RES 1 2 R = 0ohm", "Filter: 2POR 1 2 ", "END"},
       "VJOIN_2_1 2 1 DC 0"},
      {"numbers given in reverse",
       {{'X', A, {}, 2}, {'X', C, {}, 1}, {'W', A, C}, {'G', F}, {'P', A, F}},
       {"*", "BLK", "PART 2", "RES 1 2 R = 0ohm", "Filter: 2POR 2 1 ", "END"},
       "VJOIN_2_1 2 1 DC 0"},
      {"both on one point", {{'X', A, {}, 1}, {'X', A, {}, 2}, {'G', F}, {'P', A, F}},
       {"*", "BLK", "PART 1", "RES 1 2 R = 0ohm", "Filter: 2POR 1 2 ", "END"},
       "VJOIN_2_1 2 1 DC 0"},
      {"an external node wired to ground",
       {{'X', A, {}, 1}, {'G', E}, {'W', E, A}, {'P', A, B}, {'P', B, E}},
       {"*", "BLK", "PART 1 2", "PART 2", "RES 1 R = 0ohm", "Filter: 1POR 1 ", "END"},
       "VJOIN_1_0 1 0 DC 0"},
      {"without ground, wired to the reference node",
       {{'X', A, {}, 1}, {'X', C, {}, 2}, {'W', A, C}, {'P', A, B}, {'P', B, C}},
       {"*", "BLK", "PART 1 3", "PART 3", "RES 1 R = 0ohm", "Filter: 1POR 1 ", "END"},
       "VJOIN_1_0 1 0 DC 0"},
  };
  const auto dir = Scratch();
  for (const Case& c : cases) {
    EXPECT_EQ(Netlist(c.items), c.expected) << c.what;
    CVostraneDoc doc;
    Fill(doc, c.items);
    doc.SetPathName((dir / "Filter.vqe").string());
    ASSERT_TRUE(doc.ExportNetlist(nullptr)) << c.what;
    EXPECT_EQ(ReadFile(dir / "Filter.net"), c.expected) << c.what;
    ASSERT_TRUE(SpiceWriter(doc).Compose()) << c.what;
    const Lines spice = Text(doc.GetNetlistLines());
    EXPECT_EQ(std::count(spice.begin(), spice.end(), c.spiceLink), 1) << c.what;
  }
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  std::filesystem::remove_all(dir);
}

TEST(Netlist, ThreeWiresInAnyOrderAreOneNodeAlsoWhenExported) {
  const Item wires[] = {{'W', A, B}, {'W', B, C}, {'W', C, D}};
  std::vector<int> order = {0, 1, 2};
  const auto dir = Scratch();
  do {
    std::vector<Item> items = {{'X', E, {}, 1}, {'G', F}, {'P', A, E}, {'P', D, F}};
    for (int i : order) items.push_back(wires[i]);
    const Lines expected = {"*", "BLK", "PART 2 1", "PART 2", "Filter: 1POR 1 ", "END"};
    EXPECT_EQ(Netlist(items), expected);
    CVostraneDoc doc;
    Fill(doc, items);
    doc.SetPathName((dir / "Filter.vqe").string());
    ASSERT_TRUE(doc.ExportNetlist(nullptr));
    EXPECT_EQ(ReadFile(dir / "Filter.net"), expected);
  } while (std::next_permutation(order.begin(), order.end()));
  const auto& shown = pf::TheScriptedUiServices().Messages();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().caption, "Erzeugtes Netzwerk:");
  EXPECT_EQ(shown.back().text, (dir / "Filter.net").string());
  std::filesystem::remove_all(dir);
}

TEST(Netlist, RefusesBadExternalNodesAndReportsMoreThanTwo) {
  CVostraneDoc doc;
  EXPECT_FALSE(doc.BuildNetlist(nullptr));  // empty
  Fill(doc, {{'X', A, {}, 0}, {'P', A, B}});
  EXPECT_FALSE(doc.BuildNetlist(nullptr));
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Externer Knoten ohne gültige Nummer: Cmp1 (0)");
  VS_Error::ClearQueue();
  EXPECT_EQ(Netlist({{'X', A, {}, 1}, {'X', B, {}, 2}, {'X', C, {}, 3}, {'G', F}, {'P', A, B}})
                .at(3),
            "Filter: 3POR 1 2 3 ");
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Mehr als zwei externe Knoten: nur 1POR oder 2POR erlaubt (3)");
  VS_Error::ClearQueue();
  CVostraneDoc refused;
  Fill(refused, {{'X', A, {}, 1}, {'G', C}, {'P', A, B}, {'R', B, C}});
  EXPECT_FALSE(refused.BuildNetlist(nullptr));
  EXPECT_EQ(VS_Error::GetFirstMessage(), "R1: Widerstand muss größer als 0 sein");
}

TEST(Netlist, WritesOneDataTablePerName) {
  CVostraneDoc doc;
  Fill(doc, {});
  for (const Point& p : {A, B}) {
    auto* data = new OnePortSymbol();
    data->pins[0] = p;
    data->dataName = "M1";
    data->lineCount = 1;
    data->lines[0] = std::make_unique<MyStrng>("1GHz 0.5 -30");
    doc.AddSymbol(data);
  }
  ASSERT_TRUE(doc.BuildNetlist(nullptr));
  EXPECT_EQ(Text(doc.GetNetlistLines()), (Lines{"*", "BLK", "ONE 1 M1", "ONE 2 M1", "END", "DATA",
                                                "M1:  S 1", "1GHz 0.5 -30", "END"}));
}

TEST(Netlist, ExportNeedsAClosedCircuitWithExternalNodes) {
  const std::pair<std::vector<Item>, const char*> cases[] = {
      {{}, "die Schaltung ist leer"},
      {{{'X', A, {}, 1}, {'P', A, B}}, "offener Anschluss an Cmp2"},
      {{{'P', A, B}, {'P', B, A}}, "keine externen Knoten"},
      {{{'X', A, {}, 1}, {'P', A, B}, {'P', B, A}}, "ein externer Knoten ohne Masse"},
      {{{'X', A, {}, 1}, {'X', B, {}, 2}, {'P', A, B}}, ""},
      {{{'X', A, {}, 1}, {'X', B, {}, 2}, {'P', A, B}, {'S', F}}, ""},
  };
  for (const auto& [items, reason] : cases) {
    CVostraneDoc doc;
    Fill(doc, items);
    const MyStrng refusal = ExportRefusal(doc);
    EXPECT_EQ(refusal.ToCString(),
              *reason == '\0' ? "" : std::string("Netzwerk kann nicht exportiert werden: ") + reason);
  }
}

TEST(SpiceNetlist, HeaderElementsWithInternalNodesModelsCommandsAndTrailer) {
  ::setenv("SOURCE_DATE_EPOCH", "1709629625", 1);  // 5.3.2024, 9:07:05 UTC
  const SpiceSettings home{1, "/opt/spice/"};
  CVostraneDoc doc(nullptr, &home);
  Fill(doc, {{'G', E}, {'P', A, E, 2}, {'P', A, B}, {'N', B, C}});
  doc.AddSymbol(new DcGenerator());
  doc.RequestOperatingPoint();
  ASSERT_TRUE(SpiceWriter(doc).Compose());
  EXPECT_EQ(doc.GetNetlistLines().GetFileName(), "/opt/spice/Filter.cir");
  EXPECT_EQ(Text(doc.GetNetlistLines()),
            (Lines{"Filter.vqe", "*", "* Spice-File erzeugt von Vostrane", "* KT-Morvaburg a. S.",
                   "* Werkraum für Wellenleitertest", "* 5.3.2024  9:7:5", "*",
                   "Cmp2  1 0 5", "Cmp3  1 2 7", "VDc1  1 4 7", "*", "* Modelle", "*", "*",
                   "* Commandos", "*", ".OP", "*", "* Das war's", "*", ".save all", ".end"}));
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Cmp4: kein Spice-Modell, fehlt im Spice-File");
  // The request is answered once.
  ASSERT_TRUE(SpiceWriter(doc).Compose());
  EXPECT_EQ(Text(doc.GetNetlistLines()).at(16), "*");
  ::unsetenv("SOURCE_DATE_EPOCH");
}

TEST(SpiceNetlist, WithoutSpiceHomeTheFileGoesNextToTheDocument) {
  const auto dir = Scratch();
  CVostraneDoc doc;
  Fill(doc, {{'P', A, B}});
  doc.SetPathName((dir / "Filter.vqe").string());
  ASSERT_TRUE(doc.WriteSpiceFile(nullptr));
  EXPECT_EQ(ReadFile(dir / "Filter.cir").size(), 19u);
  EXPECT_EQ(doc.GetSpiceManager().GetNetlistPath(), (dir / "Filter.cir").string().c_str());
  std::filesystem::remove_all(dir);
}

}  // namespace
