#pragma once
// What the filter synthesis remembers between its commands, per view and not in the document.

// Frequencies in Hz, impedances in ohm.
struct SynthesisSettings {
  int FilterOrder = 3;
  double CutoffFrequency = 1e9;
  double FilterImpedance = 50.0;
  double RippleDb = 0.5;
  // The lines of the line transformation are a quarter wave long here.
  double LineReferenceFrequency = 2e9;
  char FilterType = 'T';  // 'T' Chebyshev, 'B' Butterworth
  // The band-pass figures are kept in single precision.
  float CentreFrequency = 2e9f;
  float Bandwidth = 5e8f;
  float UpperBandEdge = 0.0f;
  float LowerBandEdge = 0.0f;
  // Each enables the transformations of what has just been placed, which consume it.
  bool LowPassBuilt = false;
  bool StubLowPassBuilt = false;
  bool BandPassBuilt = false;
};
