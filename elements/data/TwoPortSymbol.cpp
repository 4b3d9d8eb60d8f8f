#include "elements/data/TwoPortSymbol.h"

#include "basics/VS_Error.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/SymbolText.h"
#include "formats/GerberPlotFile.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(TwoPortSymbol, ZweiPolSymbol, 1)

namespace {

void ReportUnreadable(const std::string& path) {
  VS_Error().Error(MyStrng("Datei konnte nicht gelesen werden: ") + MyStrng(path), 4);
}

}  // namespace

TwoPortSymbol::TwoPortSymbol() { Init(); }

TwoPortSymbol::TwoPortSymbol(const Point& start, const Point& end) : ZweiPolSymbol(start, end) {
  Init();
}

void TwoPortSymbol::Init() {
  classKey = kClassKey;
  smdFlag = 1;
  smdLength = LaeWert(0.001);
  layer = 'B';
}

void TwoPortSymbol::Serialize(pf::Archive& ar) {
  ZweiPolSymbol::Serialize(ar);
  NewDataSet::Serialize(ar);
  if (ar.IsStoring()) {
    ar << portKind;
  } else {
    ar >> portKind;
  }
}

void TwoPortSymbol::WriteGerber(GerberPlotFile& file) const {
  if (aperture.IsEmpty()) return;
  ZweiPolSymbol::WriteGerber(file);
  file.Flash(layoutOrigin + LayoutVector() * 0.5f);
}

void TwoPortSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawCentredLabel(dc, dataName, centre, horizontal != 0);
}

void TwoPortSymbol::WriteNetLine() {
  netLine = pinCount == 1 || portKind == 'P' ? "ONE" : "TWO";
  for (int i = 0; i < UsedPins(); ++i) netLine += MyStrng(" ") + MyStrng(nodes[i]);
  netLine += MyStrng(" ") + elementName;
  table.RemoveAll();
  // A circuit may keep a file whose option line an earlier reading took for less than it says.
  if (!TakeOptionLine()) return;
  dataLines.Reset();
  const int32_t count = dataLines.GetCount();
  for (int32_t i = 0; i < count; ++i) table.AddLine(GetNextDataLine());
}

bool TwoPortSymbol::LoadFile(const std::string& path, const std::string& title) {
  LineFile read;
  const VS_ErrorMark refused;
  if (read.ReadFile(MyStrng(path)) == 0) {
    // A refused file has had its reason; one that did not open has none of its own.
    if (!refused.Any()) ReportUnreadable(path);
    return false;
  }
  // The reader cuts longer lines, and a cut row would lose values or end in half a number.
  bool cut = false;
  read.ForEach([&cut](const MyStrng& line) {
    cut = cut || line.GetLength() >= LineFile::kMaxLineLength;
  });
  if (cut) {
    VS_Error().Error(MyStrng("Zeile zu lang: ") + MyStrng(path), 4);
    return false;
  }
  if (!TakesCutLines(read.cutAtNul, MyStrng(path))) return false;
  // An option line that is reported (an unsupported format, a bad reference) keeps the file out.
  const VS_ErrorMark reported;
  const MyStrng unit = frequencyUnit;
  const char form = format;
  const MyStrng heldPath = dataLines.fileName;
  dataLines.RemoveAll();
  dataLines.AppendLines(read);
  dataLines.fileName = MyStrng(path);  // a refused option line names it
  FindOptionLine();
  // Every row must convert, as the netlist will convert it; a file of comments holds nothing.
  const int32_t rows = reported.Any() ? -1 : CountConvertedRows();
  if (rows <= 0) {
    if (rows == 0) ReportUnreadable(path);
    dataLines.RemoveAll();
    dataLines.fileName = heldPath;
    frequencyUnit = unit;
    format = form;
    return false;
  }
  dataName = MyStrng(title);
  return true;
}

std::ostream& TwoPortSymbol::WriteText(std::ostream& os) {
  WriteKeyLine(os, classKey, version);
  os << elementName << ',' << textFormInteger << ',' << parameterType << ',' << z01 << ','
     << z02 << '\n';
  return ZweiPolSymbol::WriteText(os);
}

std::istream& TwoPortSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t stored = 0;
  MyStrng name;
  int32_t integer = 0;
  char kind = 0;
  float first = 0.0f;
  float second = 0.0f;
  TakeValue(is, stored);
  TakeValue(is, name);
  TakeValue(is, integer);
  TakeValue(is, kind);
  TakeValue(is, first);
  TakeValue(is, second);
  if (!is || !ZweiPolSymbol::ReadText(is)) return is;
  elementName = name;
  textFormInteger = integer;
  parameterType = kind;
  z01 = first;
  z02 = second;
  return is;
}
