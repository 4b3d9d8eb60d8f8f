#pragma once
// Linear small-signal transistors ("FET", "BIP") in common-source or common-emitter connection:
// two-ports with the source or emitter as common reference, port 1 gate or base, port 2 drain
// or collector. An intrinsic admittance matrix is embedded in up to twenty optional parasitic
// elements.
//
// Their lines are long: keys may also stand on up to kMaxContinuations "+" lines behind the
// element line, and all of them are joined. Values are taken by key in any order, each key a
// whole token followed by '='; two required keys lead. Anything no key claims (an unknown key,
// a key given twice, a stray token) is reported and the line refused, so no value is lost
// silently.

#include <array>
#include <span>
#include <vector>

#include "basics/MyStrng.h"
#include "simulator/ElementValue.h"
#include "simulator/NetElement.h"

class Transistor : public DreiPol {
 public:
  static constexpr int kMaxContinuations = 10;
  static constexpr int kMaxKeys = 21;

  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  // Keeps the line without its '+'; one line too many refuses the element.
  void AddContinuation(const NetLine& continuation) override;
  bool HasContinuation() const override { return true; }
  bool SkipsFillMatrix() const override { return false; }

  // A key of a model's table and its value before reading.
  struct Key {
    const char* name;
    const char* alias;  // another name for the same value, or null
    ValueClass kind;
    float initial;
    bool required;
  };

 protected:
  // How a parasitic element enters the port matrix.
  enum class Form { Plain, Reciprocal, TimesJOmega };
  enum class Where { First, Last, Across, SeriesAtPort1, SeriesAtPort2, CommonLead };
  struct Embedding {
    int key;
    Form form;
    Where where;
  };

  // keys: at most kMaxKeys, indexed by the models' key numbers.
  Transistor(const NetLine& line, std::span<const Key> keys);

  bool Has(int key) const { return given[key]; }
  double Value(int key) const { return values[key]; }
  // The given ones of steps, in order; omega in 1/s.
  void Embed(std::span<const Embedding> steps, double omega);
  // The controlled factor of the key gain with its optional corner frequency and delay.
  Cmplx Factor(int gain, int corner, int delay, float frequency) const;

 private:
  // The pairs of text that the keys claim, in key order, as "KEY=value ..."; which keys were
  // found. Reports a missing required key, a key without '=' and whatever is left over.
  bool MatchKeys(NetLine& text, MyStrng& ordered, std::array<bool, kMaxKeys>& found) const;
  void JoinContinuations(MyStrng& text) const;

  std::span<const Key> keys;
  std::array<float, kMaxKeys> values{};
  std::array<bool, kMaxKeys> given{};
  std::vector<MyStrng> continuations;
  bool tooManyContinuations = false;
};

class FeldeffektTransistor : public Transistor {
 public:
  // Rows of the key table.
  // clang-format off
  enum : int {
    kG, kCGS, kF, kT, kGGS, kRDG, kCDG, kCDC, kCDS, kGDS, kRI,
    kRG, kRD, kRS, kCGE, kCDE, kLG, kLD, kLS, kCGDE, kGDG
  };
  // clang-format on

  explicit FeldeffektTransistor(const NetLine& line);
  static NetElement* Create(const NetLine& line) { return new FeldeffektTransistor(line); }
  // CDC is read and kept but not used.
  void FillMatrix(float frequency) override;
};

class BipolarTransistor : public Transistor {
 public:
  // Rows of the key table.
  // clang-format off
  enum : int {
    kA, kRE, kF, kT, kCE, kCI, kRC, kRCE, kRO, kCO, kRB1,
    kRC1, kRE1, kRB2, kRC2, kCBE, kCBC, kCCE, kLB, kLC, kLE
  };
  // clang-format on

  explicit BipolarTransistor(const NetLine& line);
  static NetElement* Create(const NetLine& line) { return new BipolarTransistor(line); }
  void FillMatrix(float frequency) override;
};
