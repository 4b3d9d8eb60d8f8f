#include "instruments/ui/VecNetAnaSymbol.h"

#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/LabelFonts.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "resources/Bitmaps.h"

PF_IMPLEMENT_SERIAL(VecNetAnaSymbol, MessGeraetSymbol, 1)

namespace {

MyStrng NodeText(int32_t node) { return IntegerWert(node); }

MyStrng Termination(int32_t node, double ohms) {
  return MyStrng("RES ") + NodeText(node) + " R= " + ResWert(ohms);
}

}  // namespace

VecNetAnaSymbol::VecNetAnaSymbol() : VecNetAnaSymbol(Point(25, 100), Point(150, 100)) {}

VecNetAnaSymbol::VecNetAnaSymbol(const Point& start, const Point& end)
    : MessGeraetSymbol(start, end) {
  elementName = "VNA";
  classKey = kClassKey;
  active = 1;
  drawCornerLine = 0;
  version = kVersion;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(kBitmap));
}

void VecNetAnaSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  if (ar.IsStoring()) {
    if (!window) {
      ar << int32_t{0};
      return;
    }
    ar << int32_t{1};
    MyStrng kind = window->GetKindName();
    kind.Serialize(ar);
    window->Serialize(ar);
    if (auto* analyser = dynamic_cast<TNetAnalyzer*>(window.get())) analyser->SerializeMarker(ar);
    return;
  }
  if (version > kVersion) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "VecNetAnaSymbol: Version");
  }
  const bool withMarker = version >= 2;
  version = kVersion;  // the next save keeps the marker
  int32_t hasWindow = 0;
  ar >> hasWindow;
  if (hasWindow == 0) return;
  MyStrng kind;
  kind.Serialize(ar);
  if (!(kind == VecNetAnaDialog::kKindName)) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                           "unknown instrument window " + kind.ToCString());
  }
  auto loaded = std::make_unique<VecNetAnaDialog>(this, nullptr);
  loaded->Serialize(ar);
  if (withMarker) loaded->SerializeMarker(ar);
  window = std::move(loaded);
}

void VecNetAnaSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  if (bitmap && bitmap->Width() > 0) {
    dc.BitBlt(centre.x - 8, centre.y + breadth / 2 - 19, bitmap->Width(), bitmap->Height(),
              *bitmap, 0, 0);
  }
  const LabelFonts& fonts = TheLabelFonts();
  const pf::Font old = dc.SelectObject(horizontal != 0 ? fonts.horizontal : fonts.vertical);
  elementName.DrawText(&dc, centre.x, centre.y, 'C');
  dc.SelectObject(old);
}

bool VecNetAnaSymbol::EditDialog(pf::Window* parent) {
  if (window && window->IsOpen()) {
    window->SetWindowText(elementName.ToCString());
    window->ShowWindow(true);
    return false;
  }
  if (!window) window = std::make_unique<VecNetAnaDialog>(this, parent);
  if (!window->Create(parent)) return false;
  window->ShowWindow(true);
  return true;
}

int VecNetAnaSymbol::GetExtraLineCount() const {
  return !runsNetlist && !port2Line.IsEmpty() ? 1 : 0;
}

MyStrng VecNetAnaSymbol::GetExtraLine(int) const { return port2Line; }

void VecNetAnaSymbol::WriteNetLine() {
  port2Line.Clear();
  if (pinCount != 1 && pinCount != 2) return;
  if (runsNetlist) {
    netLine = NetworkTitle() + ": " + (pinCount == 1 ? "1POR " : "2POR ") + NodeText(nodes[0]) +
              " ";
    if (pinCount == 2) netLine += NodeText(nodes[1]) + " ";
    return;
  }
  netLine = Termination(nodes[0], GetPort1Resistance());
  if (pinCount == 2) port2Line = Termination(nodes[1], GetPort2Resistance());
}

int VecNetAnaSymbol::WriteSpiceLines(LineFile& lines, int) {
  const auto termination = [&](const char* port, int32_t node, double ohms) {
    lines.AddLine(MyStrng("R") + elementName + port + NodeText(node) + " 0 " +
                  ResWert(ohms).ToSpice());
  };
  if (pinCount == 1 || pinCount == 2) termination("_1 ", nodes[0], GetPort1Resistance());
  if (pinCount == 2) termination("_2 ", nodes[1], GetPort2Resistance());
  return 0;
}

double VecNetAnaSymbol::GetPort1Resistance() const {
  const auto* analyser = dynamic_cast<const TNetAnalyzer*>(window.get());
  return analyser != nullptr ? analyser->rg1.re : 50.0;
}

double VecNetAnaSymbol::GetPort2Resistance() const {
  const auto* analyser = dynamic_cast<const TNetAnalyzer*>(window.get());
  return analyser != nullptr ? analyser->rg2.re : 50.0;
}

void VecNetAnaSymbol::SetPortCount(int ports) {
  pinCount = ports == 1 ? 1 : 2;
  UpdateGeometry();
}
