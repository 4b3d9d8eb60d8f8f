// The symbols of this library refuse value texts that give no finite number on loading.

#include "editor/symbols/StoredValues.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "editor/tests/support/SymbolStreams.h"

namespace {

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
