#pragma once
// The rules of the fields whose sizes and points reach the photoplot: its files carry at most
// 999.999 mm either way, so a dialog refuses 1 m or more under the field's caption rather than
// let the export write a number beyond the format.

#include "editor/dialogs/FieldReader.h"
#include "formats/GerberPlotFile.h"

// A point of the layout, 0 included (a length is never negative); a size passes it after 0.
inline constexpr FieldRule kUnderPlotLimit{
    [](double metres) { return GerberPlotFile::Fits(Micrometres(metres)); },
    "Wert muss kleiner als 1 m sein"};

// A width, gap, length or board side: above 0 and under 1 m.
constexpr FieldRule PlotSize() {
  return {Positive().accepts, FieldReader::kNotPositive, &kUnderPlotLimit};
}
