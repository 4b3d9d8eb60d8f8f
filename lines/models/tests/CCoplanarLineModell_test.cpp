#include "lines/models/CCoplanarLineModell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

CCoplanarLineModell Coplanar(double er, double h, double w = 1e-3, double s = 0.5e-3) {
  SubstrateData board;
  board.ER = er;
  board.H = h;
  CCoplanarLineModell m;
  m.SetSubstrate(board);
  m.SetStripWidth(w);
  m.SetGap(s);
  return m;
}

struct BoardRow {
  double wMm, sMm, hMm, er, eps, z0;
};
struct PeerRow {
  double wMm, sMm, er, eps, z0;
};

const BoardRow kBoardRows[] = {
#include "lines/models/tests/fixtures/coplanar_scipy.inc"
};
const PeerRow kPeerRows[] = {
#include "lines/models/tests/fixtures/coplanar_skrf.inc"
};

// The conformal mapping against scipy's elliptic integrals, from boards far thinner than their
// slots to thick ones; and against scikit-rf's medium, which assumes an infinitely thick
// substrate (here 100 mm) and whose own elliptic ratio is good to 1e-4 for these geometries.
TEST(CCoplanarLineModell, LineDataAgainstScipyAndPeer) {
  std::vector<std::pair<BoardRow, double>> rows;
  for (const BoardRow& r : kBoardRows) rows.push_back({r, 1e-12});
  for (const PeerRow& r : kPeerRows) rows.push_back({{r.wMm, r.sMm, 100.0, r.er, r.eps, r.z0}, 1e-4});
  for (const auto& [r, tolerance] : rows) {
    SCOPED_TRACE(testing::Message() << r.wMm << " " << r.sMm << " " << r.hMm << " " << r.er);
    CCoplanarLineModell m = Coplanar(r.er, r.hMm * 1e-3, r.wMm * 1e-3, r.sMm * 1e-3);
    ASSERT_TRUE(m.Update(10e9));
    EXPECT_NEAR(m.eps_eff / r.eps, 1.0, tolerance);
    EXPECT_NEAR(m.Z0 / r.z0, 1.0, tolerance);
    EXPECT_DOUBLE_EQ(m.lambda * 10e9 * std::sqrt(m.eps_eff), 299792458.0);
  }
}

struct RatioRow {
  double k, exact;
};

const RatioRow kRatioRows[] = {
#include "lines/models/tests/fixtures/elliptic_ratio_scipy.inc"
};

TEST(CCoplanarLineModell, EllipticRatioAgainstScipy) {
  for (const RatioRow& r : kRatioRows) {
    EXPECT_NEAR(CCoplanarLineModell::EllipticRatio(r.k) / r.exact, 1.0, 1e-13) << r.k;
  }
  EXPECT_EQ(CCoplanarLineModell::EllipticRatio(0.0), 0.0);
  EXPECT_EQ(CCoplanarLineModell::EllipticRatio(1.0), INFINITY);
}

// No strip, gap or height: no result, the state as it was. A board so thin that k1
// underflows to 0 gives the limit, a line in air.
TEST(CCoplanarLineModell, DegenerateCrossSections) {
  for (auto [w, s, h] : {std::tuple{0.0, 0.5e-3, 1e-3}, {1e-3, 0.0, 1e-3}, {1e-3, 0.5e-3, 0.0}}) {
    CCoplanarLineModell m = Coplanar(9.8, h, w, s);
    EXPECT_FALSE(m.Update(5e9));
    EXPECT_EQ(m.lambda, 0.0);
  }
  CCoplanarLineModell thin = Coplanar(9.8, 1e-9);
  EXPECT_TRUE(thin.Update(5e9));
  EXPECT_EQ(thin.eps_eff, 1.0);
  EXPECT_NEAR(thin.Z0, 120.5675, 0.0001);
}

}  // namespace
