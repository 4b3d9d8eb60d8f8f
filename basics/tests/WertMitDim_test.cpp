#include "basics/WertMitDim.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

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

TEST(WertMitDim, ValidTextsGiveTheSinglePrecisionProduct) {
  struct Case {
    Q quantity;
    const char* text;
    float value;
  } cases[] = {
      {Q::Resistance, "4.7kohm", 4700.0f},
      {Q::Resistance, "4.7Kohm", 4700.0f},
      {Q::Resistance, "2.2Mohm", 2200000.0f},
      {Q::Capacitance, "100nF", 9.9999994e-08f},  // not 1e-7: both factors are floats
      {Q::Frequency, "4.0GHz", 4e9f},
      {Q::Frequency, "1THz", 1e12f},
      {Q::Length, "10mm", 0.010000001f},
      {Q::Length, "10m ", 10.0f},
      {Q::Voltage, "-5V", -5.0f},
      {Q::Conductance, "1mMho", 0.001f},
      {Q::Conductance, "1MMho", 1e6f},
      {Q::Inductance, "2.2uH", 2.2000002e-06f},
      {Q::Time, "1.5kSec", 1500.0f},
      {Q::BitRate, "64kBit/s", 64000.0f},
      {Q::Resistance, "-0ohm", 0.0f},
      {Q::Resistance, "5fohm", 5e-15f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto value = Make(c.quantity, c.text);
    EXPECT_TRUE(value->CheckSyntax());
    EXPECT_EQ(value->Value(), c.value);
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
      {Q::Resistance, " 4.7kohm", "Zuviele Vor- bzw. Nachkommastellen"},
      {Q::Resistance, "+4.7kohm", "Zuviele Vor- bzw. Nachkommastellen"},
      {Q::Resistance, "12345678901ohm", "Zuviele Vor- bzw. Nachkommastellen"},
      {Q::Resistance, "4.7", "RES: KeineDimension"},
      {Q::Resistance, "1e3ohm", "Nicht erlaubter Buchstabe: e"},
      {Q::Resistance, "4.7kOhm", "RES: Unbekannte Dimension"},
      {Q::Resistance, "2.2MEGohm", "RES: Unbekannte Dimension"},
      {Q::Frequency, "10Hz ", "Nicht erlaubter Buchstabe: H"},
      {Q::BitRate, "10kbit/s", "FRQ: Unbekannte Dimension"},
      {Q::BitRate, "10Bit/s ", "Nicht erlaubter Buchstabe: B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ClearQueue();
    auto value = Make(c.quantity, c.text);
    EXPECT_FALSE(value->CheckSyntax());
    EXPECT_EQ(value->GetErrorCode(), 4);
    EXPECT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(QueuedMessage(), c.message);
    VS_Error::ClearQueue();
    EXPECT_EQ(value->Value(), 1.0f);
    EXPECT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(QueuedMessage(), c.message);
  }
}

TEST(WertMitDim, EveryUnitClassHasItsOwnMessages) {
  struct Case {
    Q quantity;
    const char* negative;  // a negative value, valid when message is null
    const char* noUnit;
    const char* negativeMessage;
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
    EXPECT_FALSE(Make(c.quantity, "1")->CheckSyntax());
    EXPECT_EQ(QueuedMessage(), c.noUnit);
    VS_Error::ClearQueue();

    EXPECT_EQ(Make(c.quantity, c.negative)->CheckSyntax(), c.negativeMessage == nullptr);
    if (c.negativeMessage != nullptr) {
      EXPECT_EQ(QueuedMessage(), c.negativeMessage);
    } else {
      EXPECT_EQ(Make(c.quantity, c.negative)->Value(), -1.0f);
      EXPECT_EQ(VS_Error::MessageCount(), 0);
    }
    VS_Error::ClearQueue();

    EXPECT_FALSE(Make(c.quantity, "1x")->CheckSyntax());
    EXPECT_EQ(QueuedMessage(), c.wrongUnit);
    VS_Error::ClearQueue();

    EXPECT_EQ(Make(c.quantity, "1x")->UnitFactor(), 0.0);
    EXPECT_EQ(QueuedMessage(), c.factorMessage);
    VS_Error::ClearQueue();
  }
}

TEST(WertMitDim, NumbersPrintWithStrictPrefixThresholds) {
  struct Case {
    double number;
    const char* text;
  } cases[] = {
      {500.0, "500ohm"},      {500.0001, "0.5kohm"},   {-4700.0, "-4.7kohm"},
      {0.9, "900mohm"},       {0.90000001, "0.9ohm"},  {5e-4, "500uohm"},
      {0.00050001, "0.5mohm"}, {5e-13, "500fohm"},     {1e-12, "1pohm"},
      {500001.0, "0.5Mohm"},  {5.0000001e8, "0.5Gohm"}, {123456789.0, "123.5Mohm"},
      {1e15, "1000Tohm"},     {1e16, "1e+04Tohm"},     {5e-16, "5e-16ohm"},
      {-0.0, "-0ohm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ResWert(c.number).ToCString(), c.text);
  }
  EXPECT_EQ(RBitWert(64000.0).ToCString(), "64kBit/s");
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

TEST(WertMitDim, PrintedValuesPassTheirCheck) {
  for (double number : {5e11, 5e9, 5e6, 4.7e3, 0.9, 1e-3, 1e-6, 1e-9, 1e-12, 1e-15, -0.0})
    EXPECT_TRUE(ResWert(number).CheckSyntax()) << number;
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(CapWert(1e-12).Value(), 1e-12f);
  // Beyond the prefixes the print is in exponent notation, which no check accepts.
  EXPECT_FALSE(ResWert(1e16).CheckSyntax());
  // A long unit behind an exponent print does not overrun the text.
  EXPECT_EQ(RBitWert(-1.2346e300).ToCString(), "-1.235e+288TBit/s");
}

TEST(WertMitDim, ToSpiceKeepsNumberAndPrefixOnly) {
  struct Case {
    Q quantity;
    const char* text;
    const char* spice;
  } cases[] = {
      {Q::Resistance, "2.2Mohm", "2.2MEG"}, {Q::Capacitance, "10uF", "10U"},
      {Q::Inductance, "1mH", "1m"},         {Q::Resistance, "50ohm", "50"},
      {Q::Resistance, "4.7Kohm", "4.7K"},   {Q::Voltage, "-5V", "-5"},
      {Q::Capacitance, "1pF", "1P"},        {Q::Capacitance, "3fF", "3F"},
      {Q::Frequency, "1THz", "1T"},         {Q::Length, "10m ", "10"},
      {Q::Length, "10mm", "10m"},           {Q::Conductance, "1Mho", "1"},
      {Q::Conductance, "1MMho", "1MEG"},    {Q::BitRate, "1kBit/s", "1K"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Make(c.quantity, c.text)->ToSpice().ToCString(), c.spice);
  }
  EXPECT_EQ(CapWert(1e-9).ToSpice().ToCString(), "1N");
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

TEST(WertMitDim, DimensionIsTheTextBehindTheNumber) {
  EXPECT_EQ(ResWert("4.7kohm").GetDimension().ToCString(), "kohm");
  EXPECT_EQ(ResWert("4.7").GetDimension().ToCString(), "");
  EXPECT_EQ(StromWert(1e-6).GetDimension().ToCString(), "uA");
}

TEST(WertMitDim, AssignmentCopiesTextAndCode) {
  ResWert failed("4.7");
  EXPECT_FALSE(failed.CheckSyntax());
  ResWert target("1kohm");
  target = failed;
  EXPECT_EQ(target.ToCString(), "4.7");
  EXPECT_EQ(target.GetErrorCode(), 4);
  target = ResWert("1kohm");
  EXPECT_EQ(target.GetErrorCode(), 0);
}

TEST(WertMitDim, ArchivesAsItsText) {
  EXPECT_EQ(ResWert().GetRuntimeClass(), &MyStrng::classMyStrng);
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
  EXPECT_EQ(loaded.ToCString(), "4.7kohm");
  EXPECT_EQ(loaded.Value(), 4700.0f);
}

}  // namespace
