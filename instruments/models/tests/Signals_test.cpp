#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "instruments/models/BitFolge.h"
#include "instruments/models/CmplxSignal.h"
#include "instruments/models/RealSignal.h"
#include "pf/archive.h"

namespace {

RVektor Values(const std::vector<double>& v) {
  RVektor out(static_cast<int32_t>(v.size()));
  for (size_t i = 0; i < v.size(); ++i) out[static_cast<int32_t>(i)] = v[i];
  return out;
}

std::vector<double> Samples(const RealSignal& s) {
  std::vector<double> out;
  for (int32_t i = 0; i < s.GetSize(); ++i) out.push_back(s[i]);
  return out;
}

TEST(CmplxSignal, CursorStopsAtTheLineCount) {
  CmplxSignal signal;
  EXPECT_EQ(signal.NextIndex(), 1);
  EXPECT_EQ(signal.NextIndex(), 1);
  signal.SetAtCursor(Cmplx(5.0, 5.0));  // past the end: dropped
  EXPECT_EQ(signal[0].re, 0.0);
  signal.cursor = 0;
  signal.SetAtCursor(Cmplx(2.0, 1.0));
  EXPECT_EQ(signal[0].re, 2.0);
}

TEST(CmplxSignal, InverseTransformGivesTwiceTheLinesAtHalfTheStep) {
  CmplxSignal signal;
  signal = CVektor(51);
  signal.df = 1e6;
  signal[1] = Cmplx(0.5, 0.0);  // one cosine of amplitude 1
  const RealSignal samples = signal.ToRealSignal();
  ASSERT_EQ(samples.GetSize(), 102);
  EXPECT_DOUBLE_EQ(samples.dt, 1.0 / (2 * 1e6 * 51));
  EXPECT_NEAR(samples[0], 1.0, 1e-12);
  EXPECT_NEAR(samples[51], -1.0, 1e-12);

  CmplxSignal back;
  back.SetFromRealSignal(samples);
  EXPECT_EQ(back.GetSize(), 51);
  EXPECT_DOUBLE_EQ(back.df, 1e6);
  EXPECT_NEAR(back[1].re, 0.5, 1e-12);
}

TEST(CmplxSignal, ArchiveRoundTripAndAssignmentResetTheCursor) {
  CmplxSignal signal;
  signal = CVektor(3);
  signal[2] = Cmplx(1.5, -2.5);
  signal.df = 250.0;
  signal.cursor = 2;
  std::stringstream stream;
  {
    pf::Archive out(static_cast<std::ostream&>(stream));
    signal.Serialize(out);
  }
  CmplxSignal loaded;
  loaded.cursor = 1;
  pf::Archive in(static_cast<std::istream&>(stream));
  loaded.Serialize(in);
  EXPECT_EQ(loaded.GetSize(), 3);
  EXPECT_EQ(loaded[2].im, -2.5);
  EXPECT_EQ(loaded.df, 250.0);
  EXPECT_EQ(loaded.cursor, 0);
}

TEST(RealSignal, ToBytes) {
  struct Case {
    std::vector<double> samples;
    std::vector<int> bytes;
  };
  const Case cases[] = {
      {{-1.0, 0.0, 2.0}, {27, 103, 255}},
      {{3.0, 3.0}, {128, 128}},
      {{2.0, -1.0, 0.0}, {255, 27, 103}},
      {{1.0, 0.0, 0.0, 0.0}, {255, 86, 86, 86}},
  };
  for (const Case& c : cases) {
    RealSignal signal(Values(c.samples));
    std::vector<uint8_t> bytes(c.samples.size(), 0);
    signal.ToBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.end()), c.bytes);
  }
}

TEST(RealSignal, ResampleToPowerOfTwo) {
  struct Case {
    int points;
    int size;
    double dt;
  };
  const Case cases[] = {{1, 2, 0.0}, {2, 2, 1.0}, {3, 4, 2.0 / 3}, {4, 4, 1.0},
                        {5, 8, 4.0 / 7}, {1000, 1024, 999.0 / 1023}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    std::vector<double> v, t;
    for (int i = 0; i < c.points; ++i) {
      v.push_back(10.0 + i);
      t.push_back(i);
    }
    RealSignal signal;
    signal.ResampleToPowerOfTwo(Values(v), Values(t));
    ASSERT_EQ(signal.GetSize(), c.size);
    EXPECT_DOUBLE_EQ(signal.dt, c.dt);
    EXPECT_EQ(signal[0], v.front());
    EXPECT_EQ(signal[c.size - 1], v.back());
    // A ramp stays within its neighbours' values.
    for (int k = 1; k < c.size - 1; ++k) {
      EXPECT_GE(signal[k], 10.0);
      EXPECT_LE(signal[k], v.back());
    }
  }
}

TEST(RealSignal, InterpolationAtEqualTimesTakesTheLaterValue) {
  RealSignal signal;
  signal.dt = 1.0;
  const RVektor v = Values({1.0, 2.0, 3.0});
  const RVektor t = Values({0.0, 1.0, 1.0});
  EXPECT_EQ(signal.InterpolateAt(v, t, 1), 2.0);
  EXPECT_EQ(signal.InterpolateAt(v, t, 5), 3.0);  // past the end: the last pair
}

// The resampling lets each pair of ascending times find its samples, in blocks and groups; each
// sample must still be what the point-by-point blend gives: at the blocks' seams, at repeated
// times, where one pair holds thousands of samples, where pairs hold none to three side by side,
// before a late or early first time (all times below 0 too), and for times out of order or NaN,
// also where a long signal's pairs are taken in several parts and only a later part finds them
// so; the end values stay. Samples divided by their count as they are made, and the spectrum
// taken so, keep the bits of dividing after.
TEST(RealSignal, ResamplingMatchesThePointByPointBlend) {
  struct Case {
    int points;
    double start = 0.0;     // the first time, taken as 0 by the resampling
    int repeatEvery = 0;    // every so many points the time does not advance; 0 never
    int swapAt = 0;         // the times of this point and the next change places; 0 none
    int longPair = 0;       // the pair before this point spans longSpan; 0 none
    double longSpan = 0.0;  // 3400.5 to 3408.5 give it 2046 to 2049 samples
    double step = 0.0;      // evenly spaced times this far apart, where samples meet them exactly
    bool below = false;     // the inner ones then a least step below
    int nanAt = 0;          // this point's time is NaN; 0 none
    double base = 1.0;      // otherwise the times advance by base + up to spread
    double spread = 0.3;
  };
  const Case cases[] = {{3},
                        {9},
                        {517, 0.0, 5},
                        {1000, 0.5},
                        {1000, -3.5},
                        {1000, -3.5, 499},
                        {1000, -5000.0},
                        {5000, 0.0, 7},
                        {3000, 0.0, 0, 1700},
                        {5000, 0.0, 0, 0, 2500, 5000.0},
                        {3000, 0.0, 0, 0, 500, 3400.5},
                        {3000, 0.0, 0, 0, 500, 3404.0},
                        {3000, 0.0, 0, 0, 500, 3404.5},
                        {3000, 0.0, 0, 0, 500, 3408.5},
                        {1024, 0.0, 0, 0, 0, 0.0, 0.1},
                        {4096, 0.0, 0, 0, 0, 0.0, 1e-9},
                        {1024, 0.0, 0, 0, 0, 0.0, 0.1, true},
                        {20000, 0.0, 0, 8192},
                        {20000, 0.0, 0, 12000},
                        {20000, 0.0, 0, 0, 0, 0.0, 0.0, false, 12345},
                        {40000, 0.0, 0, 8192},
                        {40000, 0.0, 0, 12000},
                        {40000, 0.0, 0, 0, 0, 0.0, 0.0, false, 12345},
                        {2100, 0.0, 0, 0, 0, 0.0, 0.0, false, 0, 0.1, 2.9},
                        {40000, 0.0, 0, 0, 0, 0.0, 0.0, false, 0, 0.1, 2.9},
                        {40000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.points << " points, long span " << c.longSpan);
    std::vector<double> v, t;
    double time = c.start;
    for (int i = 0; i < c.points; ++i) {
      v.push_back(std::sin(0.37 * i) + 0.01 * (i % 13));
      if (i == c.longPair) time += c.longSpan;
      t.push_back(time);
      if (c.step > 0.0)
        time = c.below && i + 2 < c.points ? std::nextafter((i + 1) * c.step, 0.0)
                                           : (i + 1) * c.step;
      else if (c.repeatEvery == 0 || i % c.repeatEvery != 0)
        time += c.base + c.spread * ((i * 7919) % 11) / 11;
    }
    t[0] = c.start;
    if (c.swapAt != 0) std::swap(t[c.swapAt], t[c.swapAt + 1]);
    if (c.nanAt != 0) t[c.nanAt] = std::nan("");
    const RVektor values = Values(v);
    const RVektor times = Values(t);
    RealSignal fast;
    fast.ResampleToPowerOfTwo(values, times);
    RealSignal slow;
    slow.dt = fast.dt;
    for (int32_t k = 1; k < fast.GetSize() - 1; ++k)
      ASSERT_EQ(fast[k], slow.InterpolateAt(values, times, k)) << k;
    EXPECT_EQ(fast.cursor, slow.cursor);
    EXPECT_EQ(fast[0], v.front());
    EXPECT_EQ(fast[fast.GetSize() - 1], v.back());

    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    RealSignal divided;
    divided.ResampleToPowerOfTwo(values, times, true);
    ASSERT_EQ(divided.GetSize(), fast.GetSize());
    for (int32_t k = 0; k < fast.GetSize(); ++k)
      ASSERT_TRUE(same(divided[k], fast[k] / fast.GetSize())) << k;
    CmplxSignal direct;
    CmplxSignal viaSamples;
    direct.SetFromTransient(values, times);
    viaSamples.SetFromRealSignal(fast);
    ASSERT_EQ(direct.GetSize(), viaSamples.GetSize());
    EXPECT_EQ(direct.df, viaSamples.df);
    for (int32_t k = 0; k < direct.GetSize(); ++k) {
      ASSERT_TRUE(same(direct[k].re, viaSamples[k].re)) << k;
      ASSERT_TRUE(same(direct[k].im, viaSamples[k].im)) << k;
    }
  }
}

TEST(BitFolge, Sampling) {
  struct Case {
    const char* text;
    char shape;
    int samples;
    std::vector<double> expected;
  };
  const Case cases[] = {
      {"0110", 'R', 16, {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
      {"", 'R', 4, {0, 0, 0, 0}},
      {"0110", 'C', 3, {0, 0, 0}},
      {"10", 'X', 4, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    BitFolge bits(c.text);
    bits.shape = c.shape;
    EXPECT_EQ(Samples(bits.ToRealSignal(c.samples)), c.expected);
  }
}

TEST(BitFolge, RaisedCosinePeaksInItsBitAndReachesHalfIntoTheNeighbours) {
  BitFolge bits("010");
  bits.shape = 'C';
  const std::vector<double> s = Samples(bits.ToRealSignal(24));  // 8 samples per bit
  EXPECT_NEAR(s[12], 1.0, 1e-12);
  EXPECT_NEAR(s[4], 0.0, 1e-12);   // half a bit before the pulse's bit
  EXPECT_GT(s[5], 0.0);
  EXPECT_NEAR(s[20], 0.0, 1e-12);  // half a bit after
  EXPECT_EQ(s[0], 0.0);
  EXPECT_DOUBLE_EQ(bits.ToRealSignal(24).dt, 3 / 2.4e9 / 24);
}

TEST(BitFolge, TrapezoidEdges) {
  BitFolge bits("1");
  bits.shape = 'T';
  // s = 8: rising edge centred on the bit's start (q = 2), falling one on its end (e = 1).
  EXPECT_EQ(Samples(bits.ToRealSignal(8)),
            (std::vector<double>{0.5, 0.75, 1, 1, 1, 1, 1, 1}));
}

TEST(BitFolge, RandomBitsAreBothValuesAndValid) {
  BitFolge bits;
  bits.Randomize(400);
  const std::string text = bits.ToCString();
  ASSERT_EQ(text.size(), 400u);
  EXPECT_TRUE(bits.IsValid());
  const auto ones = std::count(text.begin(), text.end(), '1');
  EXPECT_GT(ones, 120);
  EXPECT_LT(ones, 280);
  EXPECT_FALSE(BitFolge("01a").IsValid());
}

TEST(BitFolge, ArchiveRefusesAnAbsurdBitCount) {
  BitFolge bits("1011");
  bits.shape = 'C';
  std::stringstream good;
  {
    pf::Archive out(static_cast<std::ostream&>(good));
    bits.Serialize(out);
  }
  BitFolge loaded;
  {
    pf::Archive in(static_cast<std::istream&>(good));
    loaded.Serialize(in);
  }
  EXPECT_EQ(loaded.ToCString(), "1011");
  EXPECT_EQ(loaded.bitCount, 4);
  EXPECT_EQ(loaded.shape, 'C');

  bits.bitCount = -3;
  std::stringstream bad;
  {
    pf::Archive out(static_cast<std::ostream&>(bad));
    bits.Serialize(out);
  }
  pf::Archive in(static_cast<std::istream&>(bad));
  EXPECT_THROW(loaded.Serialize(in), pf::ArchiveError);
}

}  // namespace
