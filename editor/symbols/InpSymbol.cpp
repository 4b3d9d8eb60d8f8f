#include "editor/symbols/InpSymbol.h"

#include "basics/WertMitDim.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/SymbolText.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(InpSymbol, EinPolSymbol, 1)

InpSymbol::InpSymbol() { Init(); }

InpSymbol::InpSymbol(const Point& start, const Point& end) : EinPolSymbol(start, end) { Init(); }

void InpSymbol::Init() {
  classKey = kClassKey;
  version = kVersion;
  transparent = 1;
  drawLeads = 0;
  drawPinMarks = 0;
  drawCornerLine = 0;
}

void InpSymbol::Serialize(pf::Archive& ar) {
  EinPolSymbol::Serialize(ar);
  if (version < kVersion) {
    // An older file: the port keeps its defaults and is saved in the new form from now on.
    if (ar.IsLoading()) version = kVersion;
    return;
  }
  Settings& s = settings;
  s.portName.Serialize(ar);
  if (ar.IsStoring()) {
    ar << s.mode << s.portField1 << s.portField2 << s.outputNode << s.parameterKind
       << s.displayLetter << s.rGen1 << s.rGen2 << s.staFreq << s.stoFreq << s.pointCount;
  } else {
    ar >> s.mode >> s.portField1 >> s.portField2 >> s.outputNode >> s.parameterKind >>
        s.displayLetter >> s.rGen1 >> s.rGen2 >> s.staFreq >> s.stoFreq >> s.pointCount;
  }
  s.displayFormat.Serialize(ar);
}

void DrawPortGlyph(const NetSymbol& s, pf::Dc& dc, PortGlyph glyph) {
  const pf::Font oldFont = dc.SelectObject(TheLabelFonts().horizontal);
  glyph(&dc, s.centre.x, s.centre.y, 30, 12, s.orientation);
  dc.SelectObject(oldFont);
  if (s.horizontal != 0) {
    dc.MoveTo(s.centre.x + (s.orientation == 'L' ? 15 : -15), s.centre.y);
    dc.LineTo(s.pins[0].x, s.pins[0].y);
  } else {
    dc.MoveTo(s.centre.x, s.centre.y + (s.orientation == 'O' ? 15 : -15));
    dc.LineTo(s.centre.x, s.pins[0].y);
  }
}

void InpSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  DrawPortGlyph(*this, dc, DrawInputGlyph);
}

void InpSymbol::SetPortName(const MyStrng& text) { settings.portName = text; }

void InpSymbol::WriteNetLine() {
  const Settings& s = settings;
  netLine = s.portName + ": ";
  if (s.mode == 1) {
    netLine += MyStrng("1POR ") + MyStrng(nodes[0]) + " RG1 = " + ResWert(s.rGen1);
  } else if (s.mode == 2) {
    netLine += MyStrng("2POR ") + MyStrng(nodes[0]) + " " + MyStrng(s.outputNode) +
               " RG1 = " + ResWert(s.rGen1) + " RG2 = " + ResWert(s.rGen2);
  }
}

std::ostream& InpSymbol::WriteText(std::ostream& os) {
  const Settings& s = settings;
  WriteKeyLine(os, classKey, version);
  os << s.portName << ',' << s.mode << ',' << s.portField1 << ',' << s.portField2 << ','
     << s.parameterKind << ',' << s.rGen1 << ',' << s.rGen2 << ',' << s.staFreq << ','
     << s.displayLetter << ',' << s.pointCount << ',' << s.stoFreq << ',' << s.outputNode << '\n';
  if (version > 1) os << s.displayFormat << '\n';
  return EinPolSymbol::WriteText(os);
}

std::istream& InpSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t stored = 0;
  Settings s;
  TakeValue(is, stored);
  TakeValue(is, s.portName);
  TakeValue(is, s.mode);
  TakeValue(is, s.portField1);
  TakeValue(is, s.portField2);
  TakeValue(is, s.parameterKind);
  TakeValue(is, s.rGen1);
  TakeValue(is, s.rGen2);
  TakeValue(is, s.staFreq);
  TakeValue(is, s.displayLetter);
  TakeValue(is, s.pointCount);
  TakeValue(is, s.stoFreq);
  TakeValue(is, s.outputNode);
  if (stored > 1) TakeValue(is, s.displayFormat);
  if (is && EinPolSymbol::ReadText(is)) settings = s;
  return is;
}

bool InpSymbol::SetParameter(const MyStrng& name, float value) {
  float* field = name == "rGen1"     ? &settings.rGen1
                 : name == "rGen2"   ? &settings.rGen2
                 : name == "staFreq" ? &settings.staFreq
                 : name == "stoFreq" ? &settings.stoFreq
                                     : nullptr;
  if (field != nullptr) *field = value;
  return field != nullptr;
}

char InpSymbol::SetCharParameter(const MyStrng& name, char value) {
  if (!(name == "whichParm")) return 0;
  settings.parameterKind = value;
  return value;
}
