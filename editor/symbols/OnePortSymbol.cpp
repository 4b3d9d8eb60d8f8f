#include "editor/symbols/OnePortSymbol.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/SymbolText.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(OnePortSymbol, EinPolSymbol, 1)

OnePortSymbol::OnePortSymbol() { Init(); }

OnePortSymbol::OnePortSymbol(const Point& start, const Point& end) : EinPolSymbol(start, end) {
  Init();
}

void OnePortSymbol::Init() {
  classKey = kClassKey;
  version = kVersion;
}

void OnePortSymbol::Serialize(pf::Archive& ar) {
  EinPolSymbol::Serialize(ar);
  if (version < kVersion) {
    // An older file: an empty table, saved in the new form from now on.
    if (ar.IsLoading()) version = kVersion;
    return;
  }
  dataName.Serialize(ar);
  if (ar.IsStoring()) {
    const int32_t count = StoredLines();
    ar << showLead << kind << referenceImpedance[0] << referenceImpedance[1] << count;
    for (int i = 0; i < count; ++i) GetLine(i).Serialize(ar);
    return;
  }
  int32_t count = 0;
  ar >> showLead >> kind >> referenceImpedance[0] >> referenceImpedance[1] >> count;
  if (count < 0 || count > kCapacity) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "one-port line count");
  }
  lineCount = 0;
  for (auto& line : lines) line.reset();
  for (int i = 0; i < count; ++i) {
    lines[i] = std::make_unique<MyStrng>();
    lines[i]->Serialize(ar);
    lineCount = i + 1;
  }
}

void OnePortSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  const LabelFonts& fonts = TheLabelFonts();
  const pf::Font oldFont = dc.SelectObject(horizontal != 0 ? fonts.horizontal : fonts.vertical);
  const int32_t textHeight = dataName.GetTextHeight(&dc);
  if (horizontal != 0) {
    dataName.DrawText(&dc, centre.x, centre.y + textHeight / 2, 'C');
  } else {
    dataName.DrawVertical(&dc, centre.x + textHeight / 2, centre.y);
  }
  dc.SelectObject(oldFont);
  if (showLead == 0) return;
  dc.MoveTo(pins[1].x, pins[1].y);
  if (horizontal != 0) {
    dc.LineTo(centre.x + (orientation == 'R' ? length / 2 : -length / 2), centre.y);
  } else {
    dc.LineTo(centre.x, centre.y + (orientation == 'U' ? length / 2 : -length / 2));
  }
}

MyStrng OnePortSymbol::GetElementName() const { return dataName; }

void OnePortSymbol::WriteNetLine() {
  netLine = "ONE";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" ") + dataName;
}

bool OnePortSymbol::IsDataItem() const { return true; }

int32_t OnePortSymbol::StoredLines() const { return std::clamp(lineCount, 0, kCapacity); }

std::ostream& OnePortSymbol::WriteText(std::ostream& os) {
  WriteKeyLine(os, classKey, version);
  const int32_t count = StoredLines();
  os << dataName << ',' << count << ',' << kind << ',' << referenceImpedance[0] << ','
     << showLead << '\n';
  for (int i = 0; i < count; ++i) os << GetLine(i) << '\n';
  return EinPolSymbol::WriteText(os);
}

std::istream& OnePortSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t stored = 0;
  MyStrng name;
  int32_t count = -1;
  char dataKind = 0;
  float impedance = 0.0f;
  int32_t lead = 0;
  TakeValue(is, stored);
  TakeValue(is, name);
  TakeValue(is, count);
  TakeValue(is, dataKind);
  TakeValue(is, impedance);
  TakeValue(is, lead);
  if (count < 0) is.setstate(std::ios::failbit);
  std::array<std::unique_ptr<MyStrng>, kCapacity> rows;
  MyStrng surplus;
  // Every line is read, so the base record behind them is found; the surplus is dropped.
  for (int32_t i = 0; i < count && is; ++i) {
    if (i < kCapacity) {
      rows[i] = std::make_unique<MyStrng>();
      TakeValue(is, *rows[i]);
    } else {
      TakeValue(is, surplus);
    }
  }
  if (!is || !EinPolSymbol::ReadText(is)) return is;
  dataName = name;
  lineCount = std::min(count, kCapacity);
  kind = dataKind;
  referenceImpedance[0] = impedance;
  showLead = lead;
  lines = std::move(rows);
  return is;
}
