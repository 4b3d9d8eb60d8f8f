#include "editor/symbols/SubSymbol.h"

#include <tuple>

#include "basics/FloatWert.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "editor/symbols/SymbolText.h"
#include "lines/models/SubstrateData.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(SubSymbol, EinPolSymbol, 1)

SubSymbol::SubSymbol() { Init(); }

SubSymbol::SubSymbol(const Point& start, const Point& end)
    : EinPolSymbol(start, end), permittivity(9.9f), height(0.000635f), substrateName("Keramik") {
  Init();
}

void SubSymbol::Init() {
  classKey = kClassKey;
  version = 2;
  drawLeads = 0;
  drawPinMarks = 0;
}

void SubSymbol::Serialize(pf::Archive& ar) {
  EinPolSymbol::Serialize(ar);
  substrateName.Serialize(ar);
  metalName.Serialize(ar);
  if (ar.IsStoring()) {
    ar << permittivity << lossTangent << height << metalThickness;
  } else {
    ar >> permittivity >> lossTangent >> height >> metalThickness;
  }
  if (version >= 2) {
    SerializeValueTexts(ar, *this, std::tie(extentX, extentY));
  }
}

void SubSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  DrawSubstrateGlyph(&dc, centre.x, centre.y, 20, 10);
  const pf::Font oldFont = dc.SelectObject(TheLabelFonts().horizontal);
  substrateName.DrawText(&dc, centre.x, centre.y - 5, 'C');
  FloatWert(permittivity).DrawText(&dc, centre.x, centre.y + 6, 'C');
  LaeWert(height).DrawText(&dc, centre.x, centre.y + 18, 'C');
  dc.SelectObject(oldFont);
}

void SubSymbol::CopyParameters(const NetSymbol& other) {
  const auto* from = dynamic_cast<const SubSymbol*>(&other);
  if (from == nullptr) return;
  substrateName = from->substrateName;
  metalName = from->metalName;
  permittivity = from->permittivity;
  lossTangent = from->lossTangent;
  height = from->height;
  metalThickness = from->metalThickness;
}

MyStrng SubSymbol::GetElementName() const { return substrateName; }

void SubSymbol::WriteNetLine() {
  const bool copper = metalName == "Kupfer" || metalName == "CU";
  netLine = substrateName + ": MS H=" + LaeWert(height) + " ER=" + FloatWert(permittivity) +
            (copper ? " MET1 = CU " : " MET1 = AU ") + LaeWert(metalThickness) +
            " TAND=" + FloatWert(lossTangent);
}

bool SubSymbol::IsDataItem() const { return true; }

void SubSymbol::GetSubstrateParams(SubstrateData& record) const {
  record.SetName(substrateName.GetBuffer());
  record.H = height;
  record.ER = permittivity;
  record.T = metalThickness;
  record.TAND = lossTangent;
  record.SetMetal(metalName.GetBuffer());
}

std::ostream& SubSymbol::WriteText(std::ostream& os) {
  WriteKeyLine(os, classKey, version);
  os << permittivity << ',' << lossTangent << ',' << height << ',' << metalThickness << '\n'
     << substrateName << '\n'
     << metalName << '\n';
  return EinPolSymbol::WriteText(os);
}

std::istream& SubSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t stored = 0;
  float values[4] = {};
  MyStrng name;
  MyStrng metal;
  TakeValue(is, stored);
  for (float& v : values) TakeValue(is, v);
  TakeValue(is, name);
  TakeValue(is, metal);
  if (!is || !EinPolSymbol::ReadText(is)) return is;
  version = stored;
  permittivity = values[0];
  lossTangent = values[1];
  height = values[2];
  metalThickness = values[3];
  substrateName = name;
  metalName = metal;
  return is;
}
