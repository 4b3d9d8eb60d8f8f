#pragma once
// A step in width between two microstrip lines on one substrate (keyword STEP): a series
// impedance between the ports and a shunt admittance at the port of the narrower line, which
// is taken as the open end of a strip as wide as the step. Three models give the series part:
//   MO 0  higher modes of the wide line's planar waveguide summed over the narrow aperture,
//   MO 1  mode matching between the planar waveguides of both lines,
//   MO 2  the closed-form planar-waveguide step inductance.
// Model 1 works in the planar waveguides: guide A is the narrow, guide B the wide line, both
// with their cosine modes across the width, the aperture at one edge of guide B.

#include "basics/Cmplx.h"
#include "lines/models/LineElement.h"
#include "lines/models/MslElementBase.h"
#include "simulator/NetElement.h"

class MicroStripStep : public LineElementFrame<DreiPol, MslElementBase> {
 public:
  static constexpr int kModeSum = 0;
  static constexpr int kModeMatching = 1;
  static constexpr int kClosedForm = 2;
  // Bound of every mode count: the terms fall off quickly, and extreme width ratios or
  // frequencies must not make a point unbounded in time and memory.
  static constexpr int kMaxModes = 200;

  explicit MicroStripStep(const NetLine& line) : LineElementFrame("MicroStripStep", line) {}
  static NetElement* Create(const NetLine& line) { return new MicroStripStep(line); }

  // Line "STEP n1 n2 W1=.. W2=.. MO=.. SUBSTRATE".
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;

  // The series impedance R + jwL and the shunt capacitance C of models 0 and 2; frequency in Hz.
  Cmplx GetY11(float frequency) const;
  Cmplx GetY21(float frequency) const;
  Cmplx GetY22(float frequency) const;

  // Half the integral over 0..a of cos(m pi x / a) cos(n pi x / b).
  static double ModeCoupling(int m, int n, float a, float b);
  // Half the integral over 0..w of the square of mode n.
  static double ModeNorm(int n, float w);
  // Wave impedance of mode n of a planar waveguide; metres and Hz.
  static Cmplx ModeImpedance(float w, float eps, int n, float f);

  int GetModel() const { return model; }
  float GetL() const { return L; }
  float GetC() const { return C; }
  float GetR() const { return R; }
  // The equivalent circuit of model 1.
  Cmplx GetZc() const { return Zc; }
  Cmplx GetYd() const { return Yd; }

 private:
  // The fundamental-mode reflection and transmission of the step seen from guide A.
  struct ModeMatchingResult {
    Cmplx rho;
    Cmplx tau;
  };

  void ModeSum(float f);
  void ModeMatching(float f);
  void ClosedForm(float f);
  void ShuntCapacitance(float f);
  // Models 0 and 2: the shunt capacitance, then the matrix from R, L and C.
  void FillFromSeries(float f);
  // Both lines analysed at the present frequency: A the narrower, B the wider strip, and
  // their planar-waveguide widths (metres).
  void AnalyseLines();
  // False when K is singular.
  bool StepModeMatching(int N1, int N2, double f, ModeMatchingResult& result) const;
  void ExtractStepCircuit();

  int model = kModeSum;
  int port1Narrower = 0;
  float W1 = 0.0f;  // mm
  float W2 = 0.0f;  // mm
  float R = 0.0f;
  float L = 0.0f;
  float C = 0.0f;
  float frequencyGHz = 0.0f;
  float H = 0.0f;  // mm
  double WA = 0.0;
  double WB = 0.0;
  MicrostripResult lineA;
  MicrostripResult lineB;
  Cmplx M0;
  Cmplx M2;
  Cmplx Zc;
  Cmplx Yd;
  Cmplx Y[4];  // Y11, Y12, Y21, Y22
  bool singularReported = false;
};
