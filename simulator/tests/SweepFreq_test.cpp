#include "simulator/SweepFreq.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>

#include "pf/archive.h"

namespace {

SweepFreq Axis(double start, double stop, int count, char mode) {
  SweepFreq sweep;
  sweep.SetStart(start);
  sweep.SetStop(stop);
  sweep.SetCount(count);
  sweep.mode = mode;
  sweep.Prepare();
  return sweep;
}

std::string Record(SweepFreq& sweep) {
  std::ostringstream out;
  pf::Archive ar(out);
  sweep.Serialize(ar);
  return out.str();
}

SweepFreq Load(const std::string& bytes) {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  SweepFreq loaded;
  loaded.Serialize(ar);
  return loaded;
}

TEST(SweepFreqTest, SetCountClamps) {
  struct Case {
    int n;
    int count;
    int messages;
  } cases[] = {{0, 2, 1}, {5000, 3000, 0}, {3000, 3000, 0}, {1, 1, 0}};
  for (const Case& c : cases) {
    VS_Error::ResetQueue();
    SweepFreq sweep;
    sweep.SetCount(c.n);
    EXPECT_EQ(sweep.count, c.count) << c.n;
    EXPECT_EQ(VS_Error::MessageCount(), c.messages) << c.n;
    EXPECT_EQ(sweep.GetErrorCode(), c.messages ? 2 : 0) << c.n;
    if (c.messages) {
      EXPECT_STREQ(VS_Error::Message(0).GetBuffer(), "Anzahl der Frequenzwerte muß > 0 sein");
    }
  }
}

TEST(SweepFreqTest, CountChangedOnlyWhenTheCountChanges) {
  SweepFreq sweep;
  sweep.SetCount(1);
  EXPECT_FALSE(sweep.CountChanged());
  sweep.SetCount(7);
  EXPECT_TRUE(sweep.CountChanged());
  sweep.ClearChangeFlags();
  sweep.SetCount(7);
  EXPECT_FALSE(sweep.CountChanged());
}

TEST(SweepFreqTest, PrepareOrdersTheRange) {
  SweepFreq sweep = Axis(3e10, 2e9, 51, 'L');
  EXPECT_EQ(sweep.start, 2e9);
  EXPECT_EQ(sweep.stop, 3e10);
  EXPECT_TRUE(sweep.RangeChanged());
  EXPECT_EQ(sweep.current, 2e9);
  sweep.ClearChangeFlags();
  sweep.Prepare();
  EXPECT_FALSE(sweep.RangeChanged());
  EXPECT_EQ(sweep.index, 0);
}

TEST(SweepFreqTest, LinearPoints) {
  const SweepFreq sweep = Axis(1e9, 2e10, 51, 'L');
  EXPECT_EQ(sweep.step, 3.8e8);
  EXPECT_EQ(sweep.GetFrequency(50), 2e10);
  EXPECT_EQ(sweep.GetFrequency(-3), 1e9);
  EXPECT_EQ(sweep.GetFrequency(9999), 2e10);
}

TEST(SweepFreqTest, LogarithmicPoints) {
  const SweepFreq audio = Axis(1000, 20000, 51, 'E');
  EXPECT_NEAR(audio.GetFrequency(25), 4472.136, 1e-3);

  const SweepFreq decades = Axis(1e6, 1e9, 4, 'E');
  EXPECT_DOUBLE_EQ(decades.GetFrequency(1), 1e7);
  EXPECT_DOUBLE_EQ(decades.GetFrequency(2), 1e8);
  EXPECT_EQ(decades.GetFrequency(3), 1e9) << "the last point is stop itself";
}

TEST(SweepFreqTest, LogarithmicAxisNeedsAPositiveStart) {
  const SweepFreq sweep = Axis(0, 1e9, 11, 'E');
  EXPECT_EQ(sweep.mode, 'L');
  EXPECT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_EQ(sweep.GetFrequency(5), 5e8);
}

// Results of one axis belong to another only over the same points: the cursor and the change
// flags do not count, nor which letter names a logarithmic spacing.
TEST(SweepFreqTest, SameAxisComparesThePoints) {
  const SweepFreq base = Axis(1e9, 2e10, 101, 'E');
  const struct {
    SweepFreq other;
    bool same;
  } cases[] = {
      {Axis(1e9, 2e10, 101, 'E'), true},
      {Axis(1e9, 2e10, 101, 'X'), true},
      {Axis(1e8, 2e10, 101, 'E'), false},
      {Axis(1e9, 3e9, 101, 'E'), false},
      {Axis(1e9, 2e10, 51, 'E'), false},
      {Axis(1e9, 2e10, 101, 'L'), false},
  };
  for (const auto& c : cases) {
    SweepFreq other = c.other;
    other.NextPoint();
    other.ClearChangeFlags();
    EXPECT_EQ(base.SameAxis(other), c.same) << other.start << " " << other.stop << " "
                                            << other.count << " " << other.mode;
    EXPECT_EQ(other.SameAxis(base), c.same);
  }
}

TEST(SweepFreqTest, CursorWalk) {
  SweepFreq sweep = Axis(1e9, 2e9, 3, 'L');
  EXPECT_EQ(sweep.NextPoint(), 1);
  EXPECT_EQ(sweep.current, 1.5e9);
  EXPECT_EQ(sweep.NextPoint(), 1);
  EXPECT_EQ(sweep.index, 2);
  EXPECT_EQ(sweep.NextPoint(), 0);
  EXPECT_EQ(sweep.index, 0);
  EXPECT_EQ(sweep.current, 1e9);

  SweepFreq single = Axis(5e8, 2e9, 1, 'L');
  EXPECT_EQ(single.NextPoint(), 0);
  EXPECT_EQ(single.GetFrequency(0), 5e8);
}

TEST(SweepFreqTest, ArchiveRecordIs61Bytes) {
  SweepFreq sweep = Axis(1e9, 2e10, 51, 'E');
  const std::string bytes = Record(sweep);
  ASSERT_EQ(bytes.size(), 61u);
  double start = 0;
  int32_t count = 0;
  std::memcpy(&start, bytes.data(), 8);
  std::memcpy(&count, bytes.data() + 56, 4);
  EXPECT_EQ(start, 1e9);
  EXPECT_EQ(count, 51);
  EXPECT_EQ(bytes[60], 'E');

  const SweepFreq loaded = Load(bytes);
  EXPECT_EQ(loaded.stop, 2e10);
  EXPECT_EQ(loaded.step, sweep.step);
  EXPECT_EQ(loaded.count, 51);
  EXPECT_EQ(loaded.previousCount, 51);
  EXPECT_EQ(loaded.mode, 'E');
}

TEST(SweepFreqTest, LoadingRefusesBadRecords) {
  SweepFreq sweep = Axis(1e9, 2e10, 51, 'L');
  const std::string good = Record(sweep);
  const auto load = [](const std::string& bytes) { Load(bytes); };
  std::string badCount = good;
  const int32_t huge = 5000;
  std::memcpy(badCount.data() + 56, &huge, 4);
  EXPECT_THROW(load(badCount), pf::ArchiveError);
  std::string notFinite = good;
  const double inf = INFINITY;
  std::memcpy(notFinite.data() + 44, &inf, 8);
  EXPECT_THROW(load(notFinite), pf::ArchiveError);
  EXPECT_THROW(load(good.substr(0, 60)), pf::ArchiveError);
}

}  // namespace
