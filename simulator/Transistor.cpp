#include "simulator/Transistor.h"

#include <algorithm>
#include <iterator>

#include "simulator/LumpedMath.h"
#include "simulator/PortMatrix.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '=' || c == ','; }

bool IsTokenChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '+' || c == '_';
}

// A token of a transistor line, and whether '=' follows it (blanks between allowed).
struct Token {
  MyStrng text;
  bool equals = false;
};

// Tokens as the netlist knows them; any other character stands alone, so that it is left
// over rather than dropped.
std::vector<Token> Scan(const MyStrng& text) {
  std::vector<Token> tokens;
  const int32_t n = text.GetLength();
  int32_t i = 0;
  while (i < n) {
    if (IsSeparator(text.GetAt(i))) {
      ++i;
      continue;
    }
    const int32_t start = i;
    if (IsTokenChar(text.GetAt(i))) {
      while (i < n && IsTokenChar(text.GetAt(i))) ++i;
    } else {
      ++i;
    }
    int32_t next = i;
    while (next < n && text.GetAt(next) == ' ') ++next;
    tokens.push_back(Token{text.Mid(start + 1, i - start), next < n && text.GetAt(next) == '='});
  }
  return tokens;
}

// NAME '=' value, or a lone token (value empty, no '='). A key at the very end keeps an empty
// value, which its value class refuses.
struct Item {
  MyStrng name;
  MyStrng value;
  bool equals = false;
  bool used = false;
};

std::vector<Item> Pair(const std::vector<Token>& tokens) {
  std::vector<Item> items;
  for (size_t i = 0; i < tokens.size(); ++i) {
    Item item{tokens[i].text, MyStrng(), tokens[i].equals};
    if (item.equals && i + 1 < tokens.size()) item.value = tokens[++i].text;
    items.push_back(item);
  }
  return items;
}

bool Names(const Item& item, const char* name, const char* alias) {
  return item.name == name || (alias != nullptr && item.name == alias);
}

// "FET": the required keys lead; the rest in the order the symbol writes them, GDG last.
constexpr float kNone = 0.0f;
constexpr Transistor::Key kFetKeys[] = {
    {"G", nullptr, ValueClass::Conductance, 0.05f, true},
    {"CGS", nullptr, ValueClass::Capacitance, 1e-12f, true},
    {"F", nullptr, ValueClass::Frequency, kNone, false},
    {"T", nullptr, ValueClass::Time, kNone, false},
    {"GGS", nullptr, ValueClass::Conductance, kNone, false},
    {"RDG", nullptr, ValueClass::Resistance, kNone, false},
    {"CDG", nullptr, ValueClass::Capacitance, kNone, false},
    {"CDC", nullptr, ValueClass::Capacitance, kNone, false},
    {"CDS", nullptr, ValueClass::Capacitance, kNone, false},
    {"GDS", nullptr, ValueClass::Conductance, kNone, false},
    {"RI", nullptr, ValueClass::Resistance, kNone, false},
    {"RG", nullptr, ValueClass::Resistance, kNone, false},
    {"RD", nullptr, ValueClass::Resistance, kNone, false},
    {"RS", nullptr, ValueClass::Resistance, kNone, false},
    {"CGE", nullptr, ValueClass::Capacitance, kNone, false},
    {"CDE", nullptr, ValueClass::Capacitance, kNone, false},
    {"LG", nullptr, ValueClass::Inductance, kNone, false},
    {"LD", nullptr, ValueClass::Inductance, kNone, false},
    {"LS", nullptr, ValueClass::Inductance, kNone, false},
    {"CGDE", nullptr, ValueClass::Capacitance, kNone, false},
    {"GDG", nullptr, ValueClass::Conductance, kNone, false},
};

constexpr Transistor::Key kBipKeys[] = {
    {"A", nullptr, ValueClass::Number, 0.999f, true},
    {"RE", nullptr, ValueClass::Resistance, 1.0f, true},
    {"F", nullptr, ValueClass::Frequency, 1e14f, false},
    {"T", nullptr, ValueClass::Time, kNone, false},
    {"CE", nullptr, ValueClass::Capacitance, kNone, false},
    {"CI", "CC", ValueClass::Capacitance, kNone, false},
    {"RC", nullptr, ValueClass::Resistance, kNone, false},
    {"RCE", nullptr, ValueClass::Resistance, kNone, false},
    {"RO", nullptr, ValueClass::Resistance, kNone, false},
    {"CO", nullptr, ValueClass::Capacitance, kNone, false},
    {"RB1", nullptr, ValueClass::Resistance, kNone, false},
    {"RC1", nullptr, ValueClass::Resistance, kNone, false},
    {"RE1", nullptr, ValueClass::Resistance, kNone, false},
    {"RB2", nullptr, ValueClass::Resistance, kNone, false},
    {"RC2", nullptr, ValueClass::Resistance, kNone, false},
    {"CBE", nullptr, ValueClass::Capacitance, kNone, false},
    {"CBC", nullptr, ValueClass::Capacitance, kNone, false},
    {"CCE", nullptr, ValueClass::Capacitance, kNone, false},
    {"LB", nullptr, ValueClass::Inductance, kNone, false},
    {"LC", nullptr, ValueClass::Inductance, kNone, false},
    {"LE", nullptr, ValueClass::Inductance, kNone, false},
};

static_assert(std::size(kFetKeys) == FeldeffektTransistor::kGDG + 1);
static_assert(std::size(kBipKeys) == BipolarTransistor::kLE + 1);

}  // namespace

Transistor::Transistor(const NetLine& line, std::span<const Key> modelKeys)
    : DreiPol(line), keys(modelKeys.first(std::min<size_t>(modelKeys.size(), kMaxKeys))) {
  for (size_t k = 0; k < keys.size(); ++k) values[k] = keys[k].initial;
}

void Transistor::AddContinuation(const NetLine& continuation) {
  if (continuations.size() < kMaxContinuations) {
    MyStrng text(continuation);
    text.DeleteLeft(1);
    continuations.push_back(text);
  } else if (!tooManyContinuations) {
    tooManyContinuations = true;
    Error("Zuviele Fortsetzungszeilen", 4);
  }
}

void Transistor::JoinContinuations(MyStrng& text) const {
  for (const MyStrng& continuation : continuations) text += MyStrng(" ") + continuation;
}

bool Transistor::MatchKeys(NetLine& text, MyStrng& ordered,
                           std::array<bool, kMaxKeys>& found) const {
  std::vector<Item> items = Pair(Scan(text));
  for (size_t k = 0; k < keys.size(); ++k) {
    const Key& key = keys[k];
    found[k] = false;
    bool lone = false;
    for (Item& item : items) {
      if (item.used || !Names(item, key.name, key.alias)) continue;
      if (!item.equals) {
        lone = true;
        continue;
      }
      item.used = true;
      found[k] = true;
      ordered += MyStrng(key.name) + "=" + item.value + " ";
      break;
    }
    if (!found[k] && lone) {
      text.Error(MyStrng(text) + " = fehlt ", 4);
      return false;
    }
    if (!found[k] && key.required) {
      text.Error(MyStrng(text) + " " + key.name + " fehlt ", 4);
      return false;
    }
  }
  MyStrng leftover;
  for (const Item& item : items) {
    if (item.used) continue;
    leftover += MyStrng(" ") + item.name;
    if (item.equals) leftover += MyStrng("=") + item.value;
  }
  if (!leftover.IsEmpty()) {
    text.Error(MyStrng(text) + leftover + " nicht verwendet ", 4);
    return false;
  }
  return true;
}

void Transistor::LinkReferences(NetLine& check) {
  DreiPol::LinkReferences(check);
  if (check.GetErrorCode() != 0 || GetErrorCode() != 0) return;
  JoinContinuations(check);
  MyStrng ordered;
  std::array<bool, kMaxKeys> found{};
  MatchKeys(check, ordered, found);
}

void Transistor::ParseLine(const SymbolTable& labels) {
  DreiPol::ParseLine(labels);
  JoinContinuations(line);
  MyStrng ordered;
  if (!MatchKeys(line, ordered, given)) return;
  line = ordered;
  for (size_t k = 0; k < keys.size(); ++k) {
    if (given[k] && !ReadValue(line, labels, keys[k].kind, values[k])) return;
  }
}

void Transistor::Embed(std::span<const Embedding> steps, double omega) {
  for (const Embedding& step : steps) {
    if (!Has(step.key)) continue;
    const double x = Value(step.key);
    Cmplx v(x, 0.0);
    if (step.form == Form::Reciprocal) v = v.Inverse();
    if (step.form == Form::TimesJOmega) v = Cmplx(0.0, omega * x);
    switch (step.where) {
      case Where::First: portMatrix->AddToFirst(v); break;
      case Where::Last: portMatrix->AddToLast(v); break;
      case Where::Across: portMatrix->AddAcross(v); break;
      case Where::SeriesAtPort1: portMatrix->AddSeriesAtPort1(v); break;
      case Where::SeriesAtPort2: portMatrix->AddSeriesAtPort2(v); break;
      case Where::CommonLead: portMatrix->AddCommonImpedance(v); break;
    }
  }
}

Cmplx Transistor::Factor(int gain, int corner, int delay, float frequency) const {
  return ControlledFactor(Cmplx(Value(gain), 0.0), frequency, Has(corner),
                          static_cast<float>(Value(corner)), Has(delay),
                          static_cast<float>(Value(delay)));
}

FeldeffektTransistor::FeldeffektTransistor(const NetLine& line) : Transistor(line, kFetKeys) {}

void FeldeffektTransistor::FillMatrix(float frequency) {
  using enum Form;
  using enum Where;
  static constexpr Embedding kOutput[] = {{kGDS, Plain, Last}, {kCDS, TimesJOmega, Last}};
  static constexpr Embedding kOuter[] = {
      {kRD, Plain, SeriesAtPort2},       {kRG, Plain, SeriesAtPort1},
      {kRS, Plain, CommonLead},          {kCDE, TimesJOmega, Last},
      {kCGE, TimesJOmega, First},        {kCGDE, TimesJOmega, Across},
      {kLG, TimesJOmega, SeriesAtPort1}, {kLD, TimesJOmega, SeriesAtPort2},
      {kLS, TimesJOmega, CommonLead}};

  const double omega = 2.0 * kModelPi * frequency;
  const Cmplx one(1.0, 0.0);
  Cmplx y11(0.0, omega * Value(kCGS));
  if (Has(kGGS)) y11 += Value(kGGS);
  if (Has(kRI)) y11 = one / (one / y11 + Value(kRI));
  portMatrix->SetAt(y11, 1, 1);
  portMatrix->SetAt(Cmplx(1e-12, 0.0), 1, 2);
  portMatrix->SetAt(Factor(kG, kF, kT, frequency), 2, 1);
  portMatrix->SetAt(Cmplx(1e-12, 0.0), 2, 2);
  Embed(kOutput, omega);

  // The drain-gate branch: RDG in series with GDG parallel to CDG. A vanishing GDG || CDG
  // (CDG alone at 0 Hz) leaves the branch open rather than shorting gate and drain.
  const bool hasParallel = Has(kGDG) || Has(kCDG);
  if (hasParallel || Has(kRDG)) {
    Cmplx y;
    if (Has(kGDG)) y += Value(kGDG);
    if (Has(kCDG)) y += Cmplx(0.0, omega * Value(kCDG));
    Cmplx z(Has(kRDG) ? Value(kRDG) : 0.0, 0.0);
    const bool open = hasParallel && !(y.Abs() > PortMatrix::kGuard);
    if (!open) {
      if (hasParallel) z += one / y;
      portMatrix->AddAcross(one / z);
    }
  }
  Embed(kOuter, omega);
}

BipolarTransistor::BipolarTransistor(const NetLine& line) : Transistor(line, kBipKeys) {}

void BipolarTransistor::FillMatrix(float frequency) {
  using enum Form;
  using enum Where;
  static constexpr Embedding kInner[] = {{kRC, Reciprocal, Across},
                                         {kCI, TimesJOmega, Across},
                                         {kRB1, Plain, SeriesAtPort1},
                                         {kRCE, Reciprocal, Last},
                                         {kRC1, Plain, SeriesAtPort2}};
  static constexpr Embedding kOuter[] = {
      {kRB2, Plain, SeriesAtPort1},      {kRC2, Plain, SeriesAtPort2},
      {kRE1, Plain, CommonLead},         {kCBE, TimesJOmega, First},
      {kCCE, TimesJOmega, Last},         {kCBC, TimesJOmega, Across},
      {kLB, TimesJOmega, SeriesAtPort1}, {kLC, TimesJOmega, SeriesAtPort2},
      {kLE, TimesJOmega, CommonLead}};

  const double omega = 2.0 * kModelPi * frequency;
  const Cmplx one(1.0, 0.0);
  const Cmplx a = Factor(kA, kF, kT, frequency);
  Cmplx y11 = (one - a) / Value(kRE);
  Cmplx y21 = a / Value(kRE);
  if (Has(kCE)) {
    const Cmplx jwc(0.0, omega * Value(kCE));
    y11 += (one - a) * jwc;
    y21 += a * jwc;
  }
  portMatrix->SetAt(y11, 1, 1);
  portMatrix->SetAt(Cmplx(1e-12, 0.0), 1, 2);
  portMatrix->SetAt(y21, 2, 1);
  portMatrix->SetAt(Cmplx(1e-12, 0.0), 2, 2);
  Embed(kInner, omega);

  // The base-collector branch RO + 1 / (j omega CO), either part alone as well.
  if (Has(kRO) || Has(kCO)) {
    Cmplx z(Has(kRO) ? Value(kRO) : 0.0, 0.0);
    if (Has(kCO)) z += one / Cmplx(0.0, omega * Value(kCO));
    portMatrix->AddAcross(one / z);
  }
  Embed(kOuter, omega);
}
