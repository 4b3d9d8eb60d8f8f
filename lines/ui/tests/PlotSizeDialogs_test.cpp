// The dialogs that take a size the photoplot draws refuse 1 m and more under the field's
// caption, as they refuse 0, and keep the dialog open: the files carry at most 999.999 mm.

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>

#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "pf/headless.h"
#include "resources/LineDialogIds.h"
#include "resources/SlotDialogIds.h"

namespace {

using pf::DialogDriver;

constexpr const char* kTooLarge = "Wert muss kleiner als 1 m sein";
constexpr const char* kNoSubstrate = "Zuerst ein Substrat definieren";

// Each row: the field refuses 1 m, then takes the largest it can keep; fields that remake
// their text keep four digits, so 999.999 mm would be stored as 1 m there and is refused too.
TEST(PlotSizeDialogsTest, EveryFieldThePhotoplotDrawsRefusesOneMetre) {
  const struct {
    const char* key;
    std::string dialog;
    int id;
    const char* caption;
    const char* largest;
  } rows[] = {
      {"MICTRANSLINE", "TRLDIALG", strip_ids::kTrlW, "Fehler Wei:", "999.999mm"},
      {"MICTRANSLINE", "TRLDIALG", strip_ids::kTrlP, "Fehler Lae:", "999.999mm"},
      {"MICOPENSTUB", "OSTDIALG", strip_ids::kOstW, "Fehler Wei:", "999.9mm"},
      {"MICSHORTSTUB", "SSTDIALG", strip_ids::kSstP, "Fehler Lae:", "999.9mm"},
      {"MICCOUPLEDLINE", "CPLDIALG", cpl_ids::kS, "Fehler Spa:", "999.999mm"},
      {"MICRADIALSTUB", "RADSTDIALG", radstub_ids::kFeed, "Fehler", "999.999mm"},
      {"MICRADIALSTUB", "RADSTDIALG", radstub_ids::kRadius, "Fehler", "999.999mm"},
      {"MslTeeSymbol", std::to_string(msltee_ids::kTemplate), msltee_ids::kThrough,
       "Fehler Weite-Durchgang:", "999.999mm"},
      {"MslCornerSymbol", std::to_string(mslcorner_ids::kTemplate), mslcorner_ids::kW,
       "Fehler MSL-Weite:", "999.999mm"},
      {"SUBSTRAT", std::to_string(substrate_ids::kTemplate), substrate_ids::kY,
       "Fehler y-Ausdehnung:", "999.999mm"},
      {"SlotLineSymbol", std::to_string(slotline_ids::kTemplate), slotline_ids::kW,
       "Fehler Weite:", "999.9mm"},
      {"SltBendSymbol", std::to_string(sltbend_ids::kTemplate), sltbend_ids::kKink,
       "Fehler Knicklänge:", "999.9mm"},
      {"CCoplanarLineSymbol", std::to_string(coplanar_ids::kTemplate), coplanar_ids::kS,
       "Fehler Gap-Weite:", "999.9mm"},
      {"CCoplanarCrossSymbol", std::to_string(coplanarcross_ids::kTemplate),
       coplanarcross_ids::kW, "Fehler Strip-Weite:", "999.9mm"},
  };
  for (const auto& row : rows) {
    for (const char* tooLarge : {"1m", "1000000m", "999.9999mm"}) {
      SCOPED_TRACE(std::string(row.key) + " " + std::to_string(row.id) + " " + tooLarge);
      pf::Headless headless;
      std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(row.key);
      ASSERT_TRUE(symbol);
      headless.ExpectDialog(row.dialog, [&](DialogDriver& d) {
        d.Type(row.id, tooLarge);
        d.Ok();
        ASSERT_FALSE(d.GetDialog().HasEnded());
        ASSERT_EQ(headless.Ui().Messages().size(), 1u);
        EXPECT_EQ(headless.Ui().Messages()[0].text, kTooLarge);
        EXPECT_EQ(headless.Ui().Messages()[0].caption, row.caption);
        d.Type(row.id, row.largest);
        d.Ok();
        // Without a view no substrate can be chosen: that refusal may follow, no other.
        const auto& boxes = headless.Ui().Messages();
        for (size_t i = 1; i < boxes.size(); ++i) EXPECT_EQ(boxes[i].text, kNoSubstrate);
        if (!d.GetDialog().HasEnded()) d.Cancel();
      });
      symbol->EditDialog(nullptr);
      EXPECT_TRUE(headless.Failures().empty());
      EXPECT_EQ(headless.PendingScripts(), 0);
    }
  }
}

}  // namespace
