#include "synthesis/MicrostripConversion.h"

#include <cmath>
#include <vector>

#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/TemSymbol.h"
#include "synthesis/SynthesisPlacer.h"

namespace {

constexpr double kTolerance = 0.1;  // ohm
constexpr int kMaxSteps = 50;

}  // namespace

double FindMicrostripWidth(const SubstrateData& substrate, double f, double wanted,
                           MicrostripResult& result) {
  double wPrev = substrate.H * 1000.0;
  MicrostripResult prev;
  bool ok = MathPool::CalcMicrostrip(prev, substrate, f, wPrev);
  double w = wanted >= prev.Z0 ? wPrev / 2.0 : 2.0 * wPrev;
  ok = ok && MathPool::CalcMicrostrip(result, substrate, f, w);
  for (int step = 0; ok && std::fabs(result.Z0 - wanted) > kTolerance; ++step) {
    if (step == kMaxSteps || result.Z0 == prev.Z0) {
      ok = false;
      break;
    }
    double next = wPrev + (wanted - prev.Z0) * (w - wPrev) / (result.Z0 - prev.Z0);
    // The impedance falls with the width: a step past 0 halves the width instead.
    if (!(next > 0.0)) next = w / 2.0;
    wPrev = w;
    prev = result;
    w = next;
    ok = MathPool::CalcMicrostrip(result, substrate, f, w);
  }
  if (ok) return w;
  const MyStrng message = MyStrng("Keine Streifenbreite für ") + ResWert(wanted) + " gefunden";
  VS_Error().Error(message, 4);
  return 0.0;
}

void TransformToMicrostrip(CVostraneView& view) {
  SynthesisSettings& settings = view.Synthesis();
  const bool built = settings.StubLowPassBuilt;
  settings.StubLowPassBuilt = false;
  CVostraneDoc* doc = view.GetDocument();
  if (!built || doc == nullptr) return;
  std::vector<NetSymbol*> all;
  doc->Symbols().ForEach([&all](NetSymbol* s) { all.push_back(s); });
  const SubSymbol* current = nullptr;
  for (NetSymbol* s : all) {
    if (auto* substrate = dynamic_cast<SubSymbol*>(s)) current = substrate;
  }
  if (current == nullptr) return;
  SubstrateData record;
  current->GetSubstrateParams(record);
  const double f = settings.CutoffFrequency / 1e9;

  SynthesisPlacer placer(view);
  for (NetSymbol* s : all) {
    if (dynamic_cast<SubSymbol*>(s) != nullptr) placer.Keep(*s);
  }
  for (NetSymbol* s : all) {
    auto* tem = dynamic_cast<TemSymbol*>(s);
    if (tem == nullptr || (tem->kind != 'L' && tem->kind != 'O')) continue;
    MicrostripResult r;
    const double width = FindMicrostripWidth(record, f, tem->GetImpedance().Value(), r);
    double length = tem->GetLength().Value() / std::sqrt(r.eps);
    const Point p1 = s->GetPinPosition(0);
    const Point p2 = s->GetPinPosition(1);
    const auto dimension = [&](auto& strip) {
      // A failed search spoils the placing, as a value that is not positive does.
      strip.SetWidth(placer.Checked(width > 0.0 ? width / 1000.0 : NAN));
      strip.SetLength(placer.Checked(length));
      strip.substrate = current->GetElementName();
    };
    if (tem->kind == 'L') {
      dimension(placer.Make<TrlSymbol>(p1, p2));
    } else {
      length -= r.dl / 1000.0;
      dimension(placer.Make<OstSymbol>(p1, p2));
    }
  }
  for (NetSymbol* s : all) {
    if (dynamic_cast<ExKnotenSymbol*>(s) != nullptr) placer.Keep(*s);
  }
  placer.Rewrite();
}
