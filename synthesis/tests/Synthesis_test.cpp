// The placer's header first: it compiles on its own.
#include "synthesis/SynthesisPlacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SubSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/TemSymbol.h"
#include "pf/headless.h"
#include "pf/profile.h"
#include "resources/SynthesisIds.h"
#include "synthesis/FilterBuilders.h"
#include "synthesis/FilterDialogs.h"
#include "synthesis/FilterPrototype.h"
#include "synthesis/MicrostripConversion.h"

namespace {

constexpr int G = CVostraneView::kGridSpacing;

// What a placed symbol shows of itself: class key and the two pin positions.
struct Placed {
  std::string key;
  Point p1, p2;
};

class SynthesisTest : public testing::Test {
 protected:
  void SetUp() override {
    VS_Error::ClearQueue();
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
    app = std::make_unique<CVostraneApp>(std::vector<std::string>{},
                                         [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app->InitInstance());
    view = dynamic_cast<CVostraneView*>(app->GetMainFrame()->MdiGetActive()->GetActiveView());
    ASSERT_NE(view, nullptr);
    doc = view->GetDocument();
  }
  void TearDown() override { VS_Error::ClearQueue(); }

  SynthesisSettings& S() { return view->Synthesis(); }
  // A circuit of its own, with the default settings.
  void NewCircuit() {
    ASSERT_TRUE(headless.MenuCommand(*app->GetMainFrame(), "&Datei/&Neu"));
    view = dynamic_cast<CVostraneView*>(app->GetMainFrame()->MdiGetActive()->GetActiveView());
    doc = view->GetDocument();
  }
  void ExpectPlaced(const std::vector<Placed>& expected) {
    const std::vector<NetSymbol*> all = Symbols();
    ASSERT_EQ(all.size(), expected.size());
    for (size_t i = 0; i < all.size(); ++i) {
      EXPECT_EQ(all[i]->GetClassKey().ToCString(), expected[i].key) << i;
      EXPECT_EQ(all[i]->GetPinPosition(0), expected[i].p1) << i;
      if (all[i]->pinCount > 1) {
        EXPECT_EQ(all[i]->GetPinPosition(1), expected[i].p2) << i;
      }
    }
  }
  std::vector<NetSymbol*> Symbols() {
    std::vector<NetSymbol*> all;
    doc->Symbols().ForEach([&all](NetSymbol* s) { all.push_back(s); });
    return all;
  }
  std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (NetSymbol* s : Symbols()) keys.push_back(s->GetClassKey().ToCString());
    return keys;
  }
  bool Enabled(const char* item) {
    const auto state = headless.MenuItemState(*app->GetMainFrame(), item);
    return state && state->enabled;
  }
  template <class Dialog>
  int Run(pf::Headless::Script script) {
    headless.ExpectDialog(std::is_same_v<Dialog, TLowPasDlg> ? "LOWPASDIAG" : "BANDPASDIAG",
                          std::move(script));
    Dialog dialog(view, view);
    return dialog.DoModal();
  }

  pf::Headless headless;
  std::unique_ptr<CVostraneApp> app;
  CVostraneView* view = nullptr;
  CVostraneDoc* doc = nullptr;
};

TEST_F(SynthesisTest, LowPassDialogShowsTheDefaultFrequencyAndTurnsRippleZeroIntoButterworth) {
  const std::string shown = "4GHz";  // the document's default frequency
  Run<TLowPasDlg>([&shown](pf::DialogDriver& d) {
    EXPECT_EQ(d.Text(filter_ids::kFrequency), shown);
    EXPECT_EQ(d.Text(filter_ids::kRipple), "0.5");
    d.Type(filter_ids::kFrequency, "1.5GHz");
    d.Type(filter_ids::kRipple, "0");
    d.Type(filter_ids::kOrder, "7");
    d.Click(filter_ids::kChebyshev);
    d.Ok();
  });
  EXPECT_DOUBLE_EQ(S().CutoffFrequency, 1.5e9);
  EXPECT_EQ(S().FilterOrder, 7);
  EXPECT_EQ(S().FilterType, 'B');
  EXPECT_EQ(S().RippleDb, 0.5);
  // Not the last cut-off; a Butterworth filter shows no ripple.
  Run<TLowPasDlg>([&shown](pf::DialogDriver& d) {
    EXPECT_EQ(d.Text(filter_ids::kFrequency), shown);
    EXPECT_EQ(d.Text(filter_ids::kRipple), "0");
    d.Cancel();
  });
}

// A refused figure keeps the dialog open and stores none of the figures, also those before it.
TEST_F(SynthesisTest, RefusedFigureStoresNoneAndKeepsTheDialogOpen) {
  struct Case {
    const char* bandwidth;
    const char* order;
    const char* message;
  };
  const SynthesisSettings fresh;
  const auto expectFresh = [&] {
    EXPECT_EQ(S().CentreFrequency, fresh.CentreFrequency);
    EXPECT_EQ(S().Bandwidth, fresh.Bandwidth);
    EXPECT_EQ(S().FilterOrder, fresh.FilterOrder);
  };
  for (const Case& c :
       {Case{"-5MHz", "3", nullptr}, Case{"100MHz", "11", "Ordnung muß zwischen 1 und 10 liegen"},
        Case{"100MHz", "-1", "Ist keine Zahl"}}) {
    S() = SynthesisSettings{};
    const size_t shown = headless.Ui().Messages().size();
    Run<TBandPasDlg>([&](pf::DialogDriver& d) {
      d.Type(filter_ids::kFrequency, "3GHz");
      d.Type(filter_ids::kBandwidth, c.bandwidth);
      d.Type(filter_ids::kOrder, c.order);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded()) << c.bandwidth << " " << c.order;
      expectFresh();
      d.Cancel();
    });
    ASSERT_EQ(headless.Ui().Messages().size(), shown + 1);
    EXPECT_EQ(headless.Ui().Messages().back().caption, "Fehler");
    if (c.message != nullptr) {
      EXPECT_EQ(headless.Ui().Messages().back().text, c.message);
    }
    expectFresh();
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

TEST_F(SynthesisTest, LineDialogProposesTwiceTheCutoffEveryTime) {
  headless.ExpectDialog("LOWPASDIAG", [](pf::DialogDriver& d) { d.Ok(); });
  ASSERT_TRUE(headless.MenuCommand(*app->GetMainFrame(), "Synthese/Tiefpass..."));
  for (const double cutoff : {1e9, 3e9}) {
    S().CutoffFrequency = cutoff;
    S().LineReferenceFrequency = 7e9;
    headless.ExpectDialog(line_lowpass_ids::kTemplate, [cutoff](pf::DialogDriver& d) {
      EXPECT_EQ(FreqWert(d.Text(line_lowpass_ids::kFrequency).c_str()).Value(),
                static_cast<float>(2 * cutoff));
      d.Cancel();
    });
    ASSERT_TRUE(headless.MenuCommand(*app->GetMainFrame(), "Synthese/->TRL-Tiefpass..."));
    EXPECT_EQ(S().LineReferenceFrequency, 2 * cutoff);
  }
  EXPECT_TRUE(S().LowPassBuilt);  // Cancel transforms nothing
}

// The defaults: order 3, 0.5 dB Chebyshev, 1 GHz, 50 ohm.
TEST_F(SynthesisTest, LowPassOfOrderThreeAndHighPassOnItsPins) {
  BuildLowPass(*view);
  const std::vector<Placed> lowPass = {{"INDUKTIVITAET", {5 * G, 5 * G}, {9 * G, 5 * G}},
                                       {"KAPAZITAET", {9 * G, 5 * G}, {9 * G, 8 * G}},
                                       {"GROUND", {9 * G, 8 * G}, {9 * G, 9 * G}},
                                       {"INDUKTIVITAET", {9 * G, 5 * G}, {13 * G, 5 * G}}};
  ExpectPlaced(lowPass);
  auto* first = dynamic_cast<IndSymbol*>(Symbols()[0]);
  EXPECT_NEAR(first->l.Value(), 12.70e-9, 0.005e-9);
  EXPECT_NEAR(dynamic_cast<CapSymbol*>(Symbols()[1])->c.Value(), 3.49e-12, 0.005e-12);
  EXPECT_FALSE(Enabled("Synthese/Tiefpass..."));
  EXPECT_TRUE(Enabled("Synthese/->Hochpass"));

  const double l = first->l.Value();
  doc->AddSymbol(new ResSymbol(Point(20 * G, 20 * G), Point(22 * G, 20 * G)));  // goes
  ASSERT_TRUE(headless.MenuCommand(*app->GetMainFrame(), "Synthese/->Hochpass"));
  std::vector<Placed> highPass = lowPass;
  for (const int i : {0, 3}) highPass[i].key = "KAPAZITAET";
  highPass[1].key = "INDUKTIVITAET";
  ExpectPlaced(highPass);
  const double w = 6.28318530717958e9;
  EXPECT_NEAR(dynamic_cast<CapSymbol*>(Symbols()[0])->c.Value() * l * w * w, 1.0, 1e-3);
  EXPECT_FALSE(Enabled("Synthese/->Hochpass"));  // consumed
}

// Butterworth: order 1 is one inductor of 2 Z / wc, order 4 ends with a capacitor over its
// ground, order 5 with an inductor.
TEST_F(SynthesisTest, LowPassEndings) {
  struct Case {
    int order;
    std::vector<std::string> lastKeys;
    Point lastStart;
  };
  for (const Case& c : {Case{1, {"INDUKTIVITAET"}, {5 * G, 5 * G}},
                        Case{4, {"KAPAZITAET", "GROUND"}, {13 * G, 8 * G}},
                        Case{5, {"GROUND", "INDUKTIVITAET"}, {13 * G, 5 * G}}}) {
    NewCircuit();
    S().FilterOrder = c.order;
    S().FilterType = 'B';
    BuildLowPass(*view);
    const std::vector<std::string> keys = Keys();
    ASSERT_EQ(keys.size(), static_cast<size_t>(c.order + c.order / 2));
    EXPECT_EQ(
        std::vector<std::string>(keys.end() - static_cast<long>(c.lastKeys.size()), keys.end()),
        c.lastKeys);
    EXPECT_EQ(Symbols().back()->GetPinPosition(0), c.lastStart) << c.order;
    if (c.order == 1) {
      EXPECT_NEAR(dynamic_cast<IndSymbol*>(Symbols()[0])->l.Value(), 15.92e-9, 0.005e-9);
    }
  }
}

TEST_F(SynthesisTest, BandPassEdgesResonatorsAndBandStop) {
  BuildBandPass(*view);
  EXPECT_NEAR(S().UpperBandEdge, 2.2656e9, 1e5);
  EXPECT_NEAR(S().LowerBandEdge, 1.7656e9, 1e5);
  ExpectPlaced({{"SERRESCIRCUIT", {5 * G, 5 * G}, {8 * G, 5 * G}},
                {"PARRESCIRCUIT", {8 * G, 5 * G}, {8 * G, 8 * G}},
                {"GROUND", {8 * G, 8 * G}, {8 * G, 9 * G}},
                {"SERRESCIRCUIT", {8 * G, 5 * G}, {11 * G, 5 * G}}});
  std::vector<double> zKen;
  for (NetSymbol* s : Symbols()) {
    if (s->GetClassKey() == "GROUND") continue;
    EXPECT_EQ(s->GetParameter("qGuete"), 10000.0);
    EXPECT_EQ(s->GetParameter("fRes"), 2e9);
    zKen.push_back(s->GetParameter("zKen"));
  }
  ASSERT_TRUE(headless.MenuCommand(*app->GetMainFrame(), "Synthese/->Bandsperre"));
  EXPECT_EQ(Keys(), (std::vector<std::string>{"PARRESCIRCUIT", "SERRESCIRCUIT", "GROUND",
                                              "PARRESCIRCUIT"}));
  const double q = S().LowerBandEdge / S().UpperBandEdge;
  const double d = (1 - q) * (1 - q);
  EXPECT_NEAR(Symbols()[0]->GetParameter("zKen") / zKen[0], d / q, 1e-3 * d / q);
  EXPECT_NEAR(Symbols()[1]->GetParameter("zKen") / zKen[1], q / d, 1e-3 * q / d);
  EXPECT_EQ(Symbols()[1]->GetParameter("qGuete"), 10000.0);
  EXPECT_FALSE(Enabled("Synthese/->Bandsperre"));
}

TEST_F(SynthesisTest, StubLowPassOfOrderThree) {
  BuildStubLowPass(*view);
  const std::vector<NetSymbol*> all = Symbols();
  ASSERT_EQ(all.size(), 9u);
  EXPECT_EQ(Keys().front(), "ExKnotenSymbol");
  EXPECT_EQ(Keys().back(), "ExKnotenSymbol");
  const std::vector<double> v = ComputeStubPrototype(3, 'T', 0.5);
  const std::string kinds = "LOLOLOL";
  const double z[] = {50, 50 / v[0], 50 * v[1], 50 / v[2], 50 * v[3], 50 / v[4], 50};
  for (size_t i = 0; i < kinds.size(); ++i) {
    auto* line = dynamic_cast<TemSymbol*>(all[i + 1]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->kind, kinds[i]) << i;
    EXPECT_NEAR(line->z.Value(), z[i], 1e-3 * z[i]) << i;
    const bool feed = i == 0 || i == 6;
    // 0.0374741 m, written with four digits
    EXPECT_NEAR(line->p.Value(), feed ? 0.01 : 0.0374741, 5e-6) << i;
    if (kinds[i] == 'O') {
      EXPECT_EQ(line->pinCount, 1);
      EXPECT_EQ(line->GetPinPosition(1) - line->GetPinPosition(0), Point(0, 4 * G));
    }
  }
  EXPECT_TRUE(S().StubLowPassBuilt);
}

TEST_F(SynthesisTest, TemLowPassLinesAreAQuarterWaveAtTheReference) {
  BuildLowPass(*view);
  const double l = dynamic_cast<IndSymbol*>(Symbols()[0])->l.Value();
  S().LineReferenceFrequency = 2e9;
  TransformToLines(*view);
  EXPECT_EQ(Keys(), (std::vector<std::string>{"TEMTRANSLINE", "TEMTRANSLINE", "TEMTRANSLINE"}));
  const std::string kinds = "SOS";
  for (size_t i = 0; i < 3; ++i) {
    auto* line = dynamic_cast<TemSymbol*>(Symbols()[i]);
    EXPECT_EQ(line->kind, kinds[i]);
    EXPECT_NEAR(line->p.Value(), 0.0374741, 5e-6);
  }
  EXPECT_NEAR(dynamic_cast<TemSymbol*>(Symbols()[0])->z.Value(), 6.28318530717958e9 * l, 0.01);
  EXPECT_FALSE(S().LowPassBuilt);
}

TEST_F(SynthesisTest, ValueThatIsNotPositiveAndFinitePlacesNothing) {
  struct Case {
    void (*build)(CVostraneView& view);
    double cutoff, impedance;
    float bandwidth;
  };
  for (const Case& c :
       {Case{BuildLowPass, 0.0, 50.0, 5e8f}, Case{BuildLowPass, 1e9, 0.0, 5e8f},
        Case{BuildBandPass, 1e9, 50.0, 0.0f}, Case{BuildStubLowPass, 0.0, 50.0, 5e8f}}) {
    NewCircuit();
    S().CutoffFrequency = c.cutoff;
    S().FilterImpedance = c.impedance;
    S().Bandwidth = c.bandwidth;
    c.build(*view);
    EXPECT_EQ(doc->Symbols().GetCount(), 0);
    EXPECT_EQ(VS_Error::GetFirstMessage(),
              "Synthese: ein Elementwert ist nicht positiv und endlich");
    EXPECT_FALSE(S().LowPassBuilt || S().BandPassBuilt || S().StubLowPassBuilt);
    VS_Error::ClearQueue();
  }
}

}  // namespace

// The width search meets the impedance within 0.1 ohm from either side of W = h; one that
// cannot be met (the formulas end before 1000 ohm) is reported and gives no width.
TEST(MicrostripWidth, MeetsTheImpedanceOrReports) {
  SubstrateData alumina;
  alumina.H = 0.635e-3;
  alumina.ER = 9.8;
  alumina.T = 0.0;
  for (const double wanted : {20.0, 49.29, 50.0, 120.0}) {
    VS_Error::ClearQueue();
    MicrostripResult r;
    const double w = FindMicrostripWidth(alumina, 2.0, wanted, r);
    MicrostripResult check;
    ASSERT_TRUE(MathPool::CalcMicrostrip(check, alumina, 2.0, w)) << wanted;
    EXPECT_NEAR(check.Z0, wanted, 0.1) << wanted;
    EXPECT_EQ(r.Z0, check.Z0) << wanted;
    EXPECT_EQ(VS_Error::MessageCount(), 0) << wanted;
  }
  MicrostripResult r;
  EXPECT_EQ(FindMicrostripWidth(alumina, 2.0, 1000.0, r), 0.0);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Keine Streifenbreite für 1kohm gefunden");
  VS_Error::ClearQueue();
}

// The stub low-pass on the circuit's last substrate: substrates, then a microstrip line or open
// stub between the pins of each TEM line, then the ports; widths give the TEM impedances, the
// lengths the same electrical length (the open stubs less their open-end extension), and each
// names the substrate. The command is enabled only with a substrate right after the build.
TEST_F(SynthesisTest, StubLowPassTurnedIntoMicrostrip) {
  const char* const item = "Synthese/->MSL-Tiefpass";
  BuildStubLowPass(*view);
  EXPECT_FALSE(Enabled(item));
  std::vector<Placed> tem;
  for (NetSymbol* s : Symbols()) tem.push_back({"", s->GetPinPosition(0), s->GetPinPosition(1)});
  std::vector<double> impedances;
  for (NetSymbol* s : Symbols()) {
    if (auto* line = dynamic_cast<TemSymbol*>(s)) impedances.push_back(line->z.Value());
  }
  auto* substrate = new SubSymbol(Point(20 * G, 20 * G), Point(22 * G, 20 * G));
  substrate->substrateName = "Aluminiumoxid_99_Prozent";  // longer than the record's field
  substrate->permittivity = 9.8f;
  substrate->height = 0.635e-3f;
  substrate->metalThickness = 0.0f;
  doc->AddSymbol(substrate);
  EXPECT_TRUE(Enabled(item));
  ASSERT_TRUE(headless.MenuCommand(*app->GetMainFrame(), item));
  EXPECT_FALSE(Enabled(item));
  EXPECT_FALSE(S().StubLowPassBuilt);
  const std::vector<NetSymbol*> all = Symbols();
  ASSERT_EQ(all.size(), 10u);
  EXPECT_EQ(all[0], substrate);
  const std::string keys[] = {"MICTRANSLINE", "MICOPENSTUB"};
  SubstrateData record;
  substrate->GetSubstrateParams(record);
  for (size_t i = 0; i < 7; ++i) {
    NetSymbol& s = *all[i + 1];
    EXPECT_EQ(s.GetClassKey().ToCString(), keys[i % 2]) << i;
    EXPECT_EQ(s.GetPinPosition(0), tem[i + 1].p1) << i;
    auto* strip = dynamic_cast<StripSymbol<ZweiPolSymbol>*>(&s);
    auto* stub = dynamic_cast<StripSymbol<EinPolSymbol>*>(&s);
    ASSERT_TRUE(strip != nullptr || stub != nullptr) << i;
    LaeWert w = strip != nullptr ? strip->w : stub->w;
    LaeWert p = strip != nullptr ? strip->p : stub->p;
    EXPECT_EQ(strip != nullptr ? strip->substrate : stub->substrate, "Aluminiumoxid_99_Prozent");
    MicrostripResult r;
    ASSERT_TRUE(MathPool::CalcMicrostrip(r, record, 1.0, w.Value() * 1000.0)) << i;
    EXPECT_NEAR(r.Z0, impedances[i], 0.1 + 1e-3 * impedances[i]) << i;
    const double electrical = (i == 0 || i == 6 ? 0.01 : 0.0374741) / std::sqrt(r.eps);
    EXPECT_NEAR(p.Value(), stub != nullptr ? electrical - r.dl / 1000.0 : electrical, 2e-5) << i;
  }
  EXPECT_EQ(Keys().back(), "ExKnotenSymbol");
  EXPECT_EQ(all[8]->GetClassKey(), "ExKnotenSymbol");
}
