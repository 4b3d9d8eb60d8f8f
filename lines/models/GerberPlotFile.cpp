#include "lines/models/GerberPlotFile.h"

void GerberPlotFile::SelectAperture(const MyStrng& name) {
  if (name.IsEmpty()) return;
  AddLine(MyStrng("G54") + name + "*");
}
