#include "instruments/ui/TransientAnalyseDialog.h"

#include <gtest/gtest.h>

#include <string>

#include "instruments/ui/MessGeraetSymbol.h"
#include "pf/headless.h"
#include "resources/SpiceAnalysisIds.h"

namespace {

namespace Ids = transient_ids;

// The duration is stored as soon as it reads; the two steps only once all three have, so a
// refused step keeps both old steps.
TEST(TransientAnalyseDialogTest, StoresTheDurationAtOnceAndTheStepsTogether) {
  const struct {
    const char* duration;
    const char* step;
    const char* maxStep;
    bool closes;
    const char* wantStop;
    const char* wantStep;
    const char* wantMaxStep;
  } kCases[] = {
      {"20mSec", "10uSec", "5uSec", true, "20mSec", "10uSec", "5uSec"},
      {"20mSec", "10uSec", "5xSec", false, "20mSec", "1mSec", "1mSec"},
      {"20mSec", "x", "5uSec", false, "20mSec", "1mSec", "1mSec"},
      {"x", "10uSec", "5uSec", false, "100mSec", "1mSec", "1mSec"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.duration) + " " + c.step + " " + c.maxStep);
    pf::Headless headless;
    MessMasterSymbol source;
    source.tranStop = TimWert("100mSec");
    source.tranStep = TimWert("1mSec");
    source.tranMaxStep = TimWert("1mSec");
    std::string shown;
    headless.ExpectDialog(Ids::kTemplate, [&](pf::DialogDriver& d) {
      shown = d.Text(Ids::kDuration) + " " + d.Text(Ids::kStep) + " " + d.Text(Ids::kMaxStep);
      d.Type(Ids::kDuration, c.duration);
      d.Type(Ids::kStep, c.step);
      d.Type(Ids::kMaxStep, c.maxStep);
      d.Ok();
      if (!c.closes) d.Cancel();
    });
    const int result = TransientAnalyseDialog(nullptr, source).DoModal();
    EXPECT_EQ(shown, "100mSec 1mSec 1mSec");
    EXPECT_EQ(result, c.closes ? pf::kIdOk : pf::kIdCancel);
    EXPECT_EQ(source.tranStop, c.wantStop);
    EXPECT_EQ(source.tranStep, c.wantStep);
    EXPECT_EQ(source.tranMaxStep, c.wantMaxStep);
    EXPECT_EQ(headless.Ui().Messages().size(), c.closes ? 0u : 1u);
    if (!c.closes) {
      EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler TimEdit:");
    }
  }
}

}  // namespace
