#pragma once
// Tapered microstrip line "TAP 1 2 W1=1mm W2=3mm P=10mm WCOS S1": the width runs from W1 at
// port 1 to W2 at port 2 along a linear ("WLIN", also any unknown word), raised-cosine
// ("WCOS") or exponential ("WEXP") curve. Modelled as a cascade of uniform microstrip
// sections, ten per wavelength in the substrate (not the effective permittivity), at least
// ten.

#include "lines/models/LineElement.h"
#include "lines/models/MathPool.h"
#include "lines/models/SubstrateLink.h"
#include "simulator/NetElement.h"

class TaperLine : public LineElementFrame<DreiPol, MathPool> {
 public:
  static constexpr int kMinSections = 10;
  // Bounds the work per frequency point of an electrically huge taper.
  static constexpr int kMaxSections = 10000;

  explicit TaperLine(const NetLine& line) : LineElementFrame("TaperLine", line) {}
  static NetElement* Create(const NetLine& line) { return new TaperLine(line); }

  // W1 > 0, W2 > 0 and P > 0, or the element refuses itself.
  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

  // The sections of the last FillMatrix.
  int GetSectionCount() const { return N; }

 private:
  // Width of section i of N (1-based).
  double SectionWidth(int i) const;
  // False when a section has no microstrip analysis.
  bool Cascade(float frequency);

  SubstrateLink substrate;
  char taper = 'L';  // 'L' linear, 'C' raised cosine, 'E' exponential
  float W1 = 0.0f;   // m
  float W2 = 0.0f;   // m
  float P = 0.0f;    // m
  int N = 0;
  double dP = 0.0;  // section length, m
};
