#include "simulator/tests/PortMatrixReference.h"

#include <algorithm>
#include <sstream>

namespace {

const char* const kReference =
#include "simulator/tests/fixtures/portmatrix_reference.inc"
    ;

std::vector<ReferenceRecord> Parse() {
  std::vector<ReferenceRecord> records;
  std::istringstream in(kReference);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string key;
    if (!(words >> key)) continue;
    if (key == "twoport" || key == "threeport") {
      records.push_back(ReferenceRecord{key, {}});
      continue;
    }
    if (records.empty()) continue;
    std::vector<double>& v = records.back().values[key];
    for (double x; words >> x;) v.push_back(x);
  }
  return records;
}

}  // namespace

Cmplx ReferenceRecord::Value(const std::string& key, int i) const {
  const std::vector<double>& v = values.at(key);
  return Cmplx(v.at(2 * i), v.at(2 * i + 1));
}

PortMatrix ReferenceRecord::Matrix(const std::string& key, int n, char kind) const {
  std::vector<Cmplx> entries;
  for (int i = 0; i < n * n; ++i) entries.push_back(Value(key, i));
  PortMatrix m(n, entries.data());
  m.SetKind(kind);
  return m;
}

const std::vector<ReferenceRecord>& ReferenceRecords() {
  static const std::vector<ReferenceRecord> records = Parse();
  return records;
}

std::vector<const ReferenceRecord*> ReferenceRecords(const std::string& kind) {
  std::vector<const ReferenceRecord*> out;
  for (const ReferenceRecord& r : ReferenceRecords())
    if (r.kind == kind) out.push_back(&r);
  return out;
}

testing::AssertionResult Near(const Cmplx& a, const Cmplx& b, double tolerance) {
  const double error = (a - b).Abs();
  if (error <= tolerance * std::max(1.0, b.Abs())) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << a.re << ", " << a.im << ") instead of (" << b.re
                                     << ", " << b.im << "), error " << error;
}

testing::AssertionResult NearMatrix(const PortMatrix& a, const PortMatrix& b, double tolerance) {
  if (a.GetKind() != b.GetKind() || a.GetSize() != b.GetSize())
    return testing::AssertionFailure() << "kind " << a.GetKind() << " order " << a.GetSize()
                                       << " instead of " << b.GetKind() << " " << b.GetSize();
  for (int i = 1; i <= a.GetSize(); ++i)
    for (int j = 1; j <= a.GetSize(); ++j) {
      testing::AssertionResult r = Near(a.GetAt(i, j), b.GetAt(i, j), tolerance);
      if (!r) return r << " at (" << i << ", " << j << ")";
    }
  return testing::AssertionSuccess();
}
