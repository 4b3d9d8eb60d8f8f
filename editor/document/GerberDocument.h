#pragma once
// The photoplot export of a circuit: walks the circuit from its input port 1 and gives every
// symbol its layout place in micrometres, pin to pin; builds one aperture table for both
// layers from the symbols' wishes; lets every symbol write its outline into the body of its
// layer; and keeps the two RS-274X files, the bottom one (ground plane with the slots cut
// into the substrate rectangle) only when a symbol lies on it. The symbols are borrowed.

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "basics/LineFile.h"
#include "basics/Point.h"
#include "basics/WertMitDim.h"
#include "formats/GerberPlotFile.h"

class NetSymbol;

class GerberDocument {
 public:
  // The substrate in metres; the start point goes to the middle of its left edge.
  void SetSubstrateSize(LaeWert x, LaeWert y);
  void AddSymbol(NetSymbol* symbol);
  // Header, apertures, layout and outlines, into both outputs. False, reported with the name of
  // the first part (or "Substrat") that reaches beyond the files' format, when the files would
  // need a number of 1 m or more; they must not be saved then.
  bool CreatePlot();
  // base + "Top.gbx" and base + "Bot.gbx".
  void SetFileNames(const MyStrng& base);
  // The top file, and the bottom one when used; when not, an earlier bottom file of the name
  // goes with the new top. False, reported with the path, when a file could not be written or
  // the earlier bottom not removed; the files of the name then stay as they were.
  bool SaveFiles();

  const LineFile& TopOutput() const { return topOutput; }
  const LineFile& BottomOutput() const { return bottomOutput; }
  bool BottomUsed() const { return bottomUsed != 0; }

  LPoint startPoint{0, 25000};
  LPoint substrateSize{50000, 50000};
  int32_t substrateArea = 1;

 private:
  // The symbols with a pin on one grid point, in the order they were added; those before
  // `placed` are placed already, so a walk that reaches the point again skips them.
  struct PinSite {
    std::vector<NetSymbol*> symbols;
    size_t placed = 0;
  };

  struct Aperture {
    MyStrng name;
    MyStrng shape;  // "SQUARE", "ROUND" or "RECT"
    MyStrng size;   // millimetres as printed
  };

  // Built once per plot: the pins do not move while it is made.
  void IndexPins();
  const PinSite* SiteAt(const Point& p) const;
  void WriteHeader();
  void WriteApertures();
  void AssignAperture(NetSymbol& s, const GerberAperture& wish);
  GerberAperture PadWish(NetSymbol& pad) const;
  void PlaceSymbols();
  void WriteSymbols();
  void AppendPlotsToFiles();
  // Keeps the first.
  void NoteBeyond(const MyStrng& what);

  std::vector<NetSymbol*> symbols;
  std::unordered_map<uint64_t, PinSite> pinSites;
  std::vector<Aperture> catalogue;
  LineFile topOutput;
  LineFile bottomOutput;
  GerberPlotFile topPlot;
  GerberPlotFile bottomPlot;
  int32_t bottomUsed = 0;
  int32_t nextAperture = 2;
  MyStrng beyond;  // what first reached beyond the format; empty while all fits
};
