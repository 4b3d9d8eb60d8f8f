// What every master owes the user at its Start, walked over the registry's keys so that a new
// master is held to it without a row of its own: a run it cannot run (a frequency run on a
// circuit with a diode, a DC run on one without) is refused with "Fehler beim Start der
// Berechnung" under "Achtung" (a source for SPICE alone at loading the network already), starts
// nothing and leaves every instrument of the circuit and the files of the runs as they were; a
// run it starts reaches the circuit's instruments. Every Start button starts through
// StartGeneratorRun, which the walk calls.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "pf/dialog.h"
#include "pf/headless.h"
#include "pf/path_map.h"
#include "pf/profile.h"
#include "platform/core/tests/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string KeyOf(const MyStrng& key) { return key.GetBuffer(); }

std::vector<MyStrng> MasterKeys() {
  std::vector<MyStrng> keys;
  for (const MyStrng& key : SymbolRegistry::Global().Keys()) {
    if (dynamic_cast<MessMasterSymbol*>(SymbolRegistry::Global().Create(key).get()) != nullptr) {
      keys.push_back(key);
    }
  }
  return keys;
}

// The examples' voltmeters, oscilloscope, spectrum analyser and speaker, each circuit also with
// a diode on nodes of its own, which leaves the circuit no linear network.
struct Circuit {
  const char* example;
  bool diode;
};
constexpr Circuit kCircuits[] = {
    {"datagen_rc.vqe", false}, {"datagen_rc.vqe", true},
    {"tape_rc.vqe", false},    {"tape_rc.vqe", true},
    // The supply's example: a diode on its own, which the DC run solves.
    {"diode_dc.vqe", false},
};

// Joins the circuit below what is drawn, touching nothing of it.
NetSymbol& PlaceApart(CVostraneView& view, std::unique_ptr<NetSymbol> symbol) {
  const Point from = symbol->GetPinPosition(0);
  const pf::Rect extent = symbol->GetRect();
  const Point to = view.FreePlaceBelowCircuit(extent.right - extent.left).value_or(from);
  symbol->MoveBy(nullptr, Point(to.x - from.x, to.y - from.y));
  NetSymbol& placed = *symbol;
  view.InsertSymbol(std::move(symbol));
  return placed;
}

// The circuit's own master of the kind, set up and connected; else a new one placed apart.
MessMasterSymbol& MasterOf(CVostraneView& view, const MyStrng& key) {
  NetSymbol* own = view.GetDocument()->FindFirstWithKey(key);
  return dynamic_cast<MessMasterSymbol&>(
      own != nullptr ? *own : PlaceApart(view, SymbolRegistry::Global().Create(key)));
}

// What every instrument but the master holds: readings, screens, result titles.
std::map<std::string, std::string> Records(const CVostraneDoc& doc, const NetSymbol& master) {
  std::map<std::string, std::string> records;
  doc.ForEachInstrument([&](NetSymbol& s, InstrumentRole&) {
    if (&s != &master) records[KeyOf(s.elementName)] = Store(s);
  });
  return records;
}

// A master whose netlist defines no network of its own (a source for SPICE alone) has no
// built-in run: its start fails at loading the network.
const char* RefusalOf(MessMasterSymbol& master) {
  master.SetActiveFlag(1);
  master.SetRunning(true);
  const bool defines = !master.GetNetHeader().IsEmpty();
  master.SetRunning(false);
  return defines ? "Achtung: Fehler beim Start der Berechnung"
                 : "Achtung: Fehler beim Laden des Netzwerkes";
}

std::vector<std::string> Files(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

class MasterStartContract : public testing::Test {
 protected:
  void SetUp() override {
    savedRoot = pf::DriveRoot();
    pf::SetDriveRoot(written.Path().string());
    // The voltmeters' log goes into the working folder.
    before = fs::current_path();
    fs::current_path(written.Path());
  }
  void TearDown() override {
    fs::current_path(before);
    pf::SetDriveRoot(savedRoot);
  }

  pf::test::TempDir written;
  fs::path before;
  std::string savedRoot;
};

TEST_F(MasterStartContract, ARunThatCannotRunIsRefusedAndLeavesTheInstrumentsAlone) {
  const std::vector<MyStrng> keys = MasterKeys();
  ASSERT_FALSE(keys.empty());
  for (const MyStrng& key : keys) {
    for (const Circuit& circuit : kCircuits) {
      SCOPED_TRACE(KeyOf(key) + " in " + circuit.example + (circuit.diode ? " with a diode" : ""));
      pf::Headless headless;
      CVostraneApp app({(fs::path(VOSTRANE_REPOSITORY) / "examples" / circuit.example).string()},
                       [] { return std::make_unique<pf::MemoryProfile>(); });
      ASSERT_TRUE(app.InitInstance());
      auto& view =
          dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
      CVostraneDoc& doc = *view.GetDocument();
      if (circuit.diode) PlaceApart(view, std::make_unique<PNDiodeSymbol>());
      MessMasterSymbol& master = MasterOf(view, key);
      const std::string refusal = RefusalOf(master);
      // The start leaves its master the only active instrument, refused or not, and numbers the
      // nodes that the instruments' records hold.
      doc.ForEachInstrument([](NetSymbol&, InstrumentRole& i) { i.SetActiveFlag(0); });
      ASSERT_TRUE(doc.BuildNetlist(&view));
      const std::map<std::string, std::string> held = Records(doc, master);

      // The set-up dialog the Start button closes: never shown here, so closing it does nothing.
      pf::Dialog startDialog(0);
      const bool started = StartGeneratorRun(master, startDialog, 10);
      const auto& shown = headless.Ui().Messages();
      if (started) {
        EXPECT_TRUE(shown.empty());
        // The run computes a network that holds what the instruments read.
        for (const auto& [name, record] : held) {
          EXPECT_NE(master.FindElement(MyStrng(name.c_str())), nullptr) << name;
        }
        view.Analysis().StopMeasurement();
      } else {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption + ": " + shown[0].text, refusal);
        EXPECT_FALSE(view.Analysis().IsRunGoing());
        EXPECT_EQ(view.Analysis().GetBusyDialog(), nullptr);
        for (int tick = 0; tick < 20; ++tick) headless.Advance(CVostraneView::kTimerPeriodMs);
        EXPECT_EQ(Records(doc, master), held);
        EXPECT_EQ(Files(written.Path()), std::vector<std::string>());
      }
      for (const auto& entry : fs::directory_iterator(written.Path())) fs::remove_all(entry);
      doc.SetModifiedFlag(false);
    }
  }
}

}  // namespace
