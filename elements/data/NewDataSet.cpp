#include "elements/data/NewDataSet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

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

// What an option line states, each word taken for what it is, in any order and case.
struct OptionWords {
  MyStrng unit;           // "GHz", "MHz", "kHz" or "Hz"; empty when no word names one
  char format = 0;        // 'L' or 'D'; 0 when no word names one
  bool complete = false;  // unit, S, format and a reference above 0 all stated
  double ohms = 0.0;
  MyStrng refusal;  // why the rows cannot be read as the line says; empty when they can
};

bool IsOptionSeparator(char c) { return IsSeparator(c) || c == '\t'; }

// The words between blanks, tabs, '=' and ','; a '!' begins a comment.
std::vector<std::string> SplitOptionLine(const MyStrng& optionLine) {
  std::string text = optionLine.ToCString();
  text.resize(std::min(text.size(), text.find('!')));
  std::vector<std::string> words;
  for (size_t at = 0; at < text.size();) {
    while (at < text.size() && IsOptionSeparator(text[at])) ++at;
    const size_t start = at;
    while (at < text.size() && !IsOptionSeparator(text[at])) ++at;
    if (at > start) words.push_back(text.substr(start, at - start));
  }
  return words;
}

OptionWords ReadOptionWords(const MyStrng& optionLine, const MyStrng& path) {
  enum Kind { kUnit, kParameter, kFormat, kReference, kKinds };
  constexpr struct {
    const char* word;
    Kind kind;
    const char* setting;  // the unit, or the format letter
  } kWords[] = {{"GHZ", kUnit, "GHz"}, {"MHZ", kUnit, "MHz"}, {"KHZ", kUnit, "kHz"},
                {"HZ", kUnit, "Hz"},   {"S", kParameter, ""},   {"Y", kParameter, ""},
                {"Z", kParameter, ""}, {"H", kParameter, ""},   {"G", kParameter, ""},
                {"MA", kFormat, "L"},  {"DB", kFormat, "D"},    {"RI", kFormat, ""},
                {"R", kReference, ""}};
  // The simulator takes the reference behind the first "R" of the line, whose tabs its reader
  // makes blanks.
  std::string blanks = optionLine.ToCString();
  std::replace(blanks.begin(), blanks.end(), '\t', ' ');
  const OptionReference reference = ReadOptionReference(MyStrng(blanks));
  const MyStrng where = MyStrng(" in der Optionszeile von ") + path + ": ";
  const std::vector<std::string> words = SplitOptionLine(optionLine);
  OptionWords read;
  MyStrng unsupported;  // an RI format, or a first parameter word other than S
  MyStrng odd;          // the first word that is none of them, or a second of its kind
  bool seen[kKinds] = {};
  for (size_t i = 0; i < words.size(); ++i) {
    MyStrng upper(words[i]);
    upper.MakeUpper();
    const auto* known = std::find_if(std::begin(kWords), std::end(kWords),
                                     [&upper](const auto& w) { return upper == w.word; });
    if (known == std::end(kWords) || seen[known->kind]) {
      if (odd.IsEmpty()) {
        odd = MyStrng(known == std::end(kWords) ? "Unbekanntes Wort" : "Doppeltes Wort") + where +
              MyStrng(words[i]);
      }
      if (known != std::end(kWords) && known->kind == kReference) ++i;  // its number
      continue;
    }
    seen[known->kind] = true;
    if (known->kind == kUnit) read.unit = known->setting;
    if (known->kind == kFormat && *known->setting != '\0') read.format = *known->setting;
    if (upper == "RI" && unsupported.IsEmpty()) unsupported = "RI-Format wird nicht unterstützt";
    if (known->kind == kParameter && upper != "S" && unsupported.IsEmpty()) {
      unsupported = upper + "-Parameter werden nicht unterstützt";
    }
    if (known->kind != kReference) continue;
    // The number belongs to the "R"; one the simulator would read otherwise is no number.
    const MyStrng number = ++i < words.size() ? MyStrng(words[i]) : MyStrng();
    if (number != reference.text && !reference.Refused() && odd.IsEmpty()) {
      odd = MyStrng("Unbekanntes Wort") + where + number;
    }
  }
  if (!unsupported.IsEmpty()) {
    read.refusal = unsupported;
  } else if (reference.Refused()) {
    read.refusal = MyStrng("Bezugswiderstand fehlerhaft: ") + reference.text;
  } else {
    read.refusal = odd;
  }
  read.complete = read.refusal.IsEmpty() && seen[kUnit] && seen[kParameter] && seen[kFormat] &&
                  seen[kReference] && reference.stated;
  read.ohms = reference.ohms;
  return read;
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
  // The option line reaches the simulator as written, which takes the reference wherever the
  // line states it; a word the rows cannot be read by keeps the file out.
  const OptionWords read = ReadOptionWords(optionLine, dataLines.fileName);
  if (!read.unit.IsEmpty()) frequencyUnit = read.unit;
  if (read.format != 0) format = read.format;
  if (!read.refusal.IsEmpty()) {
    Report(read.refusal);
    return false;
  }
  if (!read.complete) return false;
  z01 = static_cast<float>(read.ohms);
  z02 = z01;
  return true;
}

bool NewDataSet::LocateOptionLine() {
  bool found = false;
  dataLines.ForEach([this, &found](const MyStrng& line) {
    if (found || line.GetAt(0) != '#') return;
    found = true;
    // Without a blank behind the '#' the unit stays whole ("#GHz").
    optionLine = line.Mid(2, line.GetLength());
    optionLine.TrimLeft();
  });
  return found;
}

bool NewDataSet::FindOptionLine() { return LocateOptionLine() && ParseOptionLine(); }

bool NewDataSet::TakeOptionLine() {
  if (!LocateOptionLine()) return true;
  const OptionWords read = ReadOptionWords(optionLine, dataLines.fileName);
  if (!read.refusal.IsEmpty()) {
    Report(read.refusal);
    return false;
  }
  if (read.complete) {
    frequencyUnit = read.unit;
    format = read.format;
    z01 = static_cast<float>(read.ohms);
    z02 = z01;
  }
  return true;
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
  const auto refuse = [this]() {
    Report(MyStrng("Datenzeile fehlerhaft: ") + currentLine);
    return false;
  };
  // Values in pairs of magnitude and angle; dB magnitudes become linear ones.
  bool magnitude = true;
  for (std::string token = nextToken(); !token.empty(); token = nextToken()) {
    double value = 0.0;
    if (!ReadNumber(MyStrng(token), value)) return refuse();
    if (magnitude && format == 'D') value = std::pow(10.0, value / 20.0);
    const MyStrng number = PlainDecimal(value);
    if (number.IsEmpty() || converted.empty()) return refuse();
    converted += ' ';
    converted += number.ToCString();
    magnitude = !magnitude;
  }
  // A character that can start no token would drop the values behind it.
  if (at < text.size()) return refuse();
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
