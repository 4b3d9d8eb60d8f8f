#include "elements/data/NewDataSet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "basics/VS_Error.h"
#include "pf/archive.h"
#include "simulator/DataForOnePort.h"

namespace {

void Report(const MyStrng& message) { VS_Error().Error(message, 4); }

bool IsSeparator(char c) { return c == ' ' || c == '=' || c == ','; }

bool IsTokenChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' ||
         c == '-' || c == '+' || c == '_';
}

bool IsCommentLine(const MyStrng& line) {
  const char c = line.GetAt(0);
  return c == '*' || c == '!' || c == '#';
}

// A decimal number with an optional exponent, in full double precision. Files carry more
// digits than the value classes' own check allows, and exponents in any form ("1e9",
// "1.5E+009"); hexadecimal forms, "inf" and "nan" are no numbers here.
bool ReadNumber(const MyStrng& token, double& value) {
  const std::string text = token.ToCString();
  if (text.empty() || text.find_first_not_of("0123456789.+-eE") != std::string::npos) {
    return false;
  }
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(value);
}

// The next token upper-cased; the token leaves the rest.
MyStrng TakeUpperToken(MyStrng& rest) {
  MyStrng token = rest.GetNextToken();
  token.MakeUpper();
  rest = rest.RemoveNextToken();
  return token;
}

// The report of the option line's format of real and imaginary parts, or of its parameter
// word (the first of S, Y, Z, H and G) when that is not S, whichever comes first; empty
// without either.
MyStrng UnsupportedOption(const MyStrng& optionLine) {
  MyStrng rest(optionLine);
  bool parameterSeen = false;
  for (MyStrng word = TakeUpperToken(rest); !word.IsEmpty(); word = TakeUpperToken(rest)) {
    if (word == "RI") return "RI-Format wird nicht unterstützt";
    if (parameterSeen) continue;
    parameterSeen = word == "S";
    if (word == "Y" || word == "Z" || word == "H" || word == "G") {
      return word + "-Parameter werden nicht unterstützt";
    }
  }
  return MyStrng();
}

// The frequency as a plain decimal under the SI prefix its size calls for.
MyStrng PlainFrequency(double hertz) {
  constexpr struct {
    double factor;
    const char* unit;
  } kUnits[] = {{1e12, "THz"}, {1e9, "GHz"}, {1e6, "MHz"}, {1e3, "kHz"}};
  for (const auto& u : kUnits) {
    if (std::fabs(hertz) >= u.factor) {
      const MyStrng number = PlainDecimal(hertz / u.factor);
      return number.IsEmpty() ? number : number + u.unit;
    }
  }
  const MyStrng number = PlainDecimal(hertz);
  return number.IsEmpty() ? number : number + "Hz";
}

}  // namespace

MyStrng PlainDecimal(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e10) return MyStrng();
  char text[40];
  std::snprintf(text, sizeof text, "%.10f", value);
  std::string s(text);
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return MyStrng(s);
}

double NewDataSet::GetFrequencyFactor() const {
  if (frequencyUnit == "MHz") return 1e6;
  if (frequencyUnit == "kHz") return 1e3;
  if (frequencyUnit == "Hz") return 1.0;
  return 1e9;
}

bool NewDataSet::ParseOptionLine() {
  // The option line reaches the simulator as written, and it takes the reference wherever the
  // line states it: one it refuses keeps the file out, also behind words out of order. So does
  // a word that says the rows hold something else than magnitude and angle of S parameters.
  const OptionReference reference = ReadOptionReference(optionLine);
  const auto fail = [this, &reference]() {
    if (const MyStrng unsupported = UnsupportedOption(optionLine); !unsupported.IsEmpty()) {
      Report(unsupported);
    } else if (reference.Refused()) {
      Report(MyStrng("Bezugswiderstand fehlerhaft: ") + reference.text);
    }
    return false;
  };
  MyStrng rest(optionLine);
  const MyStrng unit = TakeUpperToken(rest);
  if (unit == "GHZ") {
    frequencyUnit = "GHz";
  } else if (unit == "MHZ") {
    frequencyUnit = "MHz";
  } else if (unit == "KHZ") {
    frequencyUnit = "kHz";
  } else if (unit == "HZ") {
    frequencyUnit = "Hz";
  } else {
    return fail();
  }
  if (TakeUpperToken(rest) != "S") return fail();
  const MyStrng form = TakeUpperToken(rest);
  if (form == "MA") {
    format = 'L';
  } else if (form == "DB") {
    format = 'D';
  } else {
    return fail();
  }
  if (TakeUpperToken(rest) != "R" || reference.Refused()) return fail();
  z01 = static_cast<float>(reference.ohms);
  z02 = z01;
  return true;
}

bool NewDataSet::FindOptionLine() {
  bool found = false;
  dataLines.ForEach([this, &found](const MyStrng& line) {
    if (found || line.GetAt(0) != '#') return;
    found = true;
    // Without a blank behind the '#' the unit stays whole ("#GHz").
    optionLine = line.Mid(2, line.GetLength());
    optionLine.TrimLeft();
  });
  return found && ParseOptionLine();
}

bool NewDataSet::ConvertDataLine() {
  if (IsCommentLine(currentLine)) return true;
  std::string text = currentLine.ToCString();
  // A comment behind the data ends it; tabs separate like blanks.
  text.resize(std::min(text.size(), text.find('!')));
  for (char& c : text) c = c == '\t' ? ' ' : c;
  // One pass over the row: a file may hold rows of megabytes.
  size_t at = 0;
  const auto nextToken = [&text, &at]() {
    while (at < text.size() && IsSeparator(text[at])) ++at;
    const size_t start = at;
    while (at < text.size() && IsTokenChar(text[at])) ++at;
    return text.substr(start, at - start);
  };
  double frequency = 0.0;
  if (!ReadNumber(MyStrng(nextToken()), frequency)) {
    Report(MyStrng("Frequenz fehlerhaft: ") + currentLine);
    return false;
  }
  std::string converted = PlainFrequency(frequency * GetFrequencyFactor()).ToCString();
  // Values in pairs of magnitude and angle; dB magnitudes become linear ones. A character
  // that can start no token ends the values.
  bool magnitude = true;
  for (std::string token = nextToken(); !token.empty(); token = nextToken()) {
    double value = 0.0;
    if (!ReadNumber(MyStrng(token), value)) {
      Report(MyStrng("Datenzeile fehlerhaft: ") + currentLine);
      return false;
    }
    if (magnitude && format == 'D') value = std::pow(10.0, value / 20.0);
    const MyStrng number = PlainDecimal(value);
    if (number.IsEmpty() || converted.empty()) {
      Report(MyStrng("Datenzeile fehlerhaft: ") + currentLine);
      return false;
    }
    converted += ' ';
    converted += number.ToCString();
    magnitude = !magnitude;
  }
  currentLine = MyStrng(converted);
  return true;
}

MyStrng NewDataSet::GetNextDataLine() {
  currentLine = dataLines.GetNext();
  ConvertDataLine();
  return currentLine;
}

bool NewDataSet::TakesCutLines(const std::vector<MyStrng>& cut, const MyStrng& path) {
  for (const MyStrng& line : cut) {
    if (!line.IsEmpty() && IsCommentLine(line)) continue;
    Report(MyStrng("Datenzeile mit Nullzeichen: ") + (line.IsEmpty() ? path : line));
    return false;
  }
  return true;
}

int32_t NewDataSet::CountConvertedRows() {
  const MyStrng held = currentLine;
  int32_t rows = 0;
  int32_t wanted = 0;  // the values of every row, which the first sets
  dataLines.ForEach([this, &rows, &wanted](const MyStrng& line) {
    if (rows < 0 || IsCommentLine(line)) return;
    currentLine = line;
    if (!ConvertDataLine()) {
      rows = -1;
      return;
    }
    // A converted row is its frequency and a blank before each value.
    const std::string converted = currentLine.ToCString();
    const auto values = static_cast<int32_t>(std::count(converted.begin(), converted.end(), ' '));
    const bool first = rows == 0;
    if (first ? values == 2 || values == 8 : values == wanted) {
      wanted = values;
      ++rows;
      return;
    }
    Report(RowValuesMessage(line, values, first ? MyStrng("2 oder 8") : MyStrng(wanted)));
    rows = -1;
  });
  currentLine = held;
  return rows;
}

void NewDataSet::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    dataVersion.Serialize(ar);
    if (dataVersion == kUnitVersion) {
      frequencyUnit.Serialize(ar);
      ar << format;
    }
    dataLines.Serialize(ar);
    dataName.Serialize(ar);
    ar << parameterType << z01 << z02;
    return;
  }
  MyStrng version;
  version.Serialize(ar);
  MyStrng unit("GHZ");
  char form = 'L';
  if (version == kUnitVersion) {
    unit.Serialize(ar);
    ar >> form;
  }
  dataLines.Serialize(ar);
  dataName.Serialize(ar);
  ar >> parameterType >> z01 >> z02;
  dataVersion = version;
  frequencyUnit = unit;
  format = form;
}
