#include "basics/WertMitDim.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

constexpr int kSyntaxCode = 4;

struct UnitRules {
  const char* unit;
  // Frequencies and bit rates keep trailing blanks, so "10Hz " fails.
  bool trimsTrailingBlanks;
  const char* factorMessage;
  const char* noUnitMessage;
  const char* negativeMessage;  // null: negative values are allowed
  const char* wrongUnitMessage;
};

// Indexed by WertMitDim::Quantity. The texts are shown to the user as they stand.
constexpr UnitRules kRules[] = {
    {"m", true, "LAE: Unbekannte Dimension", "LAE: KeineDimension", "Negativer Laenge",
     "LAE: Unbekannte Dimension"},
    {"V", true, "SPA: Unbekannte Dimension", "LAE: KeineDimension", nullptr,
     "SPA: Unbekannte Dimension"},
    {"A", true, "STR: Unbekannte Dimension", "LAE: KeineDimension", nullptr,
     "STR: Unbekannte Dimension"},
    {"F", true, "CAP: Unbekannte Dimension", "CAP: KeineDimension", "Negative Kapazitaet",
     "CAP: Unbekannte Dimension"},
    {"H", true, "IND: Unbekannte Dimension", "IND: KeineDimension", "Negative Induktivitaet",
     "IND: Unbekannte Dimension"},
    {"Mho", true, "LEI: Unbekannte Dimension", "LEI: KeineDimension", "Negativer Leitwert",
     "LEI: Unbekannte Dimension"},
    {"Sec", true, "TIM: Unbekannte Dimension", "TIM: KeineDimension", "Negative Zeit",
     "TIM: Unbekannte Dimension"},
    {"ohm", true, "RES: KeineDimension", "RES: KeineDimension", "Negativer Widerstand",
     "RES: Unbekannte Dimension"},
    {"Hz", false, "FRQ: Unbekannte Dimension", "FRQ: KeineDimension", "Negative Frequenz",
     "FRQ: Unbekannte Dimension"},
    {"Bit/s", false, "BIT/s: Unbekannte Dimension", "BIT/s: Unbekannte Dimension",
     "Negative Bitrate", "FRQ: Unbekannte Dimension"},
};
static_assert(std::size(kRules) == static_cast<size_t>(WertMitDim::Quantity::BitRate) + 1);

const UnitRules& RulesOf(WertMitDim::Quantity quantity) {
  return kRules[static_cast<size_t>(quantity)];
}

// Prefix bands for printing a number; every test is strict, the first that holds wins.
struct PrefixBand {
  double above;
  const char* prefix;
  double scale;
};

constexpr PrefixBand kBands[] = {
    {1e11, "T", 1e12},  {5e8, "G", 1e9},    {5e5, "M", 1e6},     {500.0, "k", 1e3},
    {0.9, "", 1.0},     {5e-4, "m", 1e-3},  {5e-7, "u", 1e-6},   {5e-10, "n", 1e-9},
    {5e-13, "p", 1e-12}, {5e-16, "f", 1e-15},
};

bool Fail(VS_Error& reporter, const char* message) {
  reporter.Error(message, kSyntaxCode);
  return false;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Length of the number part (MyStrng::GetNumberPart): everything before the first letter.
size_t NumberLength(const char* text) {
  size_t n = 0;
  while (text[n] != '\0' && !IsLetter(text[n])) ++n;
  return n;
}

}  // namespace

WertMitDim::WertMitDim(double value) {
  const double magnitude = std::fabs(value);
  const char* prefix = "";
  double scaled = value;
  for (const PrefixBand& band : kBands) {
    if (magnitude > band.above) {
      prefix = band.prefix;
      scaled = value / band.scale;
      break;
    }
  }
  // Room beyond the 16 bytes of the printed field: huge magnitudes print in exponent form.
  char text[48];
  std::snprintf(text, sizeof text, "%10.4g%s", scaled, prefix);
  Assign(text + std::strspn(text, " \t"));
}

void WertMitDim::AppendUnit(Quantity quantity) { *this += RulesOf(quantity).unit; }

float WertMitDim::Value() {
  if (!CheckSyntax()) return 1.0f;
  const float factor = static_cast<float>(UnitFactor());
  return GetNumberPart().ToFloat() * factor;
}

double WertMitDim::UnitFactor() {
  const UnitRules& rules = RulesOf(GetQuantity());
  std::string_view rest = UnitPart();
  double factor = 1.0;
  if (HasPrefix(rest)) {
    factor = PrefixFactor(rest[0]);
    rest.remove_prefix(1);
  }
  if (rest == rules.unit) return factor;
  Fail(*this, rules.factorMessage);
  return 0.0;
}

bool WertMitDim::CheckSyntax() {
  const UnitRules& rules = RulesOf(GetQuantity());
  const MyStrng number = GetNumberPart();
  if (GetBuffer()[number.GetLength()] == '\0') return Fail(*this, rules.noUnitMessage);
  if (number.CheckNumberFormat() != 0) return Fail(*this, "Zuviele Vor- bzw. Nachkommastellen");
  if (rules.negativeMessage != nullptr && number.ToFloat() < 0.0f) {
    return Fail(*this, rules.negativeMessage);
  }
  std::string_view rest = UnitPart();
  if (HasPrefix(rest)) {
    if (!CheckPrefix(rest[0])) return false;
    rest.remove_prefix(1);
  }
  return rest == rules.unit || Fail(*this, rules.wrongUnitMessage);
}

double WertMitDim::PrefixFactor(char letter) {
  switch (letter) {
    case 'T': return 1e12;
    case 'G': return 1e9;
    case 'M': return 1e6;
    case 'K':
    case 'k': return 1e3;
    case 'm': return 1e-3;
    case 'u': return 1e-6;
    case 'n': return 1e-9;
    case 'p': return 1e-12;
    case 'f': return 1e-15;
    default: return 1.0;
  }
}

bool WertMitDim::CheckPrefix(char letter) {
  if (letter != '\0' && std::strchr("TGMKkmunpf", letter) != nullptr) return true;
  const char shown[2] = {letter, '\0'};
  Error(MyStrng("Nicht erlaubter Buchstabe: ") + shown, kSyntaxCode);
  return false;
}

MyStrng WertMitDim::GetDimension() const {
  MyStrng rest(*this);
  rest.DeleteLeft(GetNumberPart().GetLength());
  rest.TrimLeft();
  return rest;
}

MyStrng WertMitDim::ToSpice() const {
  MyStrng spice = GetNumberPart();
  const std::string_view rest = UnitPart();
  if (!HasPrefix(rest)) return spice;
  const char prefix = rest[0];
  if (prefix == 'M') {
    spice += "MEG";
  } else if (prefix == 'm') {
    spice += "m";
  } else if (std::strchr("fpnukKGT", prefix) != nullptr) {
    const char letter[2] = {prefix, '\0'};
    spice += letter;
    spice.MakeUpper();
  }
  return spice;
}

// GetDimension with TrimRight where the quantity trims, read in place: every value of a netlist
// passes here twice.
std::string_view WertMitDim::UnitPart() const {
  const char* text = GetBuffer();
  size_t start = NumberLength(text);
  while (text[start] == ' ' || text[start] == '\t') ++start;
  size_t end = start + std::strlen(text + start);
  if (RulesOf(GetQuantity()).trimsTrailingBlanks) {
    while (end - start > 1 && text[end - 1] == ' ') --end;
  }
  return std::string_view(text + start, end - start);
}

bool WertMitDim::HasPrefix(std::string_view unitPart) const {
  return unitPart.size() > std::strlen(RulesOf(GetQuantity()).unit);
}
