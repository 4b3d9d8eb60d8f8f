// Circuit files nested as sub-circuits, for bench/document: nested-circuits LEVELS FOLDER writes
// FOLDER/nest0.vqe, a resistor and a capacitor between two external nodes, and nest1.vqe to
// nestLEVELS.vqe, each two of the level below in a row between its own two external nodes, a
// capacitor to ground between them. A netlist of the top file holds every level's network once;
// built afresh for every instance, each level would double its cost.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/startup/RegisterAll.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "elements/data/UserNetSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/ResSymbol.h"

namespace {

// The external node of the number, its pin at the point, drawn towards the side.
void AddPort(CVostraneDoc& doc, int number, const Point& at, const Point& side) {
  auto* node = new ExKnotenSymbol(at, at + side);
  node->UpdateGeometry();
  node->portNumber = number;
  doc.AddSymbol(node);
}

template <typename S>
void AddTwoPole(CVostraneDoc& doc, const Point& a, const Point& b) {
  auto* s = new S(a, b);
  s->UpdateGeometry();
  doc.AddSymbol(s);
}

bool WriteLevel(int level, const std::filesystem::path& folder) {
  const Point in(100, 100);
  const Point mid(250, 100);
  const Point out(400, 100);
  const Point ground(250, 250);
  CVostraneDoc doc;
  AddPort(doc, 1, in, Point(-50, 0));
  AddPort(doc, 2, out, Point(50, 0));
  AddTwoPole<GndSymbol>(doc, ground, ground + Point(0, 50));
  if (level == 0) {
    AddTwoPole<ResSymbol>(doc, in, mid);
    AddTwoPole<CapSymbol>(doc, mid, out);
  } else {
    const std::string below = (folder / ("nest" + std::to_string(level - 1) + ".vqe")).string();
    for (const auto& [a, b] : {std::pair(in, mid), std::pair(mid, out)}) {
      auto* sub = new UserNetSymbol(a, b);
      sub->sourceKind = 'F';
      sub->path = MyStrng(below);
      sub->subName = MyStrng("nest" + std::to_string(level - 1));
      doc.AddSymbol(sub);
    }
    AddTwoPole<CapSymbol>(doc, mid, ground);
  }
  return doc.OnSaveDocument((folder / ("nest" + std::to_string(level) + ".vqe")).string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Usage: nested-circuits LEVELS FOLDER\n", stderr);
    return 2;
  }
  RegisterAll();
  const int levels = std::atoi(argv[1]);
  if (levels < 0 || levels > 64) {
    std::fputs("nested-circuits: LEVELS must be 0 to 64\n", stderr);
    return 2;
  }
  for (int level = 0; level <= levels; ++level) {
    if (!WriteLevel(level, argv[2])) {
      std::fprintf(stderr, "nest%d.vqe not written\n", level);
      return 1;
    }
  }
  return 0;
}
