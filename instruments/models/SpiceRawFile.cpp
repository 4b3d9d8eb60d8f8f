#include "instruments/models/SpiceRawFile.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "simulator/NetlistName.h"

namespace {

void Report(const MyStrng& message) { VS_Error().Error(message, 4); }

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

// What the title test compares: the text before the first '.' in netlist form, the form of the
// netlist's first line, which a SPICE program may give back as the title in place of the name.
std::string ComparedName(const MyStrng& text) { return NetworkName(text.ToCString()).ToCString(); }

// The text before the first tab; a line without one gives all of it.
MyStrng BeforeTab(const MyStrng& text) {
  const std::string s = text.ToCString();
  return MyStrng(s.substr(0, s.find('\t')));
}

Cmplx ComplexValue(const MyStrng& text) {
  const char* s = text.GetBuffer();
  const char* comma = std::strchr(s, ',');
  return Cmplx(std::atof(s), comma != nullptr ? std::atof(comma + 1) : 0.0);
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
  rawLines.RemoveAll();
}

void SpiceRawFile::Fail(const MyStrng& message) {
  resultsLoaded = 0;
  if (!message.IsEmpty()) Report(message);
}

const MyStrng* SpiceRawFile::NextLine() {
  if (lines == nullptr || cursor >= lines->size()) {
    Fail(MyStrng("RawFile unvollständig: ") + path);
    return nullptr;
  }
  return &(*lines)[cursor++];
}

bool SpiceRawFile::ReadRawFileFrom(const MyStrng& file) {
  std::vector<MyStrng> read;
  if (LineFile::ReadLines(file, read) == 0) {
    ClearResults();
    Report(MyStrng("Kein RawFile mit Namen: ") + file);
    return false;
  }
  return ReadRawLines(read, file);
}

bool SpiceRawFile::ReadRawLines(const std::vector<MyStrng>& fileLines, const MyStrng& file) {
  ClearResults();
  for (const MyStrng& line : fileLines) rawLines.Append(line);
  path = file;
  lines = &fileLines;
  cursor = 0;
  if (rawLines.GetCharCount() == 0) {
    Report(MyStrng("RawFile mit Namen: ") + file + " ist leer");
  } else {
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
  }
  lines = nullptr;
  // Nothing of a refused file may pass for results.
  if (resultsLoaded == 0) {
    const MyStrng keptPath = path;
    ClearResults();
    path = keptPath;
  }
  return resultsLoaded != 0;
}

void SpiceRawFile::ReadHeader() {
  for (const HeaderEntry& entry : kHeader) {
    const MyStrng* line = NextLine();
    if (line == nullptr) return;
    MyStrng text = *line;
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
          CountOf(value) > static_cast<long>(lines->size())) {
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
      if (CountOf(value) > static_cast<long>(lines->size())) {
        Fail(MyStrng("RawFile unvollständig: ") + path);
        return;
      }
      pointCount = static_cast<int32_t>(CountOf(value));
    }
  }
  // The line after the counts is not examined.
  NextLine();
}

void SpiceRawFile::SetVariableCount(int n) {
  if (n < 0) n = 0;
  if (variableNames.size() != static_cast<size_t>(n)) variableNames.assign(n, MyStrng());
}

void SpiceRawFile::ReadVariables() {
  SetVariableCount(variableCount);
  const MyStrng* line = NextLine();
  if (line == nullptr) return;
  if (!(line->GetNextToken() == "Variables")) {
    Fail("Kein Eintrag: Variables im RawFile");
    return;
  }
  for (int32_t v = 0; v < variableCount; ++v) {
    line = NextLine();
    if (line == nullptr) return;
    MyStrng text = *line;
    if (!AllDigits(text.GetNextToken())) {
      Fail("Syntaxfehler: noVariables");
      return;
    }
    variableNames[v] = BeforeTab(text.RemoveNextToken());
  }
}

bool SpiceRawFile::ValuesFit() {
  // The values heading, then one line per value.
  const int64_t needed = 1 + int64_t{variableCount} * pointCount;
  if (lines == nullptr || cursor > lines->size() ||
      static_cast<int64_t>(lines->size() - cursor) < needed) {
    Fail(MyStrng("RawFile unvollständig: ") + path);
    return false;
  }
  return true;
}

void SpiceRawFile::ReadRealValues() {
  if (!ValuesFit()) return;
  realRows.Resize(variableCount, pointCount);
  if (realRows.Rows() != variableCount) return Fail("Nicht genug Speicher für das RawFile");
  NextLine();
  for (int32_t p = 0; p < pointCount; ++p) {
    MyStrng text = *NextLine();
    if (!AllDigits(text.GetNextToken())) return Fail(MyStrng());
    realRows[0][p] = std::atof(text.RemoveNextToken().GetNextToken().GetBuffer());
    for (int32_t v = 1; v < variableCount; ++v) {
      realRows[v][p] = std::atof(NextLine()->GetBuffer());
    }
  }
}

void SpiceRawFile::ReadComplexValues() {
  if (!ValuesFit()) return;
  complexRows.Resize(variableCount, pointCount);
  if (complexRows.Rows() != variableCount) return Fail("Nicht genug Speicher für das RawFile");
  NextLine();
  for (int32_t p = 0; p < pointCount; ++p) {
    MyStrng text = *NextLine();
    if (!AllDigits(text.GetNextToken())) return Fail(MyStrng());
    // Of the scale only the real part counts.
    complexRows[0][p] = Cmplx(std::atof(text.RemoveNextToken().GetNextToken().GetBuffer()), 0.0);
    for (int32_t v = 1; v < variableCount; ++v) complexRows[v][p] = ComplexValue(*NextLine());
  }
}

void SpiceRawFile::CreateSweepVector() {
  RVektor scale;
  if (flags == "real") {
    scale = realRows[0];
  } else if (flags == "complex") {
    const CVektor& row = complexRows[0];
    scale.SetSize(row.GetSize());
    for (int32_t i = 0; i < row.GetSize(); ++i) scale[i] = row[i].re;
  } else {
    Fail("Fehler im Unterprogramm: CreateSweepVector");
    return;
  }
  int32_t repetitions = 0;
  for (int32_t i = 0; i < scale.GetSize(); ++i) {
    if (scale[i] == scale[0]) ++repetitions;
  }
  // A scale that is NaN at its start equals nothing, itself included.
  if (repetitions < 1) repetitions = 1;
  sweepRepetitions = repetitions;
  pointsPerSweep = pointCount / repetitions;
  sweepVector.SetSize(pointsPerSweep);
  for (int32_t i = 0; i < pointsPerSweep; ++i) sweepVector[i] = scale[i];
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
