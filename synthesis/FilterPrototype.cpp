#include "synthesis/FilterPrototype.h"

#include <cmath>

#include "basics/VS_Error.h"
#include "synthesis/Polynom.h"

namespace {

// The input impedance of the normalised ladder, or false with a queued message.
bool PrototypeImpedance(int order, char type, double rippleDb, PolynomBruch& z) {
  if (order < kMinFilterOrder || order > kMaxFilterOrder) {
    VS_Error().Error("Ordnung muß zwischen 1 und 10 liegen", 4);
    return false;
  }
  if (type != 'T') {
    z.SetButterworth(order);
    return true;
  }
  if (!(rippleDb > 0.0) || !std::isfinite(rippleDb)) {
    VS_Error().Error("Ripple muß größer als 0 sein", 4);
    return false;
  }
  // 0.99999999, not 1: a ripple that rounds to nothing still gives a finite epsilon.
  z.SetChebyshev(order, std::sqrt(std::pow(10.0, rippleDb / 10.0) - 0.99999999));
  return true;
}

std::vector<double> Checked(const Polynom& values) {
  std::vector<double> g;
  for (int i = 0; i < values.GetCount(); ++i) {
    const double v = values[i];
    if (!(v > 0.0) || !std::isfinite(v)) {
      VS_Error().Error("Filterprototyp: Elementwerte nicht berechenbar", 4);
      return {};
    }
    g.push_back(v);
  }
  return g;
}

}  // namespace

std::vector<double> ComputePrototype(int order, char type, double rippleDb) {
  PolynomBruch z;
  if (!PrototypeImpedance(order, type, rippleDb, z)) return {};
  return Checked(z.CauerExpand());
}

std::vector<double> ComputeStubPrototype(int order, char type, double rippleDb) {
  PolynomBruch z;
  if (!PrototypeImpedance(order, type, rippleDb, z)) return {};
  PolynomBruch y(z.GetDenominator(), z.GetNumerator());
  return Checked(y.ExpandWithUnitElements());
}
