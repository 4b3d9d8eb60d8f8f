#pragma once
// "CAP" and "IND": a capacitor or an inductor, ideal or with a self-resonance given by its
// frequency, the quality factor QM there and a further frequency FM (read, not used). The
// three come all together, in this order, or not at all.
//   CAP 2 0 C = 10pF FS = 2GHz QM = 50 FM = 1GHz
//   IND 2 0 L = 10nH FP = 1GHz QM = 40 FM = 1GHz
// The losses are split equally between a series resistance and a parallel conductance: each
// alone would give the quality factor 2 * QM at the self-resonance.

#include "simulator/ElementValue.h"
#include "simulator/NetElement.h"

class SelfResonantElement : public EinTor {
 public:
  // The value key, then all of the resonance key, "QM" and "FM" as soon as any of them stands
  // in the rest of the line.
  void LinkReferences(NetLine& check) override;
  bool SkipsFillMatrix() const override { return false; }

  bool IsIdeal() const { return ideal != 0; }
  double GetQm() const { return Qm; }
  double GetFm() const { return Fm; }
  double GetRs() const { return Rs; }
  double GetGp() const { return Gp; }

 protected:
  SelfResonantElement(const NetLine& line, const char* valueKey, const char* resonanceKey)
      : EinTor(line), valueKey(valueKey), resonanceKey(resonanceKey) {}
  // The element value as V, then unless ideal the resonance frequency, Qm and Fm. False, and
  // the element refused, when a value failed.
  template <class V>
  bool ReadValues(const SymbolTable& labels, double& value, double& resonance) {
    EinTor::ParseLine(labels);
    ValueReader values(line, labels);
    values.Read<V>(value);
    if (!ideal) {
      values.Read<FreqWert>(resonance);
      values.Read<FloatWert>(Qm);
      values.Read<FreqWert>(Fm);
    }
    if (!values.AllRead()) code = 4;
    return values.AllRead();
  }

  double Qm = 0.0;
  double Fm = 0.0;
  double Rs = 0.0;
  double Gp = 0.0;
  int ideal = 1;

 private:
  const char* valueKey;
  const char* resonanceKey;
};

// Not ideal: C with Gp across it, in series with Ls and Rs; series resonance at Fs.
class Kapazitaet : public SelfResonantElement {
 public:
  explicit Kapazitaet(const NetLine& line) : SelfResonantElement(line, "C", "FS") {}
  static NetElement* Create(const NetLine& line) { return new Kapazitaet(line); }

  // The values; unless ideal, then Ls, Gp and Rs from Fs and Qm.
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;

  double GetC() const { return C; }
  double GetFs() const { return Fs; }
  double GetLs() const { return Ls; }

 private:
  double C = 0.0;
  double Fs = 0.0;
  double Ls = 0.0;
};

// L in series with Rs (0.001 ohm even when ideal); not ideal, Cp and Gp across both, parallel
// resonance at Fp.
class Induktivitaet : public SelfResonantElement {
 public:
  explicit Induktivitaet(const NetLine& line);
  static NetElement* Create(const NetLine& line) { return new Induktivitaet(line); }

  // The values; unless ideal, then Cp, Rs and Gp from Fp and Qm.
  void ParseLine(const SymbolTable& labels) override;
  void FillMatrix(float frequency) override;

  double GetL() const { return L; }
  double GetFp() const { return Fp; }
  double GetCp() const { return Cp; }

 private:
  double L = 0.0;
  double Fp = 0.0;
  double Cp = 0.0;
};
