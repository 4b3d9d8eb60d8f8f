#include "basics/ui/ValueEdit.h"

#include <gtest/gtest.h>

#include <functional>

#include "pf/controls.h"
#include "pf/headless.h"

namespace {

class ValueEditTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog.CreateTopLevel(nullptr, {0, 0, 200, 100});
    edit.CreateChild(dialog, 1010, {10, 10, 110, 30});
  }
  const std::vector<pf::ScriptedUiServices::ShownMessage>& Shown() {
    return headless.Ui().Messages();
  }

  pf::Headless headless;
  pf::Window dialog;
  pf::Edit edit{pf::ControlKind::Edit};
  ValueEdit valueEdit{&edit};
};

// Each reader: a good text is taken over, a bad one is refused under the reader's caption
// with the message of the value class.
struct Reader {
  const char* good;
  const char* bad;
  const char* caption;
  const char* message;
  std::function<bool(ValueEdit&, std::string&)> read;  // the value's text after reading
};

template <class Value>
std::function<bool(ValueEdit&, std::string&)> ReaderOf() {
  return [](ValueEdit& e, std::string& text) {
    Value value("unchanged");
    const bool ok = e.GetValue(value);
    text = value.ToCString();
    return ok;
  };
}

TEST_F(ValueEditTest, EveryReaderTakesGoodTextAndRefusesBadText) {
  const Reader readers[] = {
      {"10mm", "4.7", "Fehler LaeEdit:", "LAE: KeineDimension", ReaderOf<LaeWert>()},
      {"4.7kohm", "4.7", "Fehler ResEdit:", "RES: KeineDimension", ReaderOf<ResWert>()},
      {"100nF", "100nH", "Fehler CapEdit:", "CAP: Unbekannte Dimension", ReaderOf<CapWert>()},
      {"5V", "5", "Fehler SpanEdit:", "LAE: KeineDimension", ReaderOf<SpanWert>()},
      {"2mA", "2mV", "Fehler StromEdit:", "STR: Unbekannte Dimension", ReaderOf<StromWert>()},
      {"1.5", "1,5", "Fehler FloatEdit:", nullptr, ReaderOf<FloatWert>()},
      {"10kBit/s", "10k", "Fehler RBitEdit:", nullptr, ReaderOf<RBitWert>()},
      {"4GHz", "4G", "Fehler FreqEdit:", nullptr, ReaderOf<FreqWert>()},
      {"10uSec", "10u", "Fehler TimEdit:", nullptr, ReaderOf<TimWert>()},
  };
  for (const Reader& r : readers) {
    headless.Ui().Reset();
    std::string text;
    edit.SetWindowText(r.good);
    EXPECT_TRUE(r.read(valueEdit, text)) << r.good;
    EXPECT_EQ(text, r.good);
    EXPECT_TRUE(Shown().empty()) << r.good;

    edit.SetWindowText(r.bad);
    EXPECT_FALSE(r.read(valueEdit, text)) << r.bad;
    EXPECT_EQ(text, "unchanged") << r.bad;
    EXPECT_EQ(VS_Error::MessageCount(), 0) << r.bad;
    EXPECT_EQ(headless.Ui().Beeps(), std::vector<pf::BeepKind>{pf::BeepKind::Default}) << r.bad;
    ASSERT_EQ(Shown().size(), 1u) << r.bad;
    EXPECT_EQ(Shown()[0].caption, r.caption);
    EXPECT_EQ(Shown()[0].buttons, pf::MsgButtons::Ok);
    EXPECT_FALSE(Shown()[0].text.empty());
    if (r.message != nullptr) {
      EXPECT_EQ(Shown()[0].text, r.message) << r.bad;
    }
  }
}

// A message left in the queue by earlier work is not the input's: a valid input is taken, a bad
// one refused with its own message, and the earlier one stays for the error window. Also when
// the queue is full and the input's own message has no room.
TEST_F(ValueEditTest, MessageLeftInTheQueueRefusesNothingAndStays) {
  for (const int earlier : {1, VS_Error::kQueueSize}) {
    for (const char* text : {"10mm", "10xx"}) {
      SCOPED_TRACE(std::string(text) + " after " + std::to_string(earlier));
      VS_Error::ClearQueue();
      headless.Ui().Reset();
      for (int i = 0; i < earlier; ++i) VS_Error().Error("Frueherer Fehler", 4);
      LaeWert length("1m");
      edit.SetWindowText(text);
      const bool valid = std::string(text) == "10mm";
      EXPECT_EQ(valueEdit.GetValue(length), valid);
      EXPECT_EQ(length.ToCString(), valid ? "10mm" : "1m");
      ASSERT_EQ(Shown().size(), valid ? 0u : 1u);
      if (!valid) EXPECT_NE(Shown()[0].text, "Frueherer Fehler");
      EXPECT_EQ(VS_Error::MessageCount(), earlier);
      EXPECT_EQ(VS_Error::Message(0).ToCString(), "Frueherer Fehler");
    }
  }
}

TEST_F(ValueEditTest, AMissingControlReadsEmpty) {
  ValueEdit missing(dialog.GetDlgItem(4711));
  LaeWert length("1m");
  EXPECT_FALSE(missing.GetValue(length)) << "an empty text has no unit";
  EXPECT_EQ(length.ToCString(), "1m");
  EXPECT_EQ(Shown().size(), 1u);
}

}  // namespace
