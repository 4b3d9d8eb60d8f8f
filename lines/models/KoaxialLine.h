#pragma once
// Coaxial line "TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber" and coaxial stub
// "SKOX 3 GD=4.7mm KD=1.3mm P=0.25m ER=2.3 TD=0.0001 Kupfer SHORT" ("OPEN" for an open end):
// outer and inner diameter, length, dielectric and metal from the line itself.

#include "basics/MyStrng.h"
#include "lines/models/LineElement.h"
#include "lines/models/MathPool.h"
#include "simulator/NetElement.h"

// Geometry, dielectric and metal of a coaxial line and its line quantities.
struct KoaxialData {
  static void Check(NetLine& check);
  // The values, then the metal word; the line is left behind the metal word. False when a
  // value failed or broke its rule (diameters and length above 0, ER >= 1, TD >= 0), or the
  // inner diameter is not below the outer one.
  bool Read(NetLine& line, const SymbolTable& labels);
  // alpha and beta at f (Hz).
  void Propagate(double f);

  float GD = 0.0047f;  // outer diameter D, m
  float KD = 0.001f;   // inner diameter d, m
  float P = 0.0f;      // m
  float ER = 2.3f;
  float TD = 1e-4f;  // loss tangent
  float sigma = 6.21e7f;
  MyStrng metal = "Silber";
  double Z0 = 0.0;     // ohm
  double alpha = 0.0;  // Np/m
  double beta = 0.0;   // rad/m
};

class KoaxialLine : public LineElementFrame<DreiPol, MathPool> {
 public:
  explicit KoaxialLine(const NetLine& line) : LineElementFrame("KoaxialLine", line) {}
  static NetElement* Create(const NetLine& line) { return new KoaxialLine(line); }

  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

  const KoaxialData& GetData() const { return coax; }

 private:
  KoaxialData coax;
};

class KoaxialStub : public LineElementFrame<EinTor, MathPool> {
 public:
  explicit KoaxialStub(const NetLine& line) : LineElementFrame("KoaxialStub", line) {}
  static NetElement* Create(const NetLine& line) { return new KoaxialStub(line); }

  void ParseLine(const SymbolTable& labels) override;
  void LinkReferences(NetLine& check) override;
  void FillMatrix(float frequency) override;

 private:
  KoaxialData coax;
  char end = 'S';  // 'O' open, 'S' short-circuited
};
