// The committed analyser example: drawn on the grid, and its netlist with the analyser defining
// the network (the header of the network under test) and idle beside a running generator (its
// ports terminated).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "pf/headless.h"

namespace {

std::vector<std::string> Netlist(CVostraneDoc& doc) {
  std::vector<std::string> out;
  EXPECT_TRUE(doc.BuildNetlist(nullptr));
  const LineFile lines = doc.GetNetlistLines();
  lines.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(AnalyserExample, LiesOnTheGridAndTerminatesItsPortsWhenIdle) {
  pf::Headless headless;
  CVostraneDoc doc;
  const std::filesystem::path path =
      std::filesystem::path(VOSTRANE_REPOSITORY) / "examples/vna_lowpass.vqe";
  ASSERT_TRUE(doc.OnOpenDocument(path.string()));
  VecNetAnaSymbol* analyser = nullptr;
  doc.Symbols().ForEach([&analyser](NetSymbol* s) {
    const pf::Rect r = s->GetRect();
    EXPECT_TRUE(r.left >= 0 && r.top >= 0) << s->elementName.ToCString();
    for (int i = 0; i < std::min(s->pinCount, NetSymbol::kMaxPins); ++i) {
      const Point p = s->pins[i];
      EXPECT_TRUE(p.x >= 25 && p.y >= 25 && p.x % 25 == 0 && p.y % 25 == 0)
          << s->elementName.ToCString() << " pin " << i;
    }
    if (auto* vna = dynamic_cast<VecNetAnaSymbol*>(s)) analyser = vna;
  });
  ASSERT_NE(analyser, nullptr);

  // A generator on a node of its own, placed after the analyser.
  auto* generator = new SignalGenSymbol(Point(400, 400), Point(450, 400));
  ASSERT_TRUE(doc.AddSymbol(generator));
  const std::string generatorHeader = "Netzwerk: 1POR 4 ";
  const struct {
    const char* what;
    int active;
    NetSymbol* running;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  } cases[] = {
      {"its own sweep", 1, analyser, {"Netzwerk: 2POR 1 3 "}, {"RES 1 R= 50ohm", generatorHeader}},
      // Whatever the flags say after an earlier run.
      {"nothing runs", 0, nullptr, {"Netzwerk: 2POR 1 3 "}, {"RES 1 R= 50ohm", generatorHeader}},
      {"the generator runs",
       0,
       generator,
       {"RES 1 R= 50ohm", "RES 3 R= 50ohm", generatorHeader},
       {"Netzwerk: 2POR 1 3 "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    analyser->SetActiveFlag(c.active);
    doc.SetRunningInstrument(c.running);
    const std::vector<std::string> lines = Netlist(doc);
    EXPECT_TRUE(Holds(lines, "IND 2 3 L = 12.88nH"));
    for (const std::string& line : c.present) EXPECT_TRUE(Holds(lines, line)) << line;
    for (const std::string& line : c.absent) EXPECT_FALSE(Holds(lines, line)) << line;
  }
}

}  // namespace
