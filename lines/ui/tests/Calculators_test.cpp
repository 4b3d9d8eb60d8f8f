// The dimensioning calculators on a circuit of their own, driven through scripted modal dialogs:
// beeps where the model has no result, the substrate of the combo box, and the guards of the
// stepped values.

#include "lines/ui/Calculators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/desktop/tests/ViewFixture.h"
#include "editor/symbols/SubSymbol.h"
#include "resources/CalculatorIds.h"

namespace {

constexpr int G = CVostraneView::kGridSpacing;

class CalculatorsTest : public ViewFixture {
 protected:
  void SetUp() override {
    VS_Error::ClearQueue();
    ViewFixture::SetUp();
  }
  void TearDown() override { VS_Error::ClearQueue(); }

  SubSymbol* Substrate(const char* name, float er, float height) {
    auto* s = new SubSymbol(Point(4 * G, (4 + 2 * count) * G), Point(6 * G, (4 + 2 * count) * G));
    ++count;
    s->substrateName = name;
    s->permittivity = er;
    s->height = height;
    view->GetDocument()->AddSymbol(s);
    return s;
  }
  size_t Beeps() { return headless.Ui().Beeps().size(); }

  int count = 0;
};

// Steps land on exact decimals, whatever single-precision value they start from: 0.5 mm as a
// float is 0.50000002 mm, and the guard must not let its remainder through (a step down from
// 10.0000024 um would leave 2.375 pm). Refused steps leave the value; increments move in exact
// decades.
TEST(CalculatorSteps, StepInExactDecimals) {
  const double kRefused = -1.0;
  const struct {
    double value, step;
    bool up;
    double result;
  } rows[] = {
      {static_cast<double>(0.5e-3f) - 4.9e-4, 1e-5, false, kRefused},
      {static_cast<double>(0.5e-3f), 1e-4, false, 4e-4},
      {static_cast<double>(0.635e-3f), 1e-5, true, 0.645e-3},
      {static_cast<double>(4.3e9f), 1e8, false, 4.2e9},
      {static_cast<double>(4.3e9f) - 4.2e9, 1e8, false, kRefused},
      {1.0 + 0.1 + 0.1, 0.1, true, 1.3},  // GHz
      {5e-5 - 4e-5, 1e-5, false, kRefused},
      {2e-5, 1e-5, false, 1e-5},
      {1e-4 + 1e-5, 1e-4, false, 1e-5},
      {0.635, 1.0, false, kRefused},
      {0.2, 0.1, false, 0.1},
      {1.0, 1e-6, true, 1.000001},  // a step finer than the value's six digits
      {10.001, 1e-3, false, 10.0},
  };
  for (const auto& r : rows) {
    double v = r.value;
    EXPECT_EQ(CalculatorDialog::Move(v, r.step, r.up), r.result != kRefused)
        << r.value << " " << r.step;
    EXPECT_EQ(v, r.result != kRefused ? r.result : r.value) << r.value << " " << r.step;
  }
  double increment = 1e-5;
  for (int i = 0; i < 4; ++i) increment = CalculatorDialog::Decade(increment * 10.0);
  EXPECT_EQ(increment, 0.1);
  EXPECT_FALSE(CalculatorDialog::Below(increment, 0.1));
}

// On PTFE far below h/lambda0 = 0.006 the closed form has no result: every step beeps and the
// results stay; Cohn's method has one.
TEST_F(CalculatorsTest, SlotlineBeepsUntilCohn) {
  Substrate("DUROID", 2.2f, 0.254e-3f);
  SlotLineDim dialog(view);
  dialog.AddSubstrate(dynamic_cast<SubSymbol*>(view->GetDocument()->FindSubstrate()));
  size_t before = 0;
  std::string z0;
  headless.ExpectDialog(dimslt_ids::kTemplate, [&](pf::DialogDriver& d) {
    before = Beeps();
    z0 = d.Text(dimslt_ids::kZ0);
    for (const int spin : {dimslt_ids::kWSpin, dimslt_ids::kLSpin, dimslt_ids::kFSpin}) {
      d.Spin(spin, true);
    }
    EXPECT_EQ(Beeps(), before + 3);
    EXPECT_EQ(d.Text(dimslt_ids::kZ0), z0);
    d.Click(dimslt_ids::kCohn);
    d.Spin(dimslt_ids::kWSpin, true);
    EXPECT_EQ(Beeps(), before + 3);
    EXPECT_NE(d.Text(dimslt_ids::kZ0), z0);
    d.Ok();
  });
  EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
  EXPECT_EQ(dialog.GetModel().GetModelLetter(), 'C');
  EXPECT_NEAR(dialog.GetModel().GetSlotWidth(), 2.2e-4, 1e-12);  // the model's 0.2 mm, two steps
}

// Each calculator computes with the substrate chosen in its combo box and gives its full name,
// which the substrate record cuts.
TEST_F(CalculatorsTest, ComputeWithTheChosenSubstrate) {
  Substrate("Keramik", 9.8f, 0.635e-3f);
  Substrate("Polytetrafluorethylen_glasverstaerkt", 2.2f, 0.787e-3f);
  const std::string second = "Polytetrafluorethylen_glasverstaerkt";
  std::vector<SubSymbol*> substrates;
  view->GetDocument()->Symbols().ForEach(
      [&substrates](NetSymbol* s) { substrates.push_back(dynamic_cast<SubSymbol*>(s)); });
  const auto run = [&](CalculatorDialog& dialog, int templateId, int combo, int result) {
    for (SubSymbol* s : substrates) dialog.AddSubstrate(s);
    headless.ExpectDialog(templateId, [&](pf::DialogDriver& d) {
      const std::string first = d.Text(result);
      d.Select(combo, second);
      EXPECT_NE(d.Text(result), first) << templateId;
      d.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), pf::kIdOk);
    EXPECT_EQ(dialog.GetSubstrateName(), second.c_str()) << templateId;
    EXPECT_EQ(dialog.GetSubstrate().ER, 2.2f) << templateId;
  };
  DimMikrostripLine microstrip(view);
  run(microstrip, dimmsl_ids::kTemplate, dimmsl_ids::kSub, dimmsl_ids::kZc);
  CCoplanarLineDim coplanar(view);
  run(coplanar, dimcpl_ids::kTemplate, dimcpl_ids::kSub, dimcpl_ids::kZ0);
  EXPECT_EQ(coplanar.GetModel().eps_r, 2.2f);
  MslToSltDesign transition(view);
  run(transition, msltsltdesign_ids::kTemplate, msltsltdesign_ids::kSub, msltsltdesign_ids::kZm);
  // The sandwich shows nothing before Compute: its model takes the substrate.
  SandwichSlotLineDlg sandwich(view);
  for (SubSymbol* s : substrates) sandwich.AddSubstrate(s);
  headless.ExpectDialog(sandwich_ids::kTemplate, [&](pf::DialogDriver& d) {
    d.Select(sandwich_ids::kSub, second);
    d.Click(sandwich_ids::kCompute);
    d.Ok();
  });
  EXPECT_EQ(sandwich.DoModal(), pf::kIdOk);
  EXPECT_EQ(sandwich.GetModel().h, 0.787e-3f);
  EXPECT_GT(sandwich.GetModel().GetRatioSquared(), 1.0);
  EXPECT_LT(sandwich.GetModel().GetRatioSquared(), 2.2);
}

// The frequencies stop one step above 0; the increments stay within their decades.
TEST_F(CalculatorsTest, SteppedValuesStayInTheirRanges) {
  Substrate("ALU", 9.8f, 0.635e-3f);
  auto* substrate = dynamic_cast<SubSymbol*>(view->GetDocument()->FindSubstrate());
  const auto spin = [](pf::DialogDriver& d, int id, bool up, int times) {
    for (int i = 0; i < times; ++i) d.Spin(id, up);
  };
  DimMikrostripLine microstrip(view);
  microstrip.AddSubstrate(substrate);
  headless.ExpectDialog(dimmsl_ids::kTemplate, [&](pf::DialogDriver& d) {
    spin(d, dimmsl_ids::kFSpin, false, 100);
    d.Ok();
  });
  microstrip.DoModal();
  EXPECT_NEAR(microstrip.GetFrequency(), 0.1, 1e-9);

  const struct {
    int up, down;
    double top, bottom;
  } ranges[] = {{4, 6, 0.1, 1e-6}, {2, 3, 1e-3, 1e-5}};
  SlotLineDim slot(view);
  MslToSltDesign transition(view);
  CalculatorDialog* dialogs[] = {&slot, &transition};
  const int templates[] = {dimslt_ids::kTemplate, msltsltdesign_ids::kTemplate};
  for (int k = 0; k < 2; ++k) {
    dialogs[k]->AddSubstrate(substrate);
    double top = 0.0;
    headless.ExpectDialog(templates[k], [&](pf::DialogDriver& d) {
      spin(d, dimslt_ids::kIncSpin, true, ranges[k].up + 3);
      top = k == 0 ? slot.GetIncrement() : transition.GetIncrement();
      spin(d, dimslt_ids::kIncSpin, false, ranges[k].down + 3);
      spin(d, dimslt_ids::kFSpin, false, 50);
      d.Ok();
    });
    dialogs[k]->DoModal();
    EXPECT_EQ(top, ranges[k].top) << k;
    EXPECT_EQ(k == 0 ? slot.GetIncrement() : transition.GetIncrement(), ranges[k].bottom) << k;
    EXPECT_NEAR(k == 0 ? slot.GetFrequency() : transition.GetFrequency(), 1e8, 1) << k;
  }
}

}  // namespace
