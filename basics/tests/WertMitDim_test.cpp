#include "basics/WertMitDim.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "pf/archive.h"

namespace {

using Q = WertMitDim::Quantity;

std::unique_ptr<WertMitDim> Make(Q quantity, const char* text) {
  switch (quantity) {
    case Q::Length: return std::make_unique<LaeWert>(text);
    case Q::Voltage: return std::make_unique<SpanWert>(text);
    case Q::Current: return std::make_unique<StromWert>(text);
    case Q::Capacitance: return std::make_unique<CapWert>(text);
    case Q::Inductance: return std::make_unique<IndWert>(text);
    case Q::Conductance: return std::make_unique<LeiWert>(text);
    case Q::Time: return std::make_unique<TimWert>(text);
    case Q::Resistance: return std::make_unique<ResWert>(text);
    case Q::Frequency: return std::make_unique<FreqWert>(text);
    case Q::BitRate: return std::make_unique<RBitWert>(text);
  }
  return nullptr;
}

std::string QueuedMessage() { return VS_Error::GetFirstMessage().ToCString(); }

TEST(WertMitDim, ValidTextsGiveTheSinglePrecisionProductAndSpiceForm) {
  struct Case {
    Q quantity;
    const char* text;
    float value;
    const char* spice;
  } cases[] = {
      {Q::Resistance, "4.7Kohm", 4700.0f, "4.7K"}, {Q::Resistance, "2.2Mohm", 2200000.0f, "2.2MEG"},
      {Q::Resistance, "-0ohm", 0.0f, "-0"},
      {Q::Capacitance, "100nF", 9.9999994e-08f, "100N"},  // not 1e-7: both factors are floats
      {Q::Resistance, "5fohm", 5e-15f, "5F"}, {Q::Frequency, "1THz", 1e12f, "1T"},
      {Q::Length, "10mm", 0.010000001f, "10m"}, {Q::Length, "10m ", 10.0f, "10"},
      {Q::Conductance, "1MMho", 1e6f, "1MEG"}, {Q::Inductance, "2.2uH", 2.2000002e-06f, "2.2U"},
      {Q::BitRate, "64kBit/s", 64000.0f, "64K"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto value = Make(c.quantity, c.text);
    EXPECT_EQ(value->Value(), c.value);
    EXPECT_EQ(value->ToSpice().ToCString(), c.spice);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

TEST(WertMitDim, InvalidTextsQueueOneMessageAndReadAsOne) {
  struct Case {
    Q quantity;
    const char* text;
    const char* message;
  } cases[] = {
      {Q::Resistance, "4.7 kohm", "Zuviele Vor- bzw. Nachkommastellen"},
      {Q::Resistance, "+4.7kohm", "Zuviele Vor- bzw. Nachkommastellen"},
      {Q::Resistance, "1e3ohm", "Nicht erlaubter Buchstabe: e"},
      {Q::Resistance, "4.7kOhm", "RES: Unbekannte Dimension"},
      {Q::Frequency, "10Hz ", "Nicht erlaubter Buchstabe: H"},
      {Q::BitRate, "10kbit/s", "FRQ: Unbekannte Dimension"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ClearQueue();
    auto value = Make(c.quantity, c.text);
    EXPECT_EQ(value->Value(), 1.0f);
    EXPECT_EQ(value->GetErrorCode(), 4);
    EXPECT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(QueuedMessage(), c.message);
  }
}

// Blanks and tabs between number and unit are skipped; trailing blanks only where the quantity
// trims them (not for frequencies).
TEST(WertMitDim, UnitPartAroundBlanks) {
  struct Case {
    Q quantity;
    const char* text;
    double factor;
    const char* spice;
  } cases[] = {
      {Q::Resistance, "4.7 kohm ", 1e3, "4.7 K"}, {Q::Resistance, "1\tohm", 1.0, "1\t"},
      {Q::Length, "1mm  ", 1e-3, "1m"},           {Q::Length, "1m  ", 1.0, "1"},
      {Q::Frequency, "1kHz ", 0.0, "1K"},         {Q::Resistance, "1 ", 0.0, "1 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ClearQueue();
    auto value = Make(c.quantity, c.text);
    EXPECT_EQ(value->UnitFactor(), c.factor);
    EXPECT_EQ(VS_Error::MessageCount(), c.factor == 0.0 ? 1 : 0);
    EXPECT_EQ(value->ToSpice().ToCString(), std::string(c.spice));
  }
}

// The texts are shown as they stand, odd ones (a voltage without unit is a "LAE" fault) too.
TEST(WertMitDim, EveryUnitClassHasItsOwnMessages) {
  struct Case {
    Q quantity;
    const char* negative;
    const char* noUnit;
    const char* negativeMessage;  // null: negative values are valid
    const char* wrongUnit;
    const char* factorMessage;
  } cases[] = {
      {Q::Length, "-1m", "LAE: KeineDimension", "Negativer Laenge", "LAE: Unbekannte Dimension",
       "LAE: Unbekannte Dimension"},
      {Q::Voltage, "-1V", "LAE: KeineDimension", nullptr, "SPA: Unbekannte Dimension",
       "SPA: Unbekannte Dimension"},
      {Q::Current, "-1A", "LAE: KeineDimension", nullptr, "STR: Unbekannte Dimension",
       "STR: Unbekannte Dimension"},
      {Q::Capacitance, "-1F", "CAP: KeineDimension", "Negative Kapazitaet",
       "CAP: Unbekannte Dimension", "CAP: Unbekannte Dimension"},
      {Q::Inductance, "-1H", "IND: KeineDimension", "Negative Induktivitaet",
       "IND: Unbekannte Dimension", "IND: Unbekannte Dimension"},
      {Q::Conductance, "-1Mho", "LEI: KeineDimension", "Negativer Leitwert",
       "LEI: Unbekannte Dimension", "LEI: Unbekannte Dimension"},
      {Q::Time, "-1Sec", "TIM: KeineDimension", "Negative Zeit", "TIM: Unbekannte Dimension",
       "TIM: Unbekannte Dimension"},
      {Q::Resistance, "-1ohm", "RES: KeineDimension", "Negativer Widerstand",
       "RES: Unbekannte Dimension", "RES: KeineDimension"},
      {Q::Frequency, "-1Hz", "FRQ: KeineDimension", "Negative Frequenz",
       "FRQ: Unbekannte Dimension", "FRQ: Unbekannte Dimension"},
      {Q::BitRate, "-1Bit/s", "BIT/s: Unbekannte Dimension", "Negative Bitrate",
       "FRQ: Unbekannte Dimension", "BIT/s: Unbekannte Dimension"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.negative);
    const auto checked = [&](const char* text) {
      VS_Error::ClearQueue();
      const bool valid = Make(c.quantity, text)->CheckSyntax();
      return valid ? std::string() : QueuedMessage();
    };
    EXPECT_EQ(checked("1"), c.noUnit);
    EXPECT_EQ(checked(c.negative), c.negativeMessage ? c.negativeMessage : "");
    EXPECT_EQ(checked("1x"), c.wrongUnit);
    VS_Error::ClearQueue();
    EXPECT_EQ(Make(c.quantity, "1x")->UnitFactor(), 0.0);
    EXPECT_EQ(QueuedMessage(), c.factorMessage);
  }
}

TEST(WertMitDim, NumbersPrintWithStrictPrefixThresholds) {
  for (auto [number, text] : {std::pair{500.0, "500ohm"}, {500.0001, "0.5kohm"},
                              {0.9, "900mohm"}, {0.90000001, "0.9ohm"}, {5e-13, "500fohm"},
                              {123456789.0, "123.5Mohm"}, {1e15, "1000Tohm"},
                              {1e16, "1e+04Tohm"}, {5e-16, "5e-16ohm"}, {-4700.0, "-4.7kohm"}})
    EXPECT_EQ(ResWert(number).ToCString(), text);
  // A long unit behind an exponent print does not overrun the text.
  EXPECT_EQ(RBitWert(-1.2346e300).ToCString(), "-1.235e+288TBit/s");
  EXPECT_EQ(StromWert(1e-6).GetDimension().ToCString(), "uA");

  for (double number : {5e11, 5e9, 4.7e3, 1e-6, 1e-15, -0.0})
    EXPECT_TRUE(ResWert(number).CheckSyntax()) << number;
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  // Beyond the prefixes the print is in exponent notation, which no check accepts.
  EXPECT_FALSE(ResWert(1e16).CheckSyntax());
}

TEST(WertMitDim, ArchivesAsItsText) {
  std::ostringstream stream;
  {
    pf::Archive out(stream);
    ResWert("4.7kohm").Serialize(out);
  }
  std::ostringstream plain;
  {
    pf::Archive out(plain);
    MyStrng("4.7kohm").Serialize(out);
  }
  EXPECT_EQ(stream.str(), plain.str());
  std::istringstream source(stream.str());
  pf::Archive in(source);
  ResWert loaded;
  loaded.Serialize(in);
  EXPECT_EQ(loaded.Value(), 4700.0f);
}

}  // namespace
