#include "simulator/DataForOnePort.h"

#include <cmath>
#include <numbers>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/ScomFile.h"

namespace {

constexpr const char* kRowError = "Syntaxfehler in Datentabelle";
constexpr const char* kOrderError = "Frequenzwerte in Tabelle fehlerhaft";
constexpr const char* kBelowRows = "Startfrequenz zu klein (Tabelle)";
constexpr const char* kAboveRows = "Stopfrequenz zu groß (Tabelle)";

// m (cos a + j sin a) with a in degrees, exact at multiples of 90 degrees: a short (1, 180) must
// give exactly -1 so that its admittance takes the guard.
Cmplx PolarDegrees(double magnitude, double degrees) {
  double turn = std::fmod(degrees, 360.0);
  if (turn < 0.0) turn += 360.0;
  const double quadrant = std::round(turn / 90.0);  // 0 to 4
  const double rad = (turn - 90.0 * quadrant) * (std::numbers::pi / 180.0);
  const double c = std::cos(rad);
  const double s = std::sin(rad);
  switch (static_cast<int>(quadrant) % 4) {
    case 1:
      return Cmplx(-s * magnitude, c * magnitude);
    case 2:
      return Cmplx(-c * magnitude, -s * magnitude);
    case 3:
      return Cmplx(s * magnitude, -c * magnitude);
    default:
      return Cmplx(c * magnitude, s * magnitude);
  }
}

// The frequency and the 2n numbers that lead a row; false at the first token that fails its check
// (the value classes queue their own message).
template <int n>
bool ScanRow(const MyStrng& row, float& frequency, Cmplx (&pairs)[n]) {
  MyStrng rest(row);
  FreqWert f(rest.GetNextToken());
  if (!f.CheckSyntax()) return false;
  frequency = f.Value();
  for (Cmplx& pair : pairs) {
    double part[2];
    for (double& value : part) {
      rest = rest.RemoveNextToken();
      FloatWert number(rest.GetNextToken());
      if (!number.CheckSyntax()) return false;
      value = number.Value(false);
    }
    pair = PolarDegrees(part[0], part[1]);
  }
  return true;
}

// numerator * g0 / denominator, or numerator * g0 * 1e36 for a vanishing denominator.
Cmplx Guarded(const Cmplx& numerator, const Cmplx& denominator, double g0) {
  if (denominator.Abs() <= PortMatrix::kGuard) return numerator * g0 * PortMatrix::kHuge;
  return numerator * g0 / denominator;
}

// The reference is reported in the reader's own words, not the value class's.
class QuietFloat : public FloatWert {
 public:
  using FloatWert::FloatWert;
  void Error(const MyStrng&, int c) override { code = c; }
};

bool IsCommentLine(const MyStrng& line) {
  const char c = line.GetAt(0);
  return c == '*' || c == '!' || c == '#';
}

bool IsKeywordLine(const MyStrng& line, const char* keyword) {
  if (IsCommentLine(line)) return false;
  MyStrng word(line);
  word.TrimRight();
  return word == keyword;
}

// NAME of a "NAME: value" line, trailing blanks removed; "" without a colon.
MyStrng LabelName(const MyStrng& line) {
  int32_t end = line.Find(":") - 1;
  while (end > 0 && line.GetAt(end - 1) == ' ') --end;
  return end > 0 ? line.Mid(1, end) : MyStrng();
}

// The table with the reference of its option line among the reader's lines.
template <class Table>
NetDataElm* CreateTable(const MyStrng& name, const NetLine& line) {
  const ScomFile* reader = NetContext::ReaderInUse();
  const OptionReference reference =
      reader != nullptr ? TableReference(reader->GetLines(), name) : OptionReference();
  const float conductance =
      reference.ohms > 0.0 ? static_cast<float>(1.0 / reference.ohms) : Table::kDefaultConductance;
  auto* table = new Table(name, line, conductance);
  if (reference.Refused()) {
    table->Error(MyStrng("Bezugswiderstand der Tabelle ") + name + " fehlerhaft: " + reference.text,
                 4);
  }
  return table;
}

}  // namespace

template <int n>
DataTable<n>::DataTable(const MyStrng& name, const NetLine& line, float conductance,
                        bool reportsRangeErrors)
    : NetDataElm(name, line), referenceConductance(conductance), reportsRange(reportsRangeErrors) {}

template <int n>
void DataTable<n>::LinkReferences(NetLine& row) {
  // Further numbers would be dropped without a word, missing ones reported as a bad number.
  const int values = row.CountTokens() - 1;
  if (values != 2 * n) {
    row.Error(RowValuesMessage(row, values, MyStrng(2 * n)), 4);
    row.Error(kRowError, 4);
    return;
  }
  float frequency = 0.0f;
  Cmplx pairs[n];
  if (!ScanRow(row, frequency, pairs)) row.Error(kRowError, 4);
}

template <int n>
void DataTable<n>::AddDataLine(const MyStrng& text) {
  Row row;
  Cmplx pairs[n];
  if (!ScanRow(text, row.frequency, pairs)) {
    Error(kRowError, 4);
    return;
  }
  // Interpolation needs the rows in frequency order.
  if (!rows.empty() && row.frequency < rows.back().frequency) {
    Error(kOrderError, 4);
    return;
  }
  ToAdmittances(pairs, row.y);
  rows.push_back(row);
}

template <int n>
void DataTable<n>::ComputeAt(float frequency) {
  if (rows.empty()) return;
  const Row* edge = nullptr;
  if (frequency < rows.front().frequency) {
    if (reportsRange) Error(kBelowRows, 4);
    edge = &rows.front();
  } else if (frequency > rows.back().frequency) {
    if (reportsRange) Error(kAboveRows, 4);
    edge = &rows.back();
  } else if (rows.size() == 1) {
    edge = &rows.front();  // a single row at its own frequency
  }
  if (edge != nullptr) {
    for (int k = 0; k < n; ++k) current[k] = edge->y[k];
    return;
  }
  size_t upper = 1;
  while (upper + 1 < rows.size() && rows[upper].frequency <= frequency) ++upper;
  const Row& high = rows[upper];
  const Row& low = rows[upper - 1];
  const double span = static_cast<double>(high.frequency) - low.frequency;
  if (span <= 0.0) {
    Error(kOrderError, 4);
    return;
  }
  // Weighted so that a row's own frequency gives exactly its value.
  const double t = (static_cast<double>(frequency) - low.frequency) / span;
  for (int k = 0; k < n; ++k) current[k] = low.y[k] * (1.0 - t) + high.y[k] * t;
}

template <int n>
Cmplx DataTable<n>::GetAdmittance(int k) const {
  return k >= 0 && k < n ? current[k] : Cmplx();
}

template class DataTable<1>;
template class DataTable<4>;

DataForOnePort::DataForOnePort(const MyStrng& name, const NetLine& line, float conductance)
    : DataTable(name, line, conductance, true) {}

NetDataElm* DataForOnePort::Create(const MyStrng& name, const NetLine& line) {
  return CreateTable<DataForOnePort>(name, line);
}

void DataForOnePort::ToAdmittances(const Cmplx (&s)[1], Cmplx (&y)[1]) const {
  const Cmplx one(1.0, 0.0);
  y[0] = Guarded(one - s[0], one + s[0], referenceConductance);
}

DataForTwoPort::DataForTwoPort(const MyStrng& name, const NetLine& line, float conductance)
    : DataTable(name, line, conductance, false) {}

NetDataElm* DataForTwoPort::Create(const MyStrng& name, const NetLine& line) {
  return CreateTable<DataForTwoPort>(name, line);
}

void DataForTwoPort::ToAdmittances(const Cmplx (&s)[4], Cmplx (&y)[4]) const {
  const Cmplx one(1.0, 0.0);
  const Cmplx& s11 = s[0];
  const Cmplx& s21 = s[1];
  const Cmplx& s12 = s[2];
  const Cmplx& s22 = s[3];
  const Cmplx delta = (one + s11) * (one + s22) - s12 * s21;
  const double g0 = referenceConductance;
  y[0] = Guarded((one - s11) * (one + s22) + s12 * s21, delta, g0);
  y[1] = Guarded(s12 * -2.0, delta, g0);
  y[2] = Guarded(s21 * -2.0, delta, g0);
  y[3] = Guarded((one + s11) * (one - s22) + s12 * s21, delta, g0);
}

OptionReference ReadOptionReference(const MyStrng& optionLine) {
  MyStrng rest(optionLine);
  OptionReference reference;
  for (MyStrng word = rest.GetNextToken(); !word.IsEmpty(); word = rest.GetNextToken()) {
    rest = rest.RemoveNextToken();
    word.MakeUpper();
    if (word != "R") continue;
    reference.stated = true;
    reference.text = rest.GetNextToken();
    QuietFloat resistance(reference.text);
    if (resistance.CheckSyntax()) reference.ohms = resistance.Value(false);
    break;
  }
  return reference;
}

OptionReference TableReference(const std::vector<MyStrng>& lines, const MyStrng& name) {
  // Only the first DATA block counts; the table's lines follow its entry up to the next entry.
  enum { kBeforeData, kInData, kInTable } state = kBeforeData;
  for (const MyStrng& line : lines) {
    if (state == kBeforeData) {
      if (IsKeywordLine(line, "DATA")) state = kInData;
      continue;
    }
    if (IsKeywordLine(line, "END")) break;
    if (state == kInData) {
      if (LabelName(line) == name) state = kInTable;
      continue;
    }
    const char c = line.GetAt(0);
    if (c == '#') return ReadOptionReference(line.Mid(2, line.GetLength()));
    const bool partOfTable = line.IsEmpty() || IsCommentLine(line) || c == '+' || c == '.' ||
                             c == '-' || (c >= '0' && c <= '9');
    if (!partOfTable) break;
  }
  return OptionReference();
}

MyStrng RowValuesMessage(const MyStrng& row, int values, const MyStrng& wanted) {
  return MyStrng("Datenzeile hat ") + MyStrng(values) + " statt " + wanted + " Werte: " + row;
}
