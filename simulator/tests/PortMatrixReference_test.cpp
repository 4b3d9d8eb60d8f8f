// The conversions, embeddings, inverse and cascade against scikit-rf and numpy on random
// matrices (tools/gen_portmatrix_fixtures.py), with Z01 = 50 ohm and Z02 = 75 ohm.

#include "simulator/tests/PortMatrixReference.h"

#include <gtest/gtest.h>

namespace {

constexpr float kZ01 = 50.0f;
constexpr float kZ02 = 75.0f;
constexpr double kTolerance = 1e-12;

// Each record also cascaded with the next, the last with the first.
TEST(PortMatrixReference, ConversionsOfAdmittanceTwoPorts) {
  const std::vector<const ReferenceRecord*> records = ReferenceRecords("twoport");
  ASSERT_EQ(records.size(), 100u);
  for (size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(i);
    const ReferenceRecord* r = records[i];
    const PortMatrix y = r->Matrix("Y", 2, 'Y');
    EXPECT_TRUE(NearMatrix(y.ConvertToS(kZ01, kZ02), r->Matrix("S", 2, 'S'), kTolerance));
    EXPECT_TRUE(NearMatrix(y.ConvertToZ(), r->Matrix("Z", 2, 'Z'), kTolerance));
    EXPECT_TRUE(NearMatrix(y.ConvertToR(kZ01, kZ02), r->Matrix("R", 2, 'R'), kTolerance));

    // Rollett's factor in admittance form equals the one of the scattering matrix.
    const PortMatrix k = y.ConvertToK();
    for (int e = 0; e < 4; ++e)
      EXPECT_TRUE(Near(k.GetAt(e / 2 + 1, e % 2 + 1), Cmplx(r->Real("k"), 0), kTolerance));

    const PortMatrix v = y.ConvertToV(kZ01, kZ02);
    EXPECT_EQ(v.GetKind(), 'V');
    EXPECT_TRUE(Near(v.GetAt(2, 1), r->Value("V", 0), kTolerance));
    EXPECT_TRUE(Near(v.GetAt(1, 2), r->Value("V", 1), kTolerance));

    const double g = r->Real("M");
    const Cmplx gains[4] = {{1, 0}, {1 / g, 0}, {g, 0}, {1, 0}};
    PortMatrix m(2, gains);
    m.SetKind('M');
    EXPECT_TRUE(NearMatrix(y.ConvertToM(kZ01, kZ02), m, kTolerance));
    EXPECT_TRUE(Near(Cmplx(r->Matrix("S", 2, 'S').StabilityFactorK(), 0), Cmplx(r->Real("K"), 0),
                     kTolerance));

    PortMatrix cascade = y;
    cascade.Cascade(records[(i + 1) % records.size()]->Matrix("Y", 2, 'Y'));
    EXPECT_TRUE(NearMatrix(cascade.ConvertToS(kZ01, kZ02), r->Matrix("X", 2, 'S'), kTolerance));
  }
}

TEST(PortMatrixReference, Embeddings) {
  using Embedding = void (PortMatrix::*)(const Cmplx&);
  const struct {
    const char* key;
    Embedding op;
    const char* value;
  } cases[] = {
      {"P1", &PortMatrix::AddSeriesAtPort1, "z"},
      {"P2", &PortMatrix::AddSeriesAtPort2, "z"},
      {"C", &PortMatrix::AddCommonImpedance, "z"},
      {"A", &PortMatrix::AddAcross, "a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    for (const ReferenceRecord* r : ReferenceRecords("twoport")) {
      PortMatrix y = r->Matrix("Y", 2, 'Y');
      (y.*c.op)(r->Value(c.value));
      EXPECT_TRUE(NearMatrix(y, r->Matrix(c.key, 2, 'Y'), kTolerance));
    }
  }
}

TEST(PortMatrixReference, DeterminantAndInverseOfThreePorts) {
  const std::vector<const ReferenceRecord*> records = ReferenceRecords("threeport");
  ASSERT_EQ(records.size(), 30u);
  for (const ReferenceRecord* r : records) {
    const PortMatrix t = r->Matrix("T", 3, 'Y');
    EXPECT_TRUE(Near(t.Determinant(), r->Value("D"), kTolerance));
    EXPECT_TRUE(NearMatrix(t.Inverse(), r->Matrix("I", 3, 'Y'), kTolerance));
  }
}

}  // namespace
