#pragma once
// The spectrum analyser on one node, loading it with its input resistance. In a built-in run
// its element ("SPEC") turns each spectral line's voltage into a power reading, which the
// symbol collects; after a SPICE run it computes the spectrum itself: from a transient result
// by resampling and FFT, from an AC result directly.

#include <cstdint>

#include "basics/Vektor.h"
#include "basics/WertMitDim.h"
#include "diagrams/RectFreqDiag.h"
#include "instruments/ui/MessGeraetSymbol.h"

class SpecAnaSymbol : public MessGeraetSymbol {
  PF_DECLARE_RUNTIME(SpecAnaSymbol)

 public:
  static constexpr const char* kClassKey = "SpecAnaSymbol";
  // Version 2 adds the result's title and date.
  static constexpr int32_t kVersion = 2;

  SpecAnaSymbol();
  SpecAnaSymbol(const Point& start, const Point& end);

  // After the base: Ri, start, stop, the kept diagram, the SPICE flag, level mode, reference,
  // curve style and, with the flag, the SPICE spectrum and frequencies, then the result's title
  // and date. Throws pf::ArchiveError on a letter it does not know, a spectrum and frequencies
  // of different lengths or a version above its own.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // "Rname node1 node2 ri": the input resistance.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  void ReadSpiceResults(SpiceManager& source) override;
  bool EditDialog(pf::Window* parent) override;
  // "SPEC node  RI= ri name".
  void WriteNetLine() override;

  void MeasureStep(InstrumentRole& master) override;
  // A built-in run feeds the analyser: a SPICE spectrum is dropped, and the frame it set
  // holds the run's lines.
  void BeginMeasurement(InstrumentRole& master) override;
  // The lines the run reached are the spectrum: all of them, or those before its stop.
  void EndMeasurement() override { EndCollecting(true); }
  bool ShowsSpiceResult() const override { return spicePresent != 0; }

  // The unit of a SPICE spectrum's levels.
  const char* LevelUnit() const;
  // A SPICE spectrum entry in the unit of LevelUnit; -250 for what is too small to show.
  double SpiceLevel(const Cmplx& amplitude);
  // The level in dBm of built-in line k from its reading: the power of that component at the
  // node. A reading is |u|^2 / (2 Ri) of a two-sided line u, so line k > 0 (with its mirror)
  // carries 2 |u|^2 / Ri, four readings, and DC u^2 / Ri, two; -250 for what is too small.
  static double LineLevel(const Cmplx& reading, int32_t k);

  char levelMode = 'U';  // 'U' voltage levels, 'P' power levels
  double levelReference = 0.001;
  char curveStyle = 'L';  // 'L' line, 'S' spectral lines
  ResWert ri{50.0};
  FreqWert start{5e7};
  FreqWert stop{1e10};
  SpecLogMag keptDiagram;
  int32_t spicePresent = 0;
  CVektor spiceSpectrum;
  RVektor spiceFrequencies;
};
