// analyser-sweep NETLIST: the network analyser's panel, headless, sweeps the netlist (whose
// FREQ block gives the sweep) into its screen, drawing each point as it comes. Exit status 0
// when the curve holds every point, 1 otherwise.
// bench/analyser times it against "vostrane-cli simulate" of the same netlist.

#include <cstdio>

#include "app/startup/RegisterAll.h"
#include "basics/LineFile.h"
#include "diagrams/graphics/DiagKurve.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/headless.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: analyser-sweep NETLIST\n", stderr);
    return 2;
  }
  RegisterAll();
  pf::Headless headless;
  LineFile lines;
  if (lines.ReadFile(argv[1]) <= 0) {
    std::fprintf(stderr, "%s: nicht lesbar\n", argv[1]);
    return 1;
  }
  VecNetAnaSymbol symbol;
  auto* panel = symbol.EditDialog(nullptr) ? dynamic_cast<VecNetAnaDialog*>(symbol.GetWindow())
                                           : nullptr;
  if (panel == nullptr || !panel->RequestStart()) return 1;
  panel->Measure(lines);
  const Diagramm* diagram = panel->Screen().Current();
  const DiagKurve* curve = diagram != nullptr ? diagram->GetCurrentCurve() : nullptr;
  const bool swept = curve != nullptr && curve->GetCursor() == panel->GetSweep().count;
  if (!swept) {
    std::fputs("Messung unvollständig\n", stderr);
    return 1;
  }
  std::printf("%d Punkte\n", curve->GetCursor());
  return 0;
}
