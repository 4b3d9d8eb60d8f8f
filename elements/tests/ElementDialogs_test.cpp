// The element dialogs driven as the user drives them, through scripted modal dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/dialogs/BasisDialogs.h"
#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/FetSymbol.h"
#include "elements/dialogs/UebertragerDialog.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/headless.h"
#include "pf/property_sheet.h"

namespace {

using pf::DialogDriver;

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
  const char* label;
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
      {"op-amp gain", Make<OpAmpSymbol>, "OPAMPDIALG", {{1215, "8x"}}, nullptr, "Fehler", false},
      {"VCG Rout", Make<VcgSymbol>, "VCGDIALG", {{1224, "5q"}}, nullptr, "Fehler Rout", false},
      {"VVG Rin 0", Make<VvgSymbol>, "VVGDIALG", {{1216, "0ohm"}},
       "Widerstand muss größer als 0 sein", "Fehler Rin:", false},
      {"CCG Td", Make<CcgSymbol>, "CCGDIALG", {{1234, nullptr}, {1236, "1z"}}, nullptr,
       "Fehler Td:", false},
      {"SRLC F0 0", Make<SrlcSymbol>, "SRCDIALG", {{1290, "0Hz"}},
       "Resonanzfrequenz muss größer als 0 sein", "Fehler Fres:", false},
      {"crystal Fd", Make<QuarzSymbol>, "QUARZDIALG", {{1301, "0Hz"}},
       "Abstand zur Parallelresonanz muss größer als 0 sein", "Fehler Fdel:", false},
      {"crystal Q", Make<QuarzSymbol>, "QUARZDIALG", {{1303, "0"}}, "Güte muss größer als 0 sein",
       "Fehler Güte:", false},
      {"inductor", Make<IndSymbol>, "INDDIALG", {{1210, "1xH"}}, nullptr, "Fehler Ind:", false},
      {"resistor", Make<ResSymbol>, "201", {{1116, "1x"}}, nullptr, "Fehler Widerstandswert:",
       true},
      {"SMD length", Make<CapSymbol>, "202", {{1117, nullptr}, {1120, "3q"}}, nullptr,
       "Fehler Länge:", true},
      {"coupling 1", Make<CplIndSymbol>, "147", {{1029, "1"}}, "Kopplung muss kleiner als 1 sein",
       "Fehler", false},
      {"coupling 0", Make<CplIndSymbol>, "147", {{1029, "0"}}, "Kopplung muss größer als 0 sein",
       "Fehler", false},
      {"coupling text", Make<CplIndSymbol>, "147", {{1029, "a"}}, nullptr, "Fehler Kopplung:",
       true},
      {"turns 0", Make<CplIndSymbol>, "147", {{1032, "0"}}, "Windungszahl muss mindestens 1 sein",
       "Fehler N2:", true},
      {"FET gain 0", Make<FetSymbol>, "FETDIALG", {{1416, "0Mho"}}, "Steilheit ist Null", "Fehler",
       false},
      {"FET Rds 0", Make<FetSymbol>, "FETDIALG", {{1421, nullptr}, {1422, "0ohm"}},
       "Rds ist Null", "Fehler", false},
      {"FET Lg", Make<FetSymbol>, "FETDIALG", {{1401, nullptr}, {1400, "2y"}}, nullptr, "Fehler",
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

TEST_F(ElementDialogsTest, EarlierFieldsStayStoredAfterCancelAndACorrectedOkCloses) {
  SrlcSymbol srlc;
  srlc.q = FloatWert("5");
  EXPECT_FALSE(Edit(srlc, "SRCDIALG", [](DialogDriver& d) {
    EXPECT_EQ(d.Text(1292), "5");
    d.Type(1290, "2MHz");
    d.Type(1291, "bad");
    d.Type(1292, "7");
    d.Ok();
    d.Cancel();
  }));
  EXPECT_EQ(srlc.f0, "2MHz");
  EXPECT_EQ(srlc.q, "5");

  CplIndSymbol t;
  EXPECT_FALSE(Edit(t, "147", [](DialogDriver& d) {
    d.Type(1028, "20nH");
    d.Type(1029, "0.5");
    d.Type(1031, "x");
    d.Ok();
    d.Cancel();
  }));
  EXPECT_EQ(t.ls, "20nH");
  EXPECT_EQ(t.k, "0.5");
  EXPECT_TRUE(Edit(t, "147", [](DialogDriver& d) {
    d.Type(1029, "0.99");
    d.Type(1031, "2");
    d.Ok();
    EXPECT_TRUE(d.GetDialog().HasEnded());
  }));
  EXPECT_EQ(t.k, "0.99");
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
      d.Type(1215, "80.0");
      d.Click(1218);  // off
      d.Type(1220, "bad");
      d.Ok();
    }));
    EXPECT_EQ(symbol->Gain(), kept) << label;
    EXPECT_EQ(symbol->cutOffFlag, 0);
    EXPECT_EQ(symbol->fg, "100GHz");
    EXPECT_FALSE(Edit(*symbol, label, [](DialogDriver& d) {
      EXPECT_EQ(d.Text(1220), "");
      EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(1218), 0);
      d.Cancel();
    }));
  }
}

// The inductor's variable box (1209) is not in its template.
TEST_F(ElementDialogsTest, AnIdealInductorIgnoresItsLossEditsAndAMissingControlIsHarmless) {
  IndSymbol ind;
  ind.settingC = 0;
  ind.settingD = 1;
  EXPECT_TRUE(Edit(ind, "INDDIALG", [](DialogDriver& d) {
    d.Click(1211);
    for (int id : {1212, 1213, 1214}) d.Type(id, "?");
    d.Type(1210, "3nH");
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
  EXPECT_TRUE(Edit(r, "201", [](DialogDriver& d) {
    EXPECT_TRUE(d.GetDialog().GetDlgItem(1118)->IsWindowEnabled());
    d.Type(1118, "bad");
    d.Click(1117);
    EXPECT_FALSE(d.GetDialog().GetDlgItem(1118)->IsWindowEnabled());
    d.Type(1116, "4.7kohm");
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
  EXPECT_FALSE(Edit(t, "147", [&](DialogDriver& d) {
    EXPECT_EQ(d.GetDialog().IsDlgButtonChecked(UebertragerDialog::kUnsymmetric), 1);
    d.Click(UebertragerDialog::kSymmetric);
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
    EXPECT_EQ(d.Text(1416), "50mMho");
    EXPECT_EQ(d.Text(1422), "1kohm");
    EXPECT_EQ(d.Text(1400), "");
    d.Type(1435, "CFY 30");
    d.Type(1416, "0");
    d.Ok();
    d.Cancel();
  }));
  EXPECT_EQ(fet.typeName, "CFY 30");
  EXPECT_TRUE(Edit(fet, "FETDIALG", [](DialogDriver& d) {
    d.Type(1416, "40mMho");
    d.Type(1422, "500ohm");
    d.Type(1400, "bad");
    d.Ok();
  }));
  EXPECT_FLOAT_EQ(fet.transconductance, 0.04f);
  EXPECT_FLOAT_EQ(fet.options[7].value, 0.002f);
  EXPECT_EQ(fet.options[14].enabled, 0);
  EXPECT_FLOAT_EQ(fet.options[14].value, 2e-9f);
}

TEST_F(ElementDialogsTest, BipolarSheetStoresUpToTheBadFieldAndLeavingTheYPageSetsH) {
  BipSymbol bip;
  EXPECT_FALSE(Edit(bip, "Bipolartransistor", [](DialogDriver& d) {
    d.Type(1015, "BC 107");
    d.Type(1010, "2kohm");
    d.Type(1011, "0.001");
    d.Type(1013, "x");
    d.Ok();
    EXPECT_FALSE(d.GetDialog().HasEnded());
    d.Cancel();
  }));
  EXPECT_EQ(bip.typeName, "BC 107");
  EXPECT_EQ(bip.h11, "2kohm");
  EXPECT_EQ(bip.h12, "0.001");
  EXPECT_EQ(bip.h21, "250");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].caption, "Fehler H21:");

  bip.kind = 'S';
  EXPECT_FALSE(Edit(bip, "Bipolartransistor", [](DialogDriver& d) {
    EXPECT_EQ(static_cast<pf::PropertySheet&>(d.GetDialog()).GetActiveIndex(), 1);
    EXPECT_TRUE(d.SelectPage(0));
    d.Cancel();
  }));
  EXPECT_EQ(bip.kind, 'H');
  EXPECT_TRUE(Edit(bip, "Bipolartransistor", [](DialogDriver& d) {
    EXPECT_EQ(static_cast<pf::PropertySheet&>(d.GetDialog()).GetActiveIndex(), 0);
    d.Type(1014, "1mMho");
    d.Ok();
  }));
  EXPECT_EQ(bip.h22, "1mMho");
}

}  // namespace
