// Opening a circuit of microstrip line sections against its photoplot export, in-process, for
// bench/gerber: gerber-timing SECTIONS ROUNDS FOLDER writes FOLDER/lines.vqe, then per round
// opens it once and exports it once (top and bottom files into FOLDER) and prints the two
// times in ms on one line. ROUNDS 0 only writes the circuit (bench/document reads it).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/startup/RegisterAll.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/GerberDocument.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "lines/ui/MicrostripSymbols.h"

namespace {

constexpr int kStep = 100;
constexpr int kPerRow = 100;

// The sections snake through rows of kPerRow, each row's end joined to the next row by one
// more section downwards; every second row begins with a section straight down to the end of
// the row below as well, so that the walk meets loops and reaches points twice.
bool WriteCircuit(int sections, const std::filesystem::path& path) {
  CVostraneDoc doc;
  doc.SetTitle("lines.vqe");
  bool ok = true;
  auto place = [&](NetSymbol* s, const Point& a, const Point& b) {
    s->UpdateGeometry();
    ok = ok && s->pins[0] == a && s->pins[1] == b;
    doc.AddSymbol(s);
  };
  const Point origin(2 * kStep, kStep);
  auto* board = new SubSymbol(Point(kStep, kStep / 2), Point(kStep + kStep / 2, kStep / 2));
  board->substrateName = "ALU", board->permittivity = 9.8f, board->height = 0.000635f;
  board->UpdateGeometry();
  doc.AddSymbol(board);
  auto* port = new ExKnotenSymbol(origin, origin - Point(kStep / 2, 0));
  port->portNumber = 1;
  port->UpdateGeometry();
  doc.AddSymbol(port);
  auto section = [&](const Point& a, const Point& b) {
    auto* line = new TrlSymbol(a, b);
    line->w = "0.6mm", line->p = "2mm", line->substrate = "ALU";
    place(line, a, b);
  };
  Point at = origin;
  for (int placed = 0, row = 0; placed < sections; ++row) {
    const Point down(0, kStep);
    const Point along(row % 2 == 0 ? kStep : -kStep, 0);
    if (row % 2 == 0 && placed + 1 < sections) section(at, at + down), ++placed;
    for (int column = 0; column < kPerRow && placed < sections; ++column, ++placed) {
      section(at, at + along);
      at += along;
    }
    if (placed < sections) section(at, at + down), ++placed;
    at += down;
  }
  return ok && doc.OnSaveDocument(path.string());
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("Usage: gerber-timing SECTIONS ROUNDS FOLDER\n", stderr);
    return 2;
  }
  RegisterAll();
  const int sections = std::atoi(argv[1]);
  const int rounds = std::atoi(argv[2]);
  const std::filesystem::path folder = argv[3];
  const std::filesystem::path circuit = folder / "lines.vqe";
  if (sections < 1 || rounds < 0 || !WriteCircuit(sections, circuit)) {
    std::fputs("circuit not written\n", stderr);
    return 1;
  }
  for (int round = 0; round < rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    {
      CVostraneDoc opened;
      if (!opened.OnOpenDocument(circuit.string())) return 1;
    }
    const double open = Milliseconds(start);
    CVostraneDoc doc;
    if (!doc.OnOpenDocument(circuit.string())) return 1;
    const auto* board = dynamic_cast<SubSymbol*>(doc.FindSubstrate());
    if (board == nullptr) return 1;
    start = std::chrono::steady_clock::now();
    GerberDocument plot;
    plot.SetSubstrateSize(board->extentX, board->extentY);
    doc.Symbols().ForEach([&plot](NetSymbol* s) { plot.AddSymbol(s); });
    plot.CreatePlot();
    plot.SetFileNames(MyStrng((folder / "lines").string()));
    if (!plot.SaveFiles()) return 1;
    std::printf("%.3f %.3f\n", open, Milliseconds(start));
  }
  return 0;
}
