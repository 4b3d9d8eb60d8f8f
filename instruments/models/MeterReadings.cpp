#include "instruments/models/MeterReadings.h"

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "formats/SpiceRawFile.h"

namespace {

template <class Row>
Row Empty() {
  Row row;
  row.SetSize(0);
  return row;
}

// A pin on ground reads zeros; a node the result lacks reads nothing.
template <class Row, class Get>
bool NodeRow(int node, int32_t points, Get get, Row& row) {
  if (node == 0) {
    row.SetSize(points);
    row.Zero();
    return row.GetSize() == points;
  }
  row = get(node);
  return row.GetSize() == points;
}

MyStrng Amount(char mode, double value) {
  return mode == 'I' ? MyStrng(StromWert(value)) : MyStrng(SpanWert(value));
}

// The rows of a nested DC sweep repeat the first sweep's values.
double AbscissaAt(const RVektor& abscissa, int32_t i) {
  const int32_t n = abscissa.GetSize();
  return n > 0 ? abscissa[i % n] : 0.0;
}

// The mean of the values: over the time of a transient, each step weighted by how long it
// lasts (the trapezoid rule; SPICE's steps are uneven), else over the points. No values have
// no mean; 0 stands for it.
double MeanOf(const RVektor& values, const RVektor& times, bool overTime) {
  const int32_t n = values.GetSize();
  if (n == 0) return 0.0;
  const double span = n > 1 && times.GetSize() == n ? times[n - 1] - times[0] : 0.0;
  if (overTime && span > 0.0) {
    double area = 0.0;
    for (int32_t i = 1; i < n; ++i) {
      area += (values[i - 1] + values[i]) * (times[i] - times[i - 1]);
    }
    return area / (2.0 * span);
  }
  double sum = 0.0;
  for (int32_t i = 0; i < n; ++i) sum += values[i];
  return sum / n;
}

}  // namespace

void MeterReadings::Read(const SpiceRawFile& result, int node1, int node2, char mode, double ri) {
  const int32_t points = result.GetPointCount();
  const double scale = mode == 'I' && ri != 0.0 ? 1.0 / ri : 1.0;
  complex = result.IsComplexResult();
  values = Empty<RVektor>();
  complexValues = Empty<CVektor>();
  if (complex) {
    abscissaValues = result.GetSweepVector();
    const auto get = [&result](int n) { return result.GetNodeVoltageComplex(n); };
    CVektor v1;
    CVektor v2;
    if (!NodeRow(node1, points, get, v1) || !NodeRow(node2, points, get, v2)) return;
    complexValues.SetSize(points);
    for (int32_t i = 0; i < points; ++i) {
      const Cmplx d = v1[i] - v2[i];
      complexValues[i] = Cmplx(d.re * scale, d.im * scale);
    }
    return;
  }
  abscissaValues = Empty<RVektor>();
  abscissa = 'O';
  if (result.IsDcTransferResult()) {
    abscissa = 'S';
    abscissaValues = result.GetSweepVector();
  } else if (result.IsTransientResult()) {
    abscissa = 'T';
    abscissaValues = result.GetScaleVector();
  }
  const auto get = [&result](int n) { return result.GetNodeVoltage(n); };
  RVektor v1;
  RVektor v2;
  if (!NodeRow(node1, points, get, v1) || !NodeRow(node2, points, get, v2)) return;
  values.SetSize(points);
  for (int32_t i = 0; i < points; ++i) values[i] = (v1[i] - v2[i]) * scale;
}

void MeterReadings::BuildTable(char mode, char display, LineFile& log) const {
  log.RemoveAll();
  if (complex) {
    for (int32_t i = 0; i < complexValues.GetSize(); ++i) {
      const Cmplx& v = complexValues[i];
      MyStrng line = MyStrng(FreqWert(AbscissaAt(abscissaValues, i))) + "\t\t";
      if (display == 'A') {
        line += Amount(mode, v.Abs());
      } else if (display == 'K') {
        line += Amount(mode, v.re) + "\t j" + Amount(mode, v.im);
      } else if (display == 'P') {
        line += FloatWert(v.PhaseDeg());
      }
      log.Append(line);
    }
    return;
  }
  if (display == 'M') {
    log.Append(MyStrng("Mittelwert: ") +
               Amount(mode, MeanOf(values, abscissaValues, abscissa == 'T')));
    return;
  }
  for (int32_t i = 0; i < values.GetSize(); ++i) {
    MyStrng x;
    if (abscissa == 'S') {
      x = SpanWert(AbscissaAt(abscissaValues, i));
    } else if (abscissa == 'T') {
      x = TimWert(AbscissaAt(abscissaValues, i));
    } else {
      x = IntegerWert(static_cast<int>(i));
    }
    log.Append(x + "\t\t" + Amount(mode, values[i]));
  }
}
