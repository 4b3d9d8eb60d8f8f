#include "synthesis/FilterBuilders.h"

#include <cmath>
#include <vector>

#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "lines/ui/TemSymbol.h"
#include "synthesis/FilterPrototype.h"
#include "synthesis/SynthesisPlacer.h"

namespace {

constexpr int G = CVostraneView::kGridSpacing;
constexpr double kTwoPi = 6.28318530717958;
constexpr double kHalfPi = 1.570796326794895;
constexpr double kSpeedOfLight = 299792458.0;
// An eighth of the free-space wavelength at 1 Hz, in metres.
constexpr double kEighthWave = 37474057.25;
constexpr float kResonatorQ = 10000.0f;
constexpr float kFeedLineLength = 0.01f;

bool CircuitEmpty(CVostraneView& view) {
  const CVostraneDoc* doc = view.GetDocument();
  return doc != nullptr && doc->Symbols().GetCount() == 0;
}

std::vector<double> Prototype(const SynthesisSettings& s) {
  return ComputePrototype(s.FilterOrder, s.FilterType, s.RippleDb);
}

void SetInductance(SynthesisPlacer& placer, IndSymbol& ind, double henry) {
  ind.l = IndWert(static_cast<double>(placer.Checked(henry)));
}

void SetCapacitance(SynthesisPlacer& placer, CapSymbol& cap, double farad) {
  cap.c = CapWert(static_cast<double>(placer.Checked(farad)));
}

void SetResonator(SynthesisPlacer& placer, NetSymbol& circuit, double zKen, double fRes, float q) {
  circuit.SetParameter("zKen", placer.Checked(zKen));
  circuit.SetParameter("fRes", placer.Checked(fRes));
  circuit.SetParameter("qGuete", q);
}

void SetLine(SynthesisPlacer& placer, TemSymbol& line, double ohms, double metres, char kind) {
  line.SetImpedance(placer.Checked(ohms));
  line.SetLength(placer.Checked(metres));
  line.kind = kind;
  if (kind == 'O') {
    line.onePole = 1;
    line.pinCount = 1;  // only the junction is a connection
  }
}

// The band edges of the settings, stored; their ratio lower/upper.
float BandEdges(SynthesisSettings& s) {
  const float a = 0.5f * s.Bandwidth / s.CentreFrequency;
  const float t = a + std::sqrt(a * a + 1.0f);
  s.UpperBandEdge = t * s.CentreFrequency;
  s.LowerBandEdge = s.CentreFrequency / t;
  return s.LowerBandEdge / s.UpperBandEdge;
}

// The rewriting of a transformation: each symbol of the circuit is replaced, kept or deleted
// by what replace does with the placer.
template <class Replace>
bool Rewrite(CVostraneView& view, Replace replace) {
  SynthesisPlacer placer(view);
  view.GetDocument()->Symbols().ForEach([&placer, &replace](NetSymbol* s) {
    replace(placer, *s, s->GetPinPosition(0), s->GetPinPosition(1));
  });
  return placer.Rewrite();
}

}  // namespace

void BuildLowPass(CVostraneView& view) {
  if (!CircuitEmpty(view)) return;
  SynthesisSettings& s = view.Synthesis();
  const std::vector<double> g = Prototype(s);
  if (g.empty()) return;
  const double wc = kTwoPi * s.CutoffFrequency;
  const double z = s.FilterImpedance;
  SynthesisPlacer placer(view);
  Point a(5 * G, 5 * G), b(9 * G, 5 * G), c(9 * G, 8 * G), e(9 * G, 9 * G);
  const Point step(4 * G, 0);
  for (size_t k = 0; k < g.size(); ++k) {
    if (k % 2 == 0) {
      SetInductance(placer, placer.Make<IndSymbol>(a, b), g[k] * z / wc);
      a = b;
      b += step;
    } else {
      SetCapacitance(placer, placer.Make<CapSymbol>(a, c), g[k] / (wc * z));
      placer.Make<GndSymbol>(c, e);
      c += step;
      e += step;
    }
  }
  if (placer.Place()) s.LowPassBuilt = true;
}

void BuildBandPass(CVostraneView& view) {
  if (!CircuitEmpty(view)) return;
  SynthesisSettings& s = view.Synthesis();
  const std::vector<double> g = Prototype(s);
  if (g.empty()) return;
  const double f0 = s.CentreFrequency;
  const double z = s.FilterImpedance;
  const double q = BandEdges(s);
  SynthesisPlacer placer(view);
  Point a(5 * G, 5 * G), b(8 * G, 5 * G), c(8 * G, 8 * G), e(8 * G, 9 * G);
  const Point step(3 * G, 0);
  for (size_t k = 0; k < g.size(); ++k) {
    if (k % 2 == 0) {
      SetResonator(placer, placer.Make<SrlcSymbol>(a, b), z * g[k] * std::sqrt(q) / (1.0 - q), f0,
                   kResonatorQ);
      a = b;
      b += step;
    } else {
      SetResonator(placer, placer.Make<PrlcSymbol>(a, c), (1.0 - q) * z / (g[k] * std::sqrt(q)), f0,
                   kResonatorQ);
      placer.Make<GndSymbol>(c, e);
      c += step;
      e += step;
    }
  }
  if (placer.Place()) s.BandPassBuilt = true;
}

void TransformToHighPass(CVostraneView& view) {
  SynthesisSettings& s = view.Synthesis();
  const double wc = kTwoPi * s.CutoffFrequency;
  const double w2 = wc * wc;
  const bool done = Rewrite(
      view, [w2](SynthesisPlacer& placer, NetSymbol& old, const Point& p1, const Point& p2) {
        if (auto* ind = dynamic_cast<IndSymbol*>(&old)) {
          SetCapacitance(placer, placer.Make<CapSymbol>(p1, p2), 1.0 / (ind->l.Value() * w2));
        } else if (auto* cap = dynamic_cast<CapSymbol*>(&old)) {
          SetInductance(placer, placer.Make<IndSymbol>(p1, p2), 1.0 / (cap->c.Value() * w2));
        } else if (dynamic_cast<GndSymbol*>(&old) != nullptr) {
          placer.Keep(old);
        }
      });
  if (done) s.LowPassBuilt = false;
}

void TransformToBandStop(CVostraneView& view) {
  SynthesisSettings& s = view.Synthesis();
  const double q = BandEdges(s);
  const double d = (1.0 - q) * (1.0 - q);
  const bool done = Rewrite(
      view, [q, d](SynthesisPlacer& placer, NetSymbol& old, const Point& p1, const Point& p2) {
        const double fRes = old.GetParameter("fRes");
        const auto quality = static_cast<float>(old.GetParameter("qGuete"));
        if (dynamic_cast<SrlcSymbol*>(&old) != nullptr) {
          SetResonator(placer, placer.Make<PrlcSymbol>(p1, p2), old.GetParameter("zKen") * d / q,
                       fRes, quality);
        } else if (dynamic_cast<PrlcSymbol*>(&old) != nullptr) {
          SetResonator(placer, placer.Make<SrlcSymbol>(p1, p2), old.GetParameter("zKen") * q / d,
                       fRes, quality);
        } else if (dynamic_cast<GndSymbol*>(&old) != nullptr) {
          placer.Keep(old);
        }
      });
  if (done) s.BandPassBuilt = false;
}

void TransformToLines(CVostraneView& view) {
  SynthesisSettings& s = view.Synthesis();
  const double quarterWave = kSpeedOfLight / s.LineReferenceFrequency / 4.0;
  const double wc = kTwoPi * s.CutoffFrequency;
  const double t = std::tan(s.CutoffFrequency * kHalfPi / s.LineReferenceFrequency);
  const bool done = Rewrite(view, [=](SynthesisPlacer& placer, NetSymbol& old, const Point& p1,
                                      const Point& p2) {
    if (auto* ind = dynamic_cast<IndSymbol*>(&old)) {
      SetLine(placer, placer.Make<TemSymbol>(p1, p2), wc * ind->l.Value() / t, quarterWave, 'S');
    } else if (auto* cap = dynamic_cast<CapSymbol*>(&old)) {
      SetLine(placer, placer.Make<TemSymbol>(p1, p2), t / (wc * cap->c.Value()), quarterWave, 'O');
    }
  });
  if (done) s.LowPassBuilt = false;
}

void BuildStubLowPass(CVostraneView& view) {
  if (!CircuitEmpty(view)) return;
  SynthesisSettings& s = view.Synthesis();
  const std::vector<double> v = ComputeStubPrototype(s.FilterOrder, s.FilterType, s.RippleDb);
  if (v.empty()) return;
  const double z = s.FilterImpedance;
  const double stubLength = kEighthWave / s.CutoffFrequency;
  const size_t n = (v.size() + 1) / 2;
  SynthesisPlacer placer(view);
  Point a(5 * G, 5 * G);
  const Point step(4 * G, 0), drop(0, 4 * G);
  const auto port = [&placer](const Point& from, const Point& to, int32_t number) {
    placer.Make<ExKnotenSymbol>(from, to).portNumber = number;
  };
  const auto through = [&](double ohms, double metres) {
    SetLine(placer, placer.Make<TemSymbol>(a, a + step), ohms, metres, 'L');
    a += step;
  };
  port(a, a - step, 1);
  through(z, kFeedLineLength);
  for (size_t i = 0; i < n; ++i) {
    SetLine(placer, placer.Make<TemSymbol>(a, a + drop), z / v[2 * i], stubLength, 'O');
    if (i + 1 < n) through(v[2 * i + 1] * z, stubLength);
  }
  through(z, kFeedLineLength);
  port(a, a + step, 2);
  if (placer.Place()) s.StubLowPassBuilt = true;
}
