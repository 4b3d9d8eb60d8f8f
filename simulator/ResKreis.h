#pragma once
// Resonant one-ports described by resonance frequency, characteristic impedance and quality
// factor instead of L and C:
//   SRLC 1 0 F0 = 1GHz ZK = 50ohm Q = 100      series circuit
//   PRLC 1 0 F0 = 1GHz ZK = 50ohm Q = 100      parallel circuit
//   QUARZ 1 0 FS = 10MHz FD = 20kHz ZK = 1kohm Q = 10000
// The crystal is a series circuit (the motional arm) with the static capacitance
// C0 = 1 / (4 pi ZK FD) across it, which puts the parallel resonance about FD above FS.
// At f = 0 the admittances stay finite: the detuning saturates instead of dividing by zero.

#include "simulator/NetElement.h"

// The common part of the series and the parallel circuit.
class ResKreis : public EinTor {
 public:
  // "F0", "ZK", "Q", each checked even when an earlier one failed.
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  bool SkipsFillMatrix() const override { return false; }

  double GetF0() const { return F0; }
  double GetZK() const { return ZK; }
  double GetQ() const { return Q; }

 protected:
  using EinTor::EinTor;

  double F0 = 0.0;
  double ZK = 0.0;
  double Q = 0.0;
};

// Y = 1 / (ZK (1 / Q + j x)); at F0 the real Q / ZK.
class SerResKreis : public ResKreis {
 public:
  explicit SerResKreis(const NetLine& line) : ResKreis(line) {}
  static NetElement* Create(const NetLine& line) { return new SerResKreis(line); }
  void FillMatrix(float frequency) override;
};

// Y = (1 / Q + j x) / ZK; at F0 the real 1 / (Q ZK).
class ParResKreis : public ResKreis {
 public:
  explicit ParResKreis(const NetLine& line) : ResKreis(line) {}
  static NetElement* Create(const NetLine& line) { return new ParResKreis(line); }
  void FillMatrix(float frequency) override;
};

class QuaResKreis : public EinTor {
 public:
  explicit QuaResKreis(const NetLine& line) : EinTor(line) {}
  static NetElement* Create(const NetLine& line) { return new QuaResKreis(line); }

  // "FS", "FD", "ZK", "Q", each checked even when an earlier one failed.
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

  double GetFS() const { return FS; }
  double GetFD() const { return FD; }
  double GetZK() const { return ZK; }
  double GetQ() const { return Q; }

 private:
  double FS = 0.0;
  double FD = 0.0;
  double ZK = 0.0;
  double Q = 100.0;
};
