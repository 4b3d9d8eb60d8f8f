// The multimeter under SPICE: its readings dialog after a result, and what its buttons show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/document/SpiceManager.h"
#include "instruments/ui/MultiMeterNewDialog.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "pf/headless.h"
#include "resources/SpiceAnalysisIds.h"

namespace {

namespace Ids = readings_ids;

// A result with V(1) over two points of the scale.
std::vector<MyStrng> Raw(const char* plot, const char* flags, const char* scale0,
                         const char* scale1, const char* v0, const char* v1) {
  return {"Title: m.cir",     "Date: d",       MyStrng("Plotname: ") + plot,
          MyStrng("Flags: ") + flags, "No. Variables: 2", "No. Points: 2", "Command: x",
          "Variables:",       "0\tscale\tx",   "1\tV(1)\tvoltage", "Values:",
          MyStrng("0\t") + scale0, v0,        MyStrng("1\t") + scale1, v1};
}

// Which buttons the dialog offers, and the table after a press.
TEST(MultiMeterSpiceTest, ReadingsDialogOffersWhatTheResultHas) {
  const struct {
    const char* name;
    std::vector<MyStrng> raw;
    char display;
    bool phase, complex, mean;  // enabled
    int checked;
    int press;
    const char* table;  // after the press
    char displayAfter;
  } kCases[] = {
      {"transient mean", Raw("Transient Analysis", "real", "0", "1e-3", "1", "3"), 'A', false,
       false, true, Ids::kAmplitude, Ids::kMean, "Mittelwert: 2V\r\n", 'A'},
      {"DC sweep, phase refused", Raw("DC transfer characteristic", "real", "0", "1", "1", "3"),
       'A', false, false, false, Ids::kAmplitude, Ids::kPhase, "0V\t\t1V\r\n1V\t\t3V\r\n", 'A'},
      {"small signal, complex form",
       Raw("AC Analysis", "complex", "1000,0", "2000,0", "1,-0.25", "0,1"), 'P', true, true,
       true, Ids::kPhase, Ids::kComplex, "1kHz\t\t1V\t j-250mV\r\n2kHz\t\t0V\t j1V\r\n", 'K'},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    pf::Headless headless;
    SpiceManager spice;
    spice.SetNetlistName("m.cir");
    ASSERT_TRUE(spice.ReadRawLines(c.raw, "rawspice.raw"));
    MultiMeterSymbol meter;
    meter.nodes[0] = 1;
    meter.nodes[1] = 0;
    meter.display = c.display;
    meter.ReadSpiceResults(spice);
    std::vector<bool> enabled;
    int checked = 0;
    std::string caption;
    std::string table;
    headless.ExpectDialog(Ids::kTemplate, [&](pf::DialogDriver& d) {
      caption = d.GetDialog().GetWindowText();
      for (const int id : {Ids::kPhase, Ids::kComplex, Ids::kMean}) {
        enabled.push_back(d.GetDialog().GetDlgItem(id)->IsWindowEnabled());
      }
      for (const int id : {Ids::kAmplitude, Ids::kPhase, Ids::kComplex, Ids::kMean}) {
        if (d.GetDialog().IsDlgButtonChecked(id) != 0) checked = id;
      }
      d.Click(c.press);
      table = d.Text(Ids::kTable);
      d.Ok();
    });
    // A result waits for its reading: the readings dialog instead of the set-up.
    EXPECT_TRUE(meter.EditDialog(nullptr));
    EXPECT_EQ(caption, "Multimeter:  Mu");
    EXPECT_EQ(enabled, (std::vector<bool>{c.phase, c.complex, c.mean}));
    EXPECT_EQ(checked, c.checked);
    EXPECT_EQ(table, c.table);
    EXPECT_EQ(meter.display, c.displayAfter);
  }
}

}  // namespace
