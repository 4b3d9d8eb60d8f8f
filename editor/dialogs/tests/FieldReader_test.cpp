// The field table: rules, the first refused field, what stays stored, and the value-edit rows.

#include "editor/dialogs/FieldReader.h"

#include <gtest/gtest.h>

#include "pf/dialog_template.h"
#include "pf/headless.h"

namespace {

using pf::DialogDriver;

struct Values {
  LaeWert length{"2mm"};
  LaeWert copy{"2mm"};
  FloatWert ratio{"0.25"};
  IntegerWert turns{"1"};
  double ohms = 10.0;
  ResWert edited{"1ohm"};
};

constexpr Field<Values> kRows[] = {
    Fields<Values>::Value<&Values::length, &Values::copy>(10, "Fehler L:", Positive(),
                                                         FieldReader::Store::Normalised),
    Fields<Values>::Value<&Values::ratio>(
        11, "Fehler R:", {[](double x) { return x > 0.0 && x < 1.0; }, "nicht zwischen 0 und 1"}),
    Fields<Values>::Value<&Values::turns>(12, "Fehler N:", Positive("mindestens 1")),
    Fields<Values>::Number<ResWert, &Values::ohms>(13, "Fehler Z:", NotZero("ist Null")),
    Fields<Values>::Edit<&Values::edited>(14),
};

class TableDialog : public pf::Dialog {
 public:
  TableDialog() : pf::Dialog(std::string("TESTFIELDS"), nullptr) {}
  bool OnInitDialog() override {
    ShowFields(*this, kRows, values);
    return true;
  }
  void OnOK() override {
    FieldReader reader(*this, true);
    if (reader.ReadFields(kRows, values)) pf::Dialog::OnOK();
  }

  Values values;
};

class FieldReaderTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static constexpr pf::ControlTemplate kControls[] = {
        {pf::ControlKind::Edit, 10, "", 4, 4, 80, 12},
        {pf::ControlKind::Edit, 11, "", 4, 18, 80, 12},
        {pf::ControlKind::Edit, 12, "", 4, 32, 80, 12},
        {pf::ControlKind::Edit, 13, "", 4, 46, 80, 12},
        {pf::ControlKind::Edit, 14, "", 4, 60, 80, 12},
        {pf::ControlKind::PushButton, 1, "OK", 4, 76, 40, 14},
        {pf::ControlKind::PushButton, 2, "Abbrechen", 50, 76, 40, 14}};
    static constexpr pf::DialogTemplate kTemplate{0, "TESTFIELDS", "Test", 100, 96, kControls};
    pf::DialogTemplates::Instance().Register(kTemplate);
  }
  void SetUp() override { VS_Error::ClearQueue(); }

  pf::Headless headless;
  TableDialog dialog;
};

TEST_F(FieldReaderTest, ShowsTheStoredValuesAndStoresEveryFieldThatPasses) {
  headless.ExpectDialog("TESTFIELDS", [](DialogDriver& d) {
    EXPECT_EQ(d.Text(10), "2mm");
    EXPECT_EQ(d.Text(13), ResWert(10.0).ToCString());
    d.Type(10, "1.50mm");
    d.Type(11, "0.5");
    d.Type(12, "3");
    d.Type(13, "50ohm");
    d.Type(14, "75ohm");
    d.Ok();
  });
  ASSERT_EQ(dialog.DoModal(), pf::kIdOk);
  // Normalised remakes the text from the number; the copy takes it too.
  EXPECT_EQ(dialog.values.length.ToCString(), LaeWert(static_cast<double>(1.5e-3f)).ToCString());
  EXPECT_EQ(dialog.values.copy.ToCString(), dialog.values.length.ToCString());
  EXPECT_EQ(dialog.values.ratio.ToCString(), "0.5");
  EXPECT_EQ(dialog.values.turns.ToCString(), "3");
  EXPECT_DOUBLE_EQ(dialog.values.ohms, 50.0);
  EXPECT_EQ(dialog.values.edited.ToCString(), "75ohm");
  EXPECT_TRUE(headless.Ui().Messages().empty());
}

// Every rule refuses under its field's caption; the first bad field is the one reported, the
// fields before it are stored and those after it are not read.
TEST_F(FieldReaderTest, TheFirstRefusedFieldIsReportedAndTheFieldsBeforeItStayStored) {
  const struct {
    const char* texts[5];
    const char* caption;
    const char* message;  // null: the value class's own
    bool lengthStored;
    bool turnsStored;
  } cases[] = {
      {{"0m", "0.5", "3", "50ohm", "75ohm"}, "Fehler L:", FieldReader::kNotPositive, false, false},
      {{"x1", "0.5", "3", "50ohm", "75ohm"}, "Fehler L:", nullptr, false, false},
      {{"1mm", "1", "3", "50ohm", "75ohm"}, "Fehler R:", "nicht zwischen 0 und 1", true, false},
      {{"1mm", "0", "0", "0", "x"}, "Fehler R:", "nicht zwischen 0 und 1", true, false},
      {{"1mm", "0.5", "0", "50ohm", "75ohm"}, "Fehler N:", "mindestens 1", true, false},
      {{"1mm", "0.5", "3", "0ohm", "75ohm"}, "Fehler Z:", "ist Null", true, true},
      {{"1mm", "0.5", "3", "50ohm", "x"}, "Fehler ResEdit:", nullptr, true, true},
  };
  const std::string storedLength = LaeWert(static_cast<double>(1e-3f)).ToCString();
  for (const auto& c : cases) {
    dialog.values = Values();
    headless.Ui().Reset();
    headless.ExpectDialog("TESTFIELDS", [&](DialogDriver& d) {
      for (int i = 0; i < 5; ++i) d.Type(10 + i, c.texts[i]);
      d.Ok();
      EXPECT_FALSE(d.GetDialog().HasEnded());
      d.Cancel();
    });
    EXPECT_EQ(dialog.DoModal(), pf::kIdCancel);
    const auto& shown = headless.Ui().Messages();
    ASSERT_EQ(shown.size(), 1u) << c.texts[0] << c.texts[1];
    EXPECT_EQ(shown[0].caption, c.caption);
    if (c.message != nullptr) {
      EXPECT_EQ(shown[0].text, c.message);
    }
    EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(dialog.values.length.ToCString(), c.lengthStored ? storedLength : "2mm") << c.caption;
    EXPECT_EQ(dialog.values.turns.ToCString(), c.turnsStored ? "3" : "1") << c.caption;
    EXPECT_EQ(dialog.values.edited.ToCString(), "1ohm");
  }
}

// A message that earlier work left in the queue refuses no field: it is not the dialog's, and
// it stays for the error window, behind a refusal of the dialog's own that came and went.
TEST_F(FieldReaderTest, AnEarlierQueuedMessageRefusesNoFieldAndStays) {
  for (const char* length : {"1mm", "x1"}) {
    VS_Error::ClearQueue();
    headless.Ui().Reset();
    VS_Error().Error("alt", 1);
    headless.ExpectDialog("TESTFIELDS", [length](DialogDriver& d) {
      d.Type(10, length);
      d.Ok();
      if (!d.GetDialog().HasEnded()) d.Cancel();
    });
    const bool own = std::string(length) == "x1";
    EXPECT_EQ(dialog.DoModal(), own ? pf::kIdCancel : pf::kIdOk) << length;
    EXPECT_EQ(headless.Ui().Messages().size(), own ? 1u : 0u) << length;
    ASSERT_EQ(VS_Error::MessageCount(), 1) << length;
    EXPECT_EQ(VS_Error::Message(0).ToCString(), "alt");
  }
}

}  // namespace
