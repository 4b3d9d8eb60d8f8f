// Value texts read from a file: which give a finite number in their class, and the symbols of
// this library that refuse the others on loading.

#include "editor/symbols/StoredValues.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "basics/VS_Error.h"
#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "editor/tests/support/SymbolStreams.h"

namespace {

TEST(StoredValuesTest, NumbersOfEachValueClassAndNothingQueued) {
  const struct {
    std::function<bool()> gives;
    bool expected;
    const char* what;
  } cases[] = {
      {[] { return GivesFiniteNumber(CapWert("1.967pF")); }, true, "capacitance"},
      {[] { return GivesFiniteNumber(ResWert("50ohm ")); }, true, "trailing blank"},
      {[] { return GivesFiniteNumber(CapWert("nan")); }, false, "nan"},
      {[] { return GivesFiniteNumber(CapWert("1e999pF")); }, false, "exponent in a unit value"},
      {[] { return GivesFiniteNumber(CapWert("-1pF")); }, false, "negative capacitance"},
      {[] { return GivesFiniteNumber(CapWert("1pH")); }, false, "another unit"},
      {[] { return GivesFiniteNumber(FreqWert("10Hz ")); }, false, "frequency with a blank"},
      {[] { return GivesFiniteNumber(FloatWert("-1.5E+03")); }, true, "exponent"},
      {[] { return GivesFiniteNumber(FloatWert("1e+04")); }, true, "printed exponent"},
      {[] { return GivesFiniteNumber(FloatWert("inf")); }, false, "inf"},
      {[] { return GivesFiniteNumber(FloatWert("")); }, false, "empty"},
      {[] { return GivesFiniteNumber(IntegerWert("12")); }, true, "integer"},
      {[] { return GivesFiniteNumber(IntegerWert("")); }, false, "empty integer"},
      {[] { return GivesFiniteNumber(IntegerWert("1.5")); }, false, "fraction"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.gives(), c.expected) << c.what;
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

// The hybrid parameters of the bipolar transistor, the substrate's board size and any two-pin
// symbol's SMD length.
TEST(StoredValuesTest, SymbolsOfThisLibraryRefuseDamagedValues) {
  const struct {
    std::function<NetSymbol*()> make;
    std::function<void(NetSymbol&)> damage;
    const char* message;
  } cases[] = {
      {[] { return new BipSymbol(); },
       [](NetSymbol& s) { static_cast<BipSymbol&>(s).h11 = "nan"; }, "T1: Wert ungültig: nan"},
      {[] { return new BipSymbol(); },
       [](NetSymbol& s) { static_cast<BipSymbol&>(s).h21 = "abc"; }, "T1: Wert ungültig: abc"},
      {[] { return new SubSymbol(); },
       [](NetSymbol& s) { static_cast<SubSymbol&>(s).extentY = "1e999mm"; },
       "RTDuroid: Wert ungültig: 1e999mm"},  // a substrate goes by its name
      {[] { return new ZweiPolSymbol(); },
       [](NetSymbol& s) { static_cast<ZweiPolSymbol&>(s).smdLength = ""; },
       "T1: Wert ungültig: "},
  };
  for (const auto& c : cases) {
    std::unique_ptr<NetSymbol> damaged(c.make());
    damaged->elementName = "T1";
    const std::string good = Store(*damaged);
    c.damage(*damaged);
    std::unique_ptr<NetSymbol> loaded(c.make());
    try {
      Load(*loaded, Store(*damaged));
      ADD_FAILURE() << "loaded: " << c.message;
    } catch (const pf::ArchiveError& refused) {
      EXPECT_EQ(refused.what(), std::string(c.message));
    }
    EXPECT_NO_THROW(Load(*loaded, good)) << c.message;
  }
}

}  // namespace
