#include "formats/SpiceRawFile.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "pf/input_file.h"
#include "pf/path_map.h"
#include "simulator/NetlistName.h"

namespace {

void Report(const MyStrng& message) { VS_Error().Error(message, 4); }

// A damaged file may hold lines of any length; a message quotes their beginnings.
constexpr int32_t kQuotedLength = 40;

// A count or index token: digits only. The empty token, which the integer field lets pass,
// is no number either.
bool AllDigits(const MyStrng& token) {
  if (token.IsEmpty()) {
    Report("Ist keine Zahl");
    return false;
  }
  return IntegerWert(token).CheckSyntax();
}

long CountOf(const MyStrng& token) { return IntegerWert(token).Value(); }

// A variable line's index, tested without a message of its own: the line's fault is the message.
bool IsIndex(const MyStrng& token) {
  const std::string s = token.ToCString();
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// What the title test compares: the text before the first '.' in netlist form, the form of the
// netlist's first line, which a SPICE program may give back as the title in place of the name.
std::string ComparedName(const MyStrng& text) { return NetworkName(text.ToCString()).ToCString(); }

// The text before the first tab; a line without one gives all of it.
MyStrng BeforeTab(const MyStrng& text) {
  const std::string s = text.ToCString();
  return MyStrng(s.substr(0, s.find('\t')));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The number that the text from s to end holds, as atof reads it, when atof takes all of it
// (blanks around it aside). A value cut short ("3.000000e"), none at all, or more behind the
// number is no value: atof would read a wrong one. The plain decimals of value lines take the
// faster road; anything else (hex, a '+', a number out of range) is left to strtod.
bool WholeNumber(const char* s, const char* end, double& value) {
  while (s < end && IsBlank(*s)) ++s;
  while (end > s && IsBlank(end[-1])) --end;
  if (s == end) return false;
  const std::from_chars_result plain = std::from_chars(s, end, value);
  if (plain.ec == std::errc() && plain.ptr == end) return true;
  const std::string text(s, end);
  char* stop = nullptr;
  value = std::strtod(text.c_str(), &stop);
  return stop == text.c_str() + text.size();
}

// "re,im", each part a whole number.
bool WholeComplex(const char* s, const char* end, Cmplx& value) {
  const char* comma = static_cast<const char*>(std::memchr(s, ',', static_cast<size_t>(end - s)));
  return comma != nullptr && WholeNumber(s, comma, value.re) &&
         WholeNumber(comma + 1, end, value.im);
}

bool IsSeparator(char c) { return c == ' ' || c == '=' || c == ','; }
bool IsTokenChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '+' || c == '_';
}

// A point's first line, "INDEX VALUE", taken apart as the string class's tokens would take it
// (blanks trimmed, separators skipped, the index a run of token characters), without building
// strings: where the scale's text begins, or null when the index is not plain digits.
const char* ScaleOfPointLine(const char* s) {
  while (IsBlank(*s)) ++s;
  while (IsSeparator(*s)) ++s;
  const char* index = s;
  while (IsTokenChar(*s)) ++s;
  if (s == index) return nullptr;
  for (const char* p = index; p < s; ++p) {
    if (*p < '0' || *p > '9') return nullptr;
  }
  while (IsBlank(*s)) ++s;
  while (IsSeparator(*s)) ++s;
  return s;
}

template <class V>
V Empty() {
  V v;
  v.SetSize(0);
  return v;
}

struct HeaderEntry {
  const char* token;
  int32_t cut;    // the keyword and its colon
  bool numbered;  // behind "No."
};

constexpr HeaderEntry kHeader[] = {
    {"Title", 6, false},     {"Date", 5, false},   {"Plotname", 9, false},
    {"Flags", 6, false},     {"Variables", 10, true}, {"Points", 7, true},
};

}  // namespace

SpiceRawFile::SpiceRawFile() { ClearResults(); }

void SpiceRawFile::ClearResults() {
  resultsLoaded = 0;
  sweepRepetitions = 0;
  pointsPerSweep = 0;
  title.Clear();
  date.Clear();
  plotname.Clear();
  flags.Clear();
  variableCount = 0;
  pointCount = 0;
  variableNames.assign(1, MyStrng());
  realRows.Resize(0, 0);
  complexRows.Resize(0, 0);
  sweepVector = Empty<RVektor>();
  std::string().swap(rawText);
  rawLineCount = 0;
  rawLinesTooLong.Clear();
}

void SpiceRawFile::Fail(const MyStrng& message) {
  resultsLoaded = 0;
  if (!message.IsEmpty()) Report(message);
}

bool SpiceRawFile::NextRaw() {
  if (held) {
    held = false;
    return true;
  }
  while (reader != nullptr && reader->Next(raw)) {
    // Lines are C strings to the parse: a NUL ends them.
    const size_t length = std::strlen(raw.c_str());
    rawCut = reader->LineCut() || length < raw.size();
    raw.resize(length);
    rawEnded = reader->LineEnded();
    Keep();
    if (raw.find_first_not_of(" \t") != std::string::npos) return true;
  }
  return false;
}

void SpiceRawFile::Keep() {
  if (!rawLinesTooLong.IsEmpty()) return;
  // Trimmed as the string class trims a text file's lines: blanks and tabs at the left, blanks
  // at the right; empty ones dropped.
  const size_t first = raw.find_first_not_of(" \t");
  if (first == std::string::npos) return;
  if (rawLineCount >= LineFile::kMaxLines) {
    std::string().swap(rawText);
    rawLinesTooLong = MyStrng("Datei zu groß: ") + path;
    return;
  }
  rawText.append(raw, first, raw.find_last_not_of(' ') + 1 - first).push_back('\n');
  ++rawLineCount;
}

LineFile SpiceRawFile::GetRawLines() const {
  LineFile lines;
  for (size_t start = 0; start < rawText.size();) {
    const size_t end = rawText.find('\n', start);
    lines.Append(MyStrng(rawText.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

bool SpiceRawFile::NextRawOrIncomplete() {
  if (NextRaw()) return true;
  Fail(MyStrng("RawFile unvollständig: ") + path);
  return false;
}

bool SpiceRawFile::NextLine(MyStrng& text) {
  if (!NextRawOrIncomplete()) return false;
  text = raw.c_str();
  text.TrimLeft();
  text.TrimRight();
  return true;
}

bool SpiceRawFile::Invalid() {
  MyStrng line(raw.c_str());
  line.TrimLeft();
  line.TrimRight();
  Fail(MyStrng("Wert ungültig im RawFile: ") + line.Mid(1, kQuotedLength));
  return false;
}

bool SpiceRawFile::Usable(double value) { return std::fabs(value) <= FLT_MAX || Invalid(); }

bool SpiceRawFile::NextValueLine() {
  if (!NextRawOrIncomplete()) return false;
  // What is left of a line cut at its length's bound or at a NUL may look whole ("1.5" of
  // "1.5000...e-03"): it is no value.
  if (rawCut) return Invalid();
  if (rawEnded) return true;
  // The file ends inside this line: its last value may be cut ("1.5e-01,2" of "1.5e-01,2.5e-03")
  // however whole it looks.
  Fail(MyStrng("RawFile unvollständig: ") + path);
  return false;
}

bool SpiceRawFile::NextScale(double& value, bool complex) {
  if (!NextValueLine()) return false;
  const char* scale = ScaleOfPointLine(raw.c_str());
  if (scale == nullptr) {
    // The index is empty or not plain digits.
    Fail("Ist keine Zahl");
    return false;
  }
  const char* end = raw.c_str() + raw.size();
  // Of a complex scale only the real part counts; the imaginary one, which a SPICE program may
  // leave unset, must only be a number.
  Cmplx pair;
  const bool whole = complex ? WholeComplex(scale, end, pair) : WholeNumber(scale, end, pair.re);
  value = pair.re;
  return whole ? Usable(value) : Invalid();
}

bool SpiceRawFile::NextValue(double& value) {
  if (!NextValueLine()) return false;
  return WholeNumber(raw.c_str(), raw.c_str() + raw.size(), value) ? Usable(value) : Invalid();
}

bool SpiceRawFile::NextComplexValue(Cmplx& value) {
  if (!NextValueLine()) return false;
  if (!WholeComplex(raw.c_str(), raw.c_str() + raw.size(), value)) return Invalid();
  return Usable(value.re) && Usable(value.im);
}

bool SpiceRawFile::ReadRawFileFrom(const MyStrng& file) {
  const std::string mapped = pf::MapWindowsPath(file.GetBuffer());
  pf::InputFile in(mapped, kMaxBytes);
  if (!in.IsOpen()) {
    ClearResults();
    // A refused file says why; one that is not there is no raw file.
    Report(in.Refusal().empty() ? MyStrng("Kein RawFile mit Namen: ") + file
                                : MyStrng(in.Refusal()));
    return false;
  }
  const VS_ErrorMark beforeRead;
  // No further than the size when opened, which the bound held.
  bool read = ReadRawStream(in.Stream(), static_cast<int64_t>(in.Size()), file);
  // A stream that ended at a failed read left the steps short, cut or empty lines: the failure
  // is the one reason, whatever they made of it.
  if (!in.Refusal().empty()) {
    beforeRead.Drop();
    ClearResults();
    Report(MyStrng(in.Refusal()));
    read = false;
  }
  return read;
}

bool SpiceRawFile::ReadRawLines(const std::vector<MyStrng>& fileLines, const MyStrng& file) {
  std::string text;
  for (const MyStrng& fileLine : fileLines) text.append(fileLine.ToCString()).push_back('\n');
  std::istringstream in(text);
  return ReadRawStream(in, static_cast<int64_t>(text.size()), file);
}

bool SpiceRawFile::ReadRawStream(std::istream& in, int64_t size, const MyStrng& file) {
  ClearResults();
  path = file;
  // A text file's bound: the view's lines of a larger file are not kept. Those of a smaller one
  // take no more than its size, without the peaks of a growing string.
  if (size > LineFile::kMaxBytes) {
    rawLinesTooLong = MyStrng("Datei zu groß: ") + path;
  } else {
    rawText.reserve(static_cast<size_t>(size));
  }
  reader = std::make_unique<LineReader>(in, size);
  // The first line is taken here already, to tell an empty file from a short one.
  if (!NextRaw()) {
    Report(MyStrng("RawFile mit Namen: ") + file + " ist leer");
  } else {
    held = true;
    resultsLoaded = 1;
    ReadHeader();
    if (resultsLoaded != 0) ReadVariables();
    if (resultsLoaded != 0) {
      if (flags == "real") {
        ReadRealValues();
      } else if (flags == "complex") {
        ReadComplexValues();
      } else {
        Fail(MyStrng("Flags mit Namen: ") + flags + "\n nicht implementiert");
      }
    }
    if (resultsLoaded != 0) {
      sweepRepetitions = 1;
      pointsPerSweep = pointCount;
      CreateSweepVector();
    }
    // The rest of the file, for the view.
    held = false;
    while (resultsLoaded != 0 && rawLinesTooLong.IsEmpty() && NextRaw()) {
    }
  }
  reader.reset();
  held = false;
  raw = std::string();
  // Nothing of a refused file may pass for results.
  if (resultsLoaded == 0) ClearResults();
  return resultsLoaded != 0;
}

void SpiceRawFile::ReadHeader() {
  MyStrng text;
  for (const HeaderEntry& entry : kHeader) {
    if (!NextLine(text)) return;
    if (entry.numbered) {
      text.DeleteLeft(3);
      text.TrimLeft();
    }
    if (!(text.GetNextToken() == entry.token)) {
      Fail(MyStrng("Kein Eintrag: ") + entry.token + " im RawFile");
      return;
    }
    MyStrng value = text;
    value.DeleteLeft(entry.cut);
    value.TrimLeft();
    const std::string token = entry.token;
    if (token == "Title") {
      title = value;
      if (ComparedName(title) != ComparedName(netlistName)) {
        Fail(MyStrng("Titel stimmen nicht!\n") + "\n Rawfile: " + ComparedName(title).c_str() +
             "\n Spicemanager: " + ComparedName(netlistName).c_str());
        return;
      }
    } else if (token == "Date") {
      date = value;
    } else if (token == "Plotname") {
      plotname = value;
    } else if (token == "Flags") {
      flags = value;
    } else if (token == "Variables") {
      // Every variable takes a line of its own.
      if (!AllDigits(value) || CountOf(value) < 1 ||
          CountOf(value) > reader->Left()) {
        Fail("Syntax noVarialbles fehlerhaft");
        return;
      }
      variableCount = static_cast<int32_t>(CountOf(value));
    } else {
      if (!AllDigits(value)) {
        Fail("Syntax noPoints fehlerhaft");
        return;
      }
      if (CountOf(value) == 0) {
        Fail("Keine Punkte vorhanden (noOfPoints = 0)");
        return;
      }
      if (CountOf(value) > reader->Left()) {
        Fail(MyStrng("RawFile unvollständig: ") + path);
        return;
      }
      pointCount = static_cast<int32_t>(CountOf(value));
    }
  }
  // The line after the counts is not examined.
  NextRawOrIncomplete();
}

void SpiceRawFile::SetVariableCount(int n) {
  if (n < 0) n = 0;
  if (variableNames.size() != static_cast<size_t>(n)) variableNames.assign(n, MyStrng());
}

void SpiceRawFile::ReadVariables() {
  SetVariableCount(variableCount);
  MyStrng text;
  if (!NextLine(text)) return;
  if (!(text.GetNextToken() == "Variables")) {
    Fail("Kein Eintrag: Variables im RawFile");
    return;
  }
  // The header's count and the variable lines disagree when the values' heading stands where a
  // variable was due, or a further variable where the heading was.
  const MyStrng countWrong = MyStrng("Anzahl der Variablen stimmt nicht im RawFile: ") + path;
  for (int32_t v = 0; v < variableCount; ++v) {
    if (!NextLine(text)) return;
    const MyStrng index = text.GetNextToken();
    if (index == "Values") return Fail(countWrong);
    if (!IsIndex(index)) return Fail("Syntaxfehler: noVariables");
    variableNames[v] = BeforeTab(text.RemoveNextToken());
  }
  if (!NextLine(text)) return;
  const MyStrng next = text.GetNextToken();
  if (next == MyStrng(std::to_string(variableCount))) return Fail(countWrong);
  // The heading stays for the values' reading, which passes over it.
  held = true;
}

bool SpiceRawFile::ValuesFit() {
  const int64_t values = int64_t{variableCount} * pointCount;
  if (values > kMaxValues) {
    Fail(MyStrng("Datei zu groß: ") + path);
    return false;
  }
  // One line per value behind the heading, which is read: each a character and a line end but
  // the last.
  if (reader->Left() < 2 * values - 1) {
    Fail(MyStrng("RawFile unvollständig: ") + path);
    return false;
  }
  return true;
}

void SpiceRawFile::ReadRealValues() {
  if (!ValuesFit()) return;
  realRows.Resize(variableCount, pointCount);
  if (realRows.Rows() != variableCount) return Fail("Nicht genug Speicher für das RawFile");
  if (!NextRawOrIncomplete()) return;
  for (int32_t p = 0; p < pointCount; ++p) {
    if (!NextScale(realRows[0][p], false)) return;
    for (int32_t v = 1; v < variableCount; ++v) {
      if (!NextValue(realRows[v][p])) return;
    }
  }
}

void SpiceRawFile::ReadComplexValues() {
  if (!ValuesFit()) return;
  complexRows.Resize(variableCount, pointCount);
  if (complexRows.Rows() != variableCount) return Fail("Nicht genug Speicher für das RawFile");
  if (!NextRawOrIncomplete()) return;
  for (int32_t p = 0; p < pointCount; ++p) {
    // Of the scale only the real part counts.
    double scale = 0.0;
    if (!NextScale(scale, true)) return;
    complexRows[0][p] = Cmplx(scale, 0.0);
    for (int32_t v = 1; v < variableCount; ++v) {
      if (!NextComplexValue(complexRows[v][p])) return;
    }
  }
}

void SpiceRawFile::CreateSweepVector() {
  const bool real = flags == "real";
  if (!real && !(flags == "complex")) {
    Fail("Fehler im Unterprogramm: CreateSweepVector");
    return;
  }
  // Read in place: a copy of the scale would be another row of memory.
  const auto scale = [this, real](int32_t i) {
    return real ? realRows[0][i] : complexRows[0][i].re;
  };
  const int32_t size = real ? realRows[0].GetSize() : complexRows[0].GetSize();
  int32_t repetitions = 0;
  for (int32_t i = 0; i < size; ++i) {
    if (scale(i) == scale(0)) ++repetitions;
  }
  sweepRepetitions = repetitions;
  pointsPerSweep = pointCount / repetitions;
  sweepVector.SetSize(pointsPerSweep);
  for (int32_t i = 0; i < pointsPerSweep; ++i) sweepVector[i] = scale(i);
}

RVektor SpiceRawFile::GetScaleVector() const {
  return realRows.Rows() > 0 ? realRows[0] : Empty<RVektor>();
}

const MyStrng& SpiceRawFile::GetVariableName(int index) const {
  static const MyStrng kNone;
  return index >= 0 && static_cast<size_t>(index) < variableNames.size() ? variableNames[index]
                                                                          : kNone;
}

int SpiceRawFile::FindNodeVoltage(int node) const {
  for (size_t i = 0; i < variableNames.size(); ++i) {
    const MyStrng& name = variableNames[i];
    if (name.GetAt(0) != 'V') continue;
    MyStrng number = name;
    number.DeleteLeft(2);
    number.TrimLeft();
    const std::string s = number.ToCString();
    IntegerWert field(MyStrng(s.substr(0, s.find(')'))));
    const long value = field.CheckSyntax() ? field.Value() : 0;
    if (value == node) return static_cast<int>(i);
  }
  return -1;
}

RVektor SpiceRawFile::GetNodeVoltage(int node) const {
  const int row = FindNodeVoltage(node);
  return row >= 0 && row < realRows.Rows() ? realRows[row] : Empty<RVektor>();
}

CVektor SpiceRawFile::GetNodeVoltageComplex(int node) const {
  const int row = FindNodeVoltage(node);
  return row >= 0 && row < complexRows.Rows() ? complexRows[row] : Empty<CVektor>();
}
