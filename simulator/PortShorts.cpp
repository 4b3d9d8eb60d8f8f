#include "simulator/PortShorts.h"

#include <cmath>
#include <utility>

void PortShorts::Clear() {
  for (int k = 0; k < 3; ++k) parent[k] = k;
  any = false;
  rest.Clear();
}

int PortShorts::Group(int terminal) const {
  while (parent[terminal] != terminal) terminal = parent[terminal];
  return terminal;
}

// Ground is the root of its group, so a port shorted to ground finds it first.
void PortShorts::Join(int a, int b) {
  if (a < 0 || a > 2 || b < 0 || b > 2) return;
  any = true;
  int ga = Group(a);
  int gb = Group(b);
  if (ga == gb) return;
  if (ga < gb) std::swap(ga, gb);
  parent[ga] = gb;
}

// Port k driven by a source of 1 V behind its reference resistance R_k, the other port
// terminated in its own: S_kk = 2 V_k - 1 and S_jk = 2 V_j sqrt(R_k / R_j). A port shorted to
// ground has V = 0; ports shorted together share one node, where the rest of the network
// is the sum of its four admittances to ground.
PortMatrix PortShorts::ConvertToS(float z01, float z02) const {
  PortMatrix s(2);
  s.SetKind(PortMatrix::kScattering);
  const float z0[2] = {z01, z02};
  const bool grounded[2] = {Group(1) == kGround, Group(2) == kGround};
  if (grounded[0] || grounded[1]) {
    for (int k = 0; k < 2; ++k) {
      const Cmplx y = rest.GetAt(k + 1, k + 1);
      const Cmplx reflection = PortMatrix(1, &y).ConvertToS(z0[k], z0[k]).GetAt(1, 1);
      s.SetAt(grounded[k] ? Cmplx(-1.0, 0.0) : reflection, k + 1, k + 1);
    }
    return s;
  }
  if (Group(1) != Group(2)) return rest.ConvertToS(z01, z02);
  const double r1 = PortMatrix::Guarded(z01);
  const double r2 = PortMatrix::Guarded(z02);
  const Cmplx shunt = rest.GetAt(1, 1) + rest.GetAt(1, 2) + rest.GetAt(2, 1) + rest.GetAt(2, 2);
  const Cmplx total = PortMatrix::Guarded(shunt + (1.0 / r1 + 1.0 / r2));
  // The resistance ratios in single precision, as the conversion of a regular network has them.
  const auto f1 = static_cast<float>(std::fabs(r1)), f2 = static_cast<float>(std::fabs(r2));
  s.SetAt((Cmplx(1.0 / r1 - 1.0 / r2, 0.0) - shunt) / total, 1, 1);
  s.SetAt((Cmplx(1.0 / r2 - 1.0 / r1, 0.0) - shunt) / total, 2, 2);
  s.SetAt(Cmplx(2.0 / r1 * std::sqrt(f1 / f2), 0.0) / total, 2, 1);
  s.SetAt(Cmplx(2.0 / r2 * std::sqrt(f2 / f1), 0.0) / total, 1, 2);
  return s;
}
