#pragma once
// The circuit's SPICE model library as a one-pin symbol: a picture, the library's file name, and
// the whole library text, kept in the circuit file. The SPICE-model symbols reach it through the
// document (SpiceModelLookup); the first one of a circuit counts.

#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/SpiceLibraryRole.h"
#include "formats/SpiceLibrary.h"

class SpiceLibSymbol : public EinPolSymbol, public SpiceLibraryRole {
  PF_DECLARE_RUNTIME(SpiceLibSymbol)

 public:
  static constexpr const char* kClassKey = "SpiceLibSymbol";

  SpiceLibSymbol();
  SpiceLibSymbol(const Point& start, const Point& end);

  // The one-pin record, the library name, then the library (file name, line count, lines).
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // An empty library loads a ".lib" file (or becomes "Empty.Lib" on request) and answers true;
  // a filled one opens the library dialog and answers whether the library or its name changed.
  bool EditDialog(pf::Window* parent) override;
  // A library is no element: no netlist line.
  void WriteNetLine() override { netLine.Clear(); }

  const SpiceLibrary& GetLibrary() const override { return library; }
  SpiceLibrary& Library() { return library; }

  MyStrng libraryName;
  SpiceLibrary library;
};
