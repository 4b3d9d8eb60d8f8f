#pragma once
// What the line elements share in reading their lines and filling their matrices.
//
// The values of a line element's own line, read in key order ("Z=50ohm P=0.1m K=2.2 A=0"):
// each value is the word behind the next '=', a label standing for its value. A value whose
// text fails its check, or that breaks the element's rule for it, is not stored; the failure
// is reported (by the value class, the label lookup or here on the line) and Ok() turns
// false, so that the element can refuse itself and the reader leaves it out of its network.

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "simulator/ElementValue.h"
#include "simulator/NetElement.h"

class Cmplx;
class PortMatrix;

// The frame of every line element: its port base, the formula bases it computes with and its
// type name; it fills its matrix at every frequency. The element adds its three passes.
template <class Ports, class... Formulas>
class LineElementFrame : public Ports, public Formulas... {
 public:
  bool SkipsFillMatrix() const override { return false; }

 protected:
  // portArgs construct the port base: the element's line, or nothing for a detached element.
  template <class... PortArgs>
  explicit LineElementFrame(const char* type, const PortArgs&... portArgs) : Ports(portArgs...) {
    this->typeName = type;
  }
};

class LineValueReader {
 public:
  enum class Rule { Any, Positive, NotNegative, Permittivity, OpeningAngle };

  LineValueReader(NetLine& line, const SymbolTable& labels) : line(line), values(line, labels) {}

  // The next value as the value class V; key names it in messages.
  template <class V, class T>
  void Read(const char* key, Rule rule, T& field) {
    double value = 0.0;
    if (values.Read<V>(value) && Keeps(key, rule, value)) field = static_cast<T>(value);
  }
  // The ideal TEM medium's impedance, length, permittivity and attenuation in dB per metre,
  // in this order: Z > 0, P > 0, K >= 1, A >= 0 (a passive line has no gain).
  template <class T>
  void ReadTem(T& z, T& p, T& k, T& a) {
    Read<ResWert>("Z", Rule::Positive, z);
    Read<LaeWert>("P", Rule::Positive, p);
    Read<FloatWert>("K", Rule::Permittivity, k);
    Read<FloatWert>("A", Rule::NotNegative, a);
  }
  // Drops the word of the last value read: the line then starts with the words behind it.
  void SkipValueWord();
  bool Ok() const { return values.AllRead() && line.GetErrorCode() == 0; }

 private:
  // False, reported on the line, when value breaks rule.
  bool Keeps(const char* key, Rule rule, double value);

  NetLine& line;
  ValueReader values;
};

// Y11 at (1,1) and (2,2), Y12 at (1,2) and (2,1): a uniform line.
void SetLineMatrix(PortMatrix& matrix, const Cmplx& y11, const Cmplx& y12);

// A frequency point at which the element's model has no result: the element stands open
// there (every entry 0) rather than repeating an older point, and reports it once.
void LeaveFailedPointOpen(NetElement& element);
