// The element dialogs driven as the user drives them, through scripted modal dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/dialogs/BasisDialogs.h"
#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/FetSymbol.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/headless.h"
#include "pf/property_sheet.h"
#include "resources/ElementDialogIds.h"

namespace {

using pf::DialogDriver;
using namespace controlled_ids;
namespace fet = fet_ids;
namespace smd = smd_ids;
namespace ue = uebertrager_ids;

// The label of a template known by number.
std::string Numbered(int id) { return std::to_string(id); }

class ElementDialogsTest : public testing::Test {
 protected:
  // Runs the symbol's dialog with the script; the dialog must have been closed by it.
  bool Edit(NetSymbol& symbol, const std::string& label, std::function<void(DialogDriver&)> s) {
    headless.ExpectDialog(label, std::move(s));
    const bool ok = symbol.EditDialog(nullptr);
    EXPECT_TRUE(headless.Failures().empty()) << headless.Failures().front();
    EXPECT_EQ(headless.PendingScripts(), 0);
    return ok;
  }
  const std::vector<pf::ScriptedUiServices::ShownMessage>& Boxes() {
    return headless.Ui().Messages();
  }
  size_t Beeps() { return headless.Ui().Beeps().size(); }

  pf::Headless headless;
};

// One bad input per row: the box it shows, whether a beep comes first, and the dialog stays
// open until the script cancels it. A missing text clicks the control.
struct Refusal {
  const char* what;
  std::function<std::unique_ptr<NetSymbol>()> make;
  std::string label;
  std::vector<std::pair<int, const char*>> input;
  const char* message;  // nullptr: the value class's own
  const char* caption;
  bool beep;
};

template <class S>
std::unique_ptr<NetSymbol> Make() {
  return std::make_unique<S>();
}

TEST_F(ElementDialogsTest, BadValuesShowOneBoxUnderTheFieldsCaptionAndKeepTheDialogOpen) {
  const Refusal rows[] = {
      {"op-amp gain", Make<OpAmpSymbol>, "OPAMPDIALG", {{kOpAmp.gain, "8x"}}, nullptr, "Fehler", false},
      {"VCG Rout", Make<VcgSymbol>, "VCGDIALG", {{kVcg.r2, "5q"}}, nullptr, "Fehler Rout", false},
      {"VVG Rin 0", Make<VvgSymbol>, "VVGDIALG", {{kOpAmp.r1, "0ohm"}},
       "Widerstand muss größer als 0 sein", "Fehler Rin:", false},
      {"CCG Td", Make<CcgSymbol>, "CCGDIALG", {{kCcg.delayBox, nullptr}, {kCcg.td, "1z"}}, nullptr,
       "Fehler Td:", false},
      {"SRLC F0 0", Make<SrlcSymbol>, "SRCDIALG", {{resonator_ids::kSeries.f0, "0Hz"}},
       "Resonanzfrequenz muss größer als 0 sein", "Fehler Fres:", false},
      {"crystal Fd", Make<QuarzSymbol>, "QUARZDIALG", {{quarz_ids::kFd, "0Hz"}},
       "Abstand zur Parallelresonanz muss größer als 0 sein", "Fehler Fdel:", false},
      {"crystal Q", Make<QuarzSymbol>, "QUARZDIALG", {{quarz_ids::kQ, "0"}}, "Güte muss größer als 0 sein",
       "Fehler Güte:", false},
      {"inductor", Make<IndSymbol>, "INDDIALG", {{ind_ids::kValue, "1xH"}}, nullptr, "Fehler Ind:", false},
      {"resistor", Make<ResSymbol>, Numbered(smd::kResTemplate), {{smd::kResistance, "1x"}}, nullptr, "Fehler Widerstandswert:",
       true},
      {"SMD length", Make<CapSymbol>, Numbered(smd::kCapTemplate), {{smd::kSmd, nullptr}, {smd::kCapLength, "3q"}}, nullptr,
       "Fehler Länge:", true},
      {"coupling 1", Make<CplIndSymbol>, Numbered(ue::kTemplate), {{ue::kCoupling, "1"}}, "Kopplung muss kleiner als 1 sein",
       "Fehler", false},
      {"coupling 0", Make<CplIndSymbol>, Numbered(ue::kTemplate), {{ue::kCoupling, "0"}}, "Kopplung muss größer als 0 sein",
       "Fehler", false},
      {"coupling text", Make<CplIndSymbol>, Numbered(ue::kTemplate), {{ue::kCoupling, "a"}}, nullptr, "Fehler Kopplung:",
       true},
      {"turns 0", Make<CplIndSymbol>, Numbered(ue::kTemplate), {{ue::kN2, "0"}}, "Windungszahl muss mindestens 1 sein",
       "Fehler N2:", true},
      {"FET gain 0", Make<FetSymbol>, "FETDIALG", {{fet::kGain, "0Mho"}}, "Steilheit ist Null", "Fehler",
       false},
      {"FET Rds 0", Make<FetSymbol>, "FETDIALG", {{fet::kRdsBox, nullptr}, {fet::kRds, "0ohm"}},
       "Rds ist Null", "Fehler", false},
      {"FET Lg", Make<FetSymbol>, "FETDIALG", {{fet::kLgBox, nullptr}, {fet::kLg, "2y"}}, nullptr, "Fehler",
       false},
  };
  for (const Refusal& row : rows) {
    SCOPED_TRACE(row.what);
    headless.Ui().Reset();
    std::unique_ptr<NetSymbol> symbol = row.make();
    EXPECT_FALSE(Edit(*symbol, row.label, [&](DialogDriver& d) {
      for (const auto& [id, text] : row.input) {
        if (text == nullptr) {
          d.Click(id);
        } else {
          d.Type(id, text);
        }
      }
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    }));
    ASSERT_EQ(Boxes().size(), 1u);
    if (row.message != nullptr) {
      EXPECT_EQ(Boxes()[0].text, row.message);
    }
    EXPECT_EQ(Boxes()[0].caption, row.caption);
    EXPECT_EQ(Beeps(), row.beep ? 1u : 0u);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

// A refused OK stores no field, neither while the dialog stays open nor after "Abbrechen"; the
// corrected OK stores every field, those typed before the refusal too.
TEST_F(ElementDialogsTest, ARefusedOkStoresNothingAndACorrectedOkStoresEveryField) {
  SrlcSymbol srlc;
  srlc.q = FloatWert("5");
  EXPECT_FALSE(Edit(srlc, "SRCDIALG", [&](DialogDriver& d) {
    EXPECT_EQ(d.Text(resonator_ids::kSeries.q), "5");
    d.Type(resonator_ids::kSeries.f0, "2MHz");
    d.Type(resonator_ids::kSeries.zk, "bad");
    d.Type(resonator_ids::kSeries.q, "7");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    EXPECT_EQ(srlc.f0, "1MHz");
    d.Cancel();
  }));
  EXPECT_EQ(srlc.f0, "1MHz");
  EXPECT_EQ(srlc.q, "5");

  CplIndSymbol t;
  EXPECT_FALSE(Edit(t, Numbered(ue::kTemplate), [](DialogDriver& d) {
    d.Type(ue::kLs, "20nH");
    d.Type(ue::kCoupling, "0.5");
    d.Type(ue::kN1, "x");
    d.Ok();
    d.Cancel();
  }));
  EXPECT_EQ(t.ls, "10nH");
  EXPECT_EQ(t.k, "0.99");
  EXPECT_EQ(t.n1, "1");
  EXPECT_TRUE(Edit(t, Numbered(ue::kTemplate), [&](DialogDriver& d) {
    d.Type(ue::kLs, "20nH");
    d.Type(ue::kCoupling, "0.5");
    d.Type(ue::kN1, "x");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    EXPECT_EQ(t.ls, "10nH");
    d.Type(ue::kN1, "2");
    d.Ok();
    EXPECT_TRUE(d.GetDialog().HasEnded());
  }));
  EXPECT_EQ(t.ls, "20nH");
  EXPECT_EQ(t.k, "0.5");
  EXPECT_EQ(t.n1, "2");
}

TEST_F(ElementDialogsTest, GainsAreStoredTypedOrNormalisedAndOptionalValuesSurviveUnchecking) {
  OpAmpSymbol amp;
  VvgSymbol vvg;
  for (auto [symbol, label, kept] : {std::tuple<ControlledSymbol*, const char*, const char*>{
                                         &amp, "OPAMPDIALG", "80.0"},
                                     {&vvg, "VVGDIALG", "80"}}) {
    symbol->cutOffFlag = 1;
    EXPECT_TRUE(Edit(*symbol, label, [](DialogDriver& d) {
      d.Type(kOpAmp.gain, "80.0");
      d.Click(kOpAmp.cutOffBox);  // off
      d.Type(kOpAmp.fg, "bad");
      d.Ok();
    }));
    EXPECT_EQ(symbol->Gain(), kept) << label;
    EXPECT_EQ(symbol->cutOffFlag, 0);
    EXPECT_EQ(symbol->fg, "100GHz");
    EXPECT_FALSE(Edit(*symbol, label, [](DialogDriver& d) {
      EXPECT_EQ(d.Text(kOpAmp.fg), "");
      EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(kOpAmp.cutOffBox), 0);
      d.Cancel();
    }));
  }
}

// The inductor's variable box is not in its template.
TEST_F(ElementDialogsTest, AnIdealInductorIgnoresItsLossEditsAndAMissingControlIsHarmless) {
  IndSymbol ind;
  ind.settingC = 0;
  ind.settingD = 1;
  EXPECT_TRUE(Edit(ind, "INDDIALG", [](DialogDriver& d) {
    d.Click(ind_ids::kIdeal);
    for (int id : {ind_ids::kFp, ind_ids::kQm, ind_ids::kFm}) d.Type(id, "?");
    d.Type(ind_ids::kValue, "3nH");
    d.Ok();
  }));
  EXPECT_EQ(ind.settingC, 1);
  EXPECT_EQ(ind.l, "3nH");
  EXPECT_EQ(ind.fp, "1THz");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ElementDialogsTest, UncheckingSmdDisablesTheLengthAndStoresFlag0) {
  ResSymbol r;
  r.smdFlag = 1;
  EXPECT_TRUE(Edit(r, Numbered(smd::kResTemplate), [](DialogDriver& d) {
    EXPECT_TRUE(d.GetDialog().GetDlgItem(smd::kResLength)->IsWindowEnabled());
    d.Type(smd::kResLength, "bad");
    d.Click(smd::kSmd);
    EXPECT_FALSE(d.GetDialog().GetDlgItem(smd::kResLength)->IsWindowEnabled());
    d.Type(smd::kResistance, "4.7kohm");
    d.Ok();
  }));
  EXPECT_EQ(r.smdFlag, 0);
  EXPECT_EQ(r.smdLength, "5mm");
  EXPECT_EQ(r.r, "4.7kohm");
}

TEST_F(ElementDialogsTest, TheKindRadiosSwitchKindAndPictureAtOnce) {
  CplIndSymbol t;
  ASSERT_EQ(t.kind, 'C');
  const pf::Bitmap unsymmetric = *t.bitmap;
  EXPECT_FALSE(Edit(t, Numbered(ue::kTemplate), [&](DialogDriver& d) {
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(ue::kUnsymmetric), 1);
    d.Click(ue::kSymmetric);
    EXPECT_EQ(t.kind, 'S');
    d.Cancel();
  }));
  EXPECT_EQ(t.kind, 'S');
  EXPECT_NE(*t.bitmap, unsymmetric);
}

TEST_F(ElementDialogsTest, FetDialogShowsCanonicalTextsAndStoresNumbers) {
  FetSymbol fet;
  fet.options[7] = {0.001f, 1};  // GDS: Rds 1 kohm
  fet.options[14] = {2e-9f, 0};  // Lg, unchecked
  EXPECT_FALSE(Edit(fet, "FETDIALG", [](DialogDriver& d) {
    EXPECT_EQ(d.Text(fet::kGain), "50mMho");
    EXPECT_EQ(d.Text(fet::kRds), "1kohm");
    EXPECT_EQ(d.Text(fet::kLg), "");
    d.Type(fet::kName, "CFY 30");
    d.Type(fet::kGain, "0");
    d.Ok();
    d.Cancel();
  }));
  EXPECT_EQ(fet.typeName, "MesFet");
  EXPECT_FLOAT_EQ(fet.transconductance, 0.05f);
  EXPECT_TRUE(Edit(fet, "FETDIALG", [](DialogDriver& d) {
    d.Type(fet::kName, "CFY 30");
    d.Type(fet::kGain, "40mMho");
    d.Type(fet::kRds, "500ohm");
    d.Type(fet::kLg, "bad");
    d.Ok();
  }));
  EXPECT_EQ(fet.typeName, "CFY 30");
  EXPECT_FLOAT_EQ(fet.transconductance, 0.04f);
  EXPECT_FLOAT_EQ(fet.options[7].value, 0.002f);
  EXPECT_EQ(fet.options[14].enabled, 0);
  EXPECT_FLOAT_EQ(fet.options[14].value, 2e-9f);
}

// The H page stores its fields when it is left, but only the sheet's OK keeps them: a refused OK
// followed by "Abbrechen" leaves the transistor as it was, also the kind that leaving the Y page
// set.
TEST_F(ElementDialogsTest, BipolarSheetKeepsOnlyWhatItsOkConfirmsAndLeavingTheYPageSetsH) {
  BipSymbol bip;
  const auto typeUpToH21 = [](DialogDriver& d) {
    d.Type(bipolar_ids::kName, "BC 107");
    d.Type(bipolar_ids::kH11, "2kohm");
    d.Type(bipolar_ids::kH12, "0.001");
    d.Type(bipolar_ids::kH21, "x");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
  };
  EXPECT_FALSE(Edit(bip, "Bipolartransistor", [&](DialogDriver& d) {
    typeUpToH21(d);
    d.Cancel();
  }));
  EXPECT_EQ(bip.typeName, "BCY 59");
  EXPECT_EQ(bip.h11, "3kohm");
  EXPECT_EQ(bip.h12, "0.0002");
  EXPECT_EQ(bip.h21, "250");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].caption, "Fehler H21:");
  EXPECT_TRUE(Edit(bip, "Bipolartransistor", [&](DialogDriver& d) {
    typeUpToH21(d);
    d.Type(bipolar_ids::kH21, "100");
    d.Ok();
  }));
  EXPECT_EQ(bip.typeName, "BC 107");
  EXPECT_EQ(bip.h11, "2kohm");
  EXPECT_EQ(bip.h12, "0.001");
  EXPECT_EQ(bip.h21, "100");

  bip.kind = 'S';
  EXPECT_FALSE(Edit(bip, "Bipolartransistor", [](DialogDriver& d) {
    EXPECT_EQ(static_cast<pf::PropertySheet&>(d.GetDialog()).GetActiveIndex(), 1);
    EXPECT_TRUE(d.SelectPage(0));
    d.Cancel();
  }));
  EXPECT_EQ(bip.kind, 'S');
  EXPECT_TRUE(Edit(bip, "Bipolartransistor", [](DialogDriver& d) {
    EXPECT_EQ(static_cast<pf::PropertySheet&>(d.GetDialog()).GetActiveIndex(), 1);
    EXPECT_TRUE(d.SelectPage(0));
    d.Type(bipolar_ids::kH22, "1mMho");
    d.Ok();
  }));
  EXPECT_EQ(bip.kind, 'H');
  EXPECT_EQ(bip.h22, "1mMho");
  EXPECT_FALSE(Edit(bip, "Bipolartransistor", [](DialogDriver& d) {
    EXPECT_EQ(static_cast<pf::PropertySheet&>(d.GetDialog()).GetActiveIndex(), 0);
    d.Cancel();
  }));
}

}  // namespace
