// Every lumped symbol's LaTeX picture, lying and upright, on one page; the TeX cross-check
// (tools/crosscheck/latex_pictures.sh) compiles the page this test writes.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "basics/LineFile.h"
#include "basics/Point.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "elements/lumped/ResSymbol.h"

namespace {

TEST(LumpedLatexTest, EveryPictureOpensWithItsKeyOnOnePage) {
  const char* const keys[] = {"WIDERSTAND", "KAPAZITAET", "INDUKTIVITAET", "SCHWINGQUARZ",
                              "SERRESCIRCUIT", "PARRESCIRCUIT", "GROUND", "VERBINDUNG",
                              "PktSymbol", "UEBERTRAGER", "VOLCONVOL", "VOLCONCUR",
                              "CURCONCUR", "OPAMPLIFIER", "BipSpiceSymbol",
                              "FetSpiceSymbol", "OpaSpiceSymbol", "PNDiodeSymbol"};
  // Pin 2 from pin 1 at (100, 100): right, left, down, up; the amplifiers always lie.
  const Point ends[] = {{200, 100}, {0, 100}, {100, 200}, {100, 0}};
  std::ofstream page(VOSTRANE_LATEX_SHEET);
  page << "\\documentclass{article}\n\\begin{document}\n\\setlength{\\unitlength}{1mm}\n";
  for (const char* key : keys) {
    for (const Point& end : ends) {
      std::unique_ptr<NetSymbol> s = SymbolRegistry::Global().Create(key);
      ASSERT_NE(s, nullptr) << key;
      if ((s->classKey == "OPAMPLIFIER" || s->classKey == "OpaSpiceSymbol") && end.y != 100) {
        break;
      }
      s->modelName = "BC_547";
      s->pins[0] = Point(100, 100);
      s->pins[1] = end;
      s->UpdateGeometry();
      s->latexOrigin = Point(-50, 250);
      LineFile lines;
      s->WriteLatex(lines);
      lines.Reset();
      if (lines.GetCount() == 0) continue;  // the junction dot draws nothing
      EXPECT_EQ(lines.GetNext(), MyStrng("% ") + key);
      page << "\\begin{picture}(60,60)\n";
      lines.WriteLines(page);
      page << "\\end{picture}\n";
    }
  }
  // A value text with every character that TeX would read as a command.
  CapSymbol special(Point(100, 100), Point(200, 100));
  special.UpdateGeometry();
  special.latexOrigin = Point(-50, 250);
  special.c = "1_%&#$~^\\{}<>|pF";
  LineFile lines;
  special.WriteLatex(lines);
  page << "\\begin{picture}(60,60)\n";
  lines.WriteLines(page);
  page << "\\end{picture}\n";
  page << "\\end{document}\n";
  EXPECT_TRUE(page.good());
}

}  // namespace
