#include "elements/lumped/CplIndSymbol.h"

#include <cmath>
#include <tuple>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/symbols/StoredValues.h"
#include "elements/lumped/LumpedSupport.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"

namespace {

constexpr int kSymmetricBitmap = 150;
constexpr int kUnsymmetricBitmap = 151;

void Report(const NetSymbol& symbol, const char* what) {
  VS_Error report;
  report.Error(symbol.elementName + ": " + what, 4);
}

MyStrng Winding(const char* prefix, const NetSymbol& s, int a, int b, double henry) {
  return MyStrng(prefix) + s.elementName + " " + MyStrng(a) + " " + MyStrng(b) + " " +
         lumped::SpiceNumber<IndWert>(henry);
}

}  // namespace

CplIndSymbol::CplIndSymbol() { Init(); }

CplIndSymbol::CplIndSymbol(const Point& start, const Point& end) : MultiPolSymbol(start, end) {
  Init();
}

void CplIndSymbol::Init() {
  classKey = kClassKey;
  pinCount = 3;
  variant = 'A';
  groundFree = 1;  // the reference flag of the netlist header's port count
  symmetricBitmap = LoadBitmapResource(kSymmetricBitmap);
  unsymmetricBitmap = LoadBitmapResource(kUnsymmetricBitmap);
  ReloadBitmap();
}

void CplIndSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(ls, k, n1, n2));
  if (ar.IsStoring()) {
    ar << kind;
    return;
  }
  int32_t stored = 0;
  ar >> stored;
  // Any other kind or pin count would leave the netlist line and the picture undefined.
  if ((stored != 'C' && stored != 'S') || pinCount != 3) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "transformer kind");
  }
  kind = stored;
}

void CplIndSymbol::UpdateGeometry() {
  if (layoutPending != 1) return;
  MultiPolSymbol::UpdateGeometry();
  layoutPending = 0;
}

void CplIndSymbol::SetUnsymmetricKind() {
  kind = 'C';
  variant = 'A';
  groundFree = 1;
  layoutPending = 1;
  ReloadBitmap();
}

void CplIndSymbol::SetSymmetricKind() {
  kind = 'S';
  variant = 'B';
  groundFree = 0;
  layoutPending = 1;
  ReloadBitmap();
}

void CplIndSymbol::ReloadBitmap() {
  bitmap = std::make_unique<pf::Bitmap>(kind == 'S' ? symmetricBitmap : unsymmetricBitmap);
}

bool CplIndSymbol::ComputeInductances() {
  lp = l1 = l2 = 0.0;
  const double series = lumped::UsableValue(ls);
  const double coupling = lumped::UsableValue(k);
  const long primary = n1.Value();
  const long secondary = n2.Value();
  if (series == 0.0 || coupling == 0.0 || coupling >= 1.0 || primary < 1 || secondary < 1) {
    return false;
  }
  const double k2 = coupling * coupling;
  const double n = static_cast<double>(primary) / static_cast<double>(secondary);
  lp = series * k2 / (1.0 - k2);
  l1 = lp + series;
  l2 = l1 / (n * n * k2);
  return true;
}

bool CplIndSymbol::InductancesWritable() const {
  const VS_ErrorMark mark;
  const bool readable = IndWert(l1).CheckSyntax() && IndWert(l2).CheckSyntax();
  mark.Drop();
  return readable;
}

bool CplIndSymbol::InductancesReported() {
  if (ComputeInductances()) return true;
  if (lumped::UsableValue(ls) == 0.0) Report(*this, "Induktivität muss größer als 0 sein");
  const double coupling = lumped::UsableValue(k);
  if (coupling == 0.0) Report(*this, "Kopplung muss größer als 0 sein");
  if (coupling >= 1.0) Report(*this, "Kopplung muss kleiner als 1 sein");
  if (n1.Value() < 1 || n2.Value() < 1) Report(*this, "Windungszahl muss mindestens 1 sein");
  return false;
}

void CplIndSymbol::WriteNetLine() {
  if (kind != 'C' && kind != 'S') return;
  netLine = "";
  if (!InductancesReported()) return;
  if (kind == 'C') {
    netLine = "MUI";
    MultiPolSymbol::WriteNetLine();
    netLine += MyStrng(" L1=") + IndWert(l1) + " L2=" + IndWert(l2) + " K=" + k;
  } else {
    netLine = MyStrng("SYUE ") + MyStrng(nodes[0]) + " " + MyStrng(nodes[1]) + " " +
              MyStrng(nodes[2]) + " AL=" + ls + " N1=" + n1 + " N2=" + n2 + " K=" + k;
  }
}

int CplIndSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  NetSymbol::WriteSpiceLines(lines, lastNode);
  if (!InductancesReported()) return 0;
  lines.AddLine("*----Unsymmetrischer Übertrager -------");
  lines.AddLine(Winding("L1", *this, nodes[0], nodes[2], l1));
  lines.AddLine(Winding("L2", *this, nodes[1], nodes[2], l2));
  lines.AddLine(MyStrng("K") + elementName + " L1" + elementName + " L2" + elementName + " " + k);
  lines.AddLine("*---------------------");
  return 0;
}

void CplIndSymbol::CopyParameters(const NetSymbol& other) {
  const auto* from = dynamic_cast<const CplIndSymbol*>(&other);
  if (from == nullptr) return;
  k = from->k;
  ls = from->ls;
  n1 = from->n1;
  n2 = from->n2;
  pinCount = from->pinCount;
  // Through the kind's own setter, so that placement, reference flag and picture follow it.
  if (from->kind == 'S') {
    SetSymmetricKind();
  } else {
    SetUnsymmetricKind();
  }
}

std::ostream& CplIndSymbol::WriteText(std::ostream& os) {
  return lumped::WriteRecord(os, *this, std::tie());
}

std::istream& CplIndSymbol::ReadText(std::istream& is) {
  return lumped::ReadRecord(is, *this, std::tie());
}
