// What a dialog accepts, the simulator takes: for every registered symbol whose dialog has value
// fields, a number typed into one field that the dialog lets through must give a netlist whose
// network builds without a message. Otherwise a run would report a value error long after the
// dialog said nothing.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>

#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/SymbolSnapshot.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "pf/dialog_template.h"
#include "pf/headless.h"
#include "pf/property_sheet.h"

namespace {

std::string KeyOf(const MyStrng& key) { return key.GetBuffer(); }

// The name a line symbol carries until one is chosen.
constexpr const char* kSubstrate = "NO_SUB";

// The label of the modal dialog the symbol's edit opens; none for a window, a file dialog or
// nothing at all.
std::optional<std::string> DialogLabel(NetSymbol& symbol) {
  pf::Headless headless;
  symbol.EditDialog(nullptr);
  for (const std::string& failure : headless.Failures()) {
    const std::string head = "modal dialog ", tail = " without a script";
    if (failure.starts_with(head) && failure.ends_with(tail)) {
      return failure.substr(head.size(), failure.size() - head.size() - tail.size());
    }
  }
  return std::nullopt;
}

// The network that a run of the symbol's circuit builds, and its first point: the messages
// queued meanwhile, none when it built. A generator runs itself; any other symbol lies between
// the ports of an analyser (its only one on a one-pin symbol), on a substrate its lines name; a
// substrate carries a line.
std::vector<std::string> BuildMessages(std::unique_ptr<NetSymbol> symbol) {
  CVostraneDoc doc;
  VS_Error::ClearQueue();
  auto* generator = dynamic_cast<MessMasterSymbol*>(symbol.get());
  if (generator == nullptr) {
    NetSymbol* measured = symbol.get();
    if (auto* substrate = dynamic_cast<SubSymbol*>(symbol.get())) {
      auto* line = new TrlSymbol(Point(100, 100), Point(200, 100));
      line->substrate = substrate->substrateName;
      doc.AddSymbol(line);
      measured = line;
    } else {
      auto* board = new SubSymbol(Point(500, 600), Point(550, 600));
      board->substrateName = kSubstrate;
      doc.AddSymbol(board);
    }
    const int pins = measured->GetPinCount();
    const Point first = pins > 0 ? measured->GetPinPosition(0) : Point(500, 500);
    // Port 2 on the pin farthest from pin 1 (a coupled line's next pin is its neighbour strip).
    int other = pins > 1 ? 1 : 0;
    const auto distance = [&](int pin) {
      const Point d = measured->GetPinPosition(pin) - first;
      return d.x * d.x + d.y * d.y;
    };
    for (int pin = 2; pin < pins; ++pin) {
      if (distance(pin) > distance(other)) other = pin;
    }
    auto* analyser = new VecNetAnaSymbol(first, first);
    analyser->SetPortCount(pins > 1 ? 2 : 1);
    analyser->pins[0] = first;
    analyser->pins[1] = pins > 1 ? measured->GetPinPosition(other) : first;
    doc.AddSymbol(analyser);
  }
  doc.AddSymbol(symbol.release());
  doc.SetRunningInstrument(generator);
  MessMasterSymbol analysis;
  MessMasterSymbol& master = generator != nullptr ? *generator : analysis;
  if (doc.BuildNetlist(nullptr) && master.RunAnalysis(doc.GetNetlistLines()) != 0) {
    master.StartRun();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < VS_Error::MessageCount(); ++i) {
    messages.push_back(VS_Error::Message(i).ToCString());
  }
  VS_Error::ClearQueue();
  return messages;
}

// Whether the dialog closed with OK after the text was typed into the field alone.
bool Accepts(NetSymbol& symbol, const std::string& label, int id, const std::string& text) {
  pf::Headless headless;
  headless.ExpectDialog(label, [id, &text](pf::DialogDriver& d) {
    d.Type(id, text);
    d.Ok();
    // Still open: refused under its caption.
    if (!d.GetDialog().HasEnded()) d.Cancel();
  });
  return symbol.EditDialog(nullptr);
}

// The edits that take values: neither read-only nor multi-line.
std::vector<int> ValueEdits(const pf::DialogTemplate* t) {
  std::vector<int> ids;
  if (t == nullptr) return ids;
  for (const pf::ControlTemplate& c : t->controls) {
    if (c.kind == pf::ControlKind::Edit && (c.style & (pf::kStyleReadOnly | pf::kStyleMultiline)) == 0) {
      ids.push_back(c.id);
    }
  }
  return ids;
}

std::vector<int> ValueFields(const std::string& label) {
  return ValueEdits(std::isdigit(static_cast<unsigned char>(label[0]))
                        ? pf::DialogTemplates::Instance().Find(std::stoi(label))
                        : pf::DialogTemplates::Instance().Find(label));
}

// Symbols that a circuit of their own cannot build: the SPICE models and the pulse generator
// have no built-in element or run (their values go to SPICE as typed), nor has the covered
// slotline; the supply's run needs a diode to step, the plotter's two meters are no network,
// and a coupled line needs both strips in a circuit (its own tests check its values).
const std::set<std::string> kBuiltElsewhere = {
    "BipSpiceSymbol",    "FetSpiceSymbol",         "OpaSpiceSymbol", "ImpulsGeneratorSymbol",
    "MICCOUPLEDLINE",    "CCoveredSlotLineSymbol", "DcGeneratorSymbol", "PlotterSymbol"};

// Every element the element factory places, under its simulator, placed as a drag places it.
TEST(ValueContract, WhatADialogAcceptsTheSimulatorTakes) {
  int fields = 0;
  const ElementFactory& bar = ElementFactory::Global();
  for (const ElementFactory::Placement& placed : bar.Placements()) {
    const auto make = [&] {
      return bar.Create(placed.type, placed.spice, Point(100, 100), Point(200, 100));
    };
    std::unique_ptr<NetSymbol> probe = make();
    const std::string key = KeyOf(probe->GetClassKey());
    SCOPED_TRACE(key + (placed.spice ? " (SPICE)" : ""));
    const std::optional<std::string> label = DialogLabel(*probe);
    if (!label || kBuiltElsewhere.contains(key)) continue;
    const std::vector<std::string> before = BuildMessages(make());
    if (!before.empty()) {
      // A keyword nobody registered reads as a definition that lacks its colon.
      ADD_FAILURE() << "as placed: " << before.front() << " (the symbol's WriteNetLine, the "
                    << "keyword's registration in its library's Register.cpp)";
      continue;
    }
    for (const int id : ValueFields(*label)) {
      ++fields;
      for (const char* text : {"0", "-1"}) {
        std::unique_ptr<NetSymbol> symbol = make();
        if (!Accepts(*symbol, *label, id, text)) continue;
        const std::vector<std::string> after = BuildMessages(std::move(symbol));
        EXPECT_TRUE(after.empty()) << "dialog " << *label << " field " << id << " took " << text
                                   << ", the simulator refused: " << after.front();
      }
    }
  }
  // The walk reaches the dialogs: a registry or template gone missing would check nothing.
  EXPECT_GT(fields, 100);
}

// Another value in the shown text's form: its number doubled (1 for 0), its unit kept.
std::string Changed(const std::string& shown) {
  const std::regex number(R"(^\s*([-+]?[0-9]*\.?[0-9]+(?:[eE][-+]?[0-9]+)?)(.*)$)");
  std::smatch m;
  if (!std::regex_match(shown, m, number)) return shown;
  const double x = std::stod(m[1].str());
  char text[32];
  std::snprintf(text, sizeof text, "%g", x != 0.0 ? 2.0 * x : 1.0);
  return text + m[2].str();
}

// Every symbol kind the document knows, as its circuit file makes it.
template <class Visit>
void ForEachRegisteredSymbol(Visit visit) {
  const SymbolRegistry& registry = SymbolRegistry::Global();
  for (const MyStrng& key : registry.Keys()) {
    SCOPED_TRACE(KeyOf(key));
    visit([&registry, key] { return registry.Create(key); });
  }
}

// A value field of a dialog: on the page of that index of a property sheet, else page -1.
struct PlacedField {
  int page;
  int id;
  bool operator==(const PlacedField&) const = default;
};

// The value fields of the symbol's dialog, or of every page of its property sheet.
std::vector<PlacedField> PlacedFields(NetSymbol& symbol, const std::string& label) {
  std::vector<PlacedField> fields;
  for (const int id : ValueFields(label)) fields.push_back({-1, id});
  if (!fields.empty()) return fields;
  pf::Headless headless;
  headless.ExpectDialog(label, [&](pf::DialogDriver& d) {
    if (const auto* sheet = dynamic_cast<const pf::PropertySheet*>(&d.GetDialog())) {
      for (int page = 0; page < sheet->GetPageCount(); ++page) {
        for (const int id : ValueEdits(sheet->GetPage(page)->FindTemplate())) {
          fields.push_back({page, id});
        }
      }
    }
    d.Cancel();
  });
  symbol.EditDialog(nullptr);
  return fields;
}

// An OK that one field refuses stores nothing, neither at the refusal nor after "Abbrechen":
// every other value field is typed anew while one holds a text no value class takes. A
// property sheet's pages are filled in turn, as far as the bad one lets the user go.
TEST(ValueContract, ARefusedOkStoresNothing) {
  int refusals = 0;
  ForEachRegisteredSymbol([&](auto make) {
    std::unique_ptr<NetSymbol> probe = make();
    const std::optional<std::string> label = DialogLabel(*probe);
    if (!label) return;
    const std::vector<PlacedField> fields = PlacedFields(*probe, *label);
    for (const PlacedField& bad : fields) {
      std::unique_ptr<NetSymbol> symbol = make();
      const std::string before = SymbolSnapshot(*symbol).Bytes();
      bool refused = false;
      std::string atRefusal;
      pf::Headless headless;
      headless.ExpectDialog(*label, [&](pf::DialogDriver& d) {
        auto* sheet = dynamic_cast<pf::PropertySheet*>(&d.GetDialog());
        for (const PlacedField& field : fields) {
          if (sheet != nullptr && field.page != sheet->GetActiveIndex() &&
              !d.SelectPage(field.page)) {
            break;
          }
          const pf::Dialog& holder = sheet != nullptr ? *sheet->GetPage(field.page) : d.GetDialog();
          d.Type(field.id, field == bad ? "abc" : Changed(holder.GetDlgItemText(field.id)));
        }
        d.Ok();
        if (d.GetDialog().HasEnded()) return;
        refused = true;
        atRefusal = SymbolSnapshot(*symbol).Bytes();
        d.Cancel();
      });
      VS_Error::ClearQueue();
      symbol->EditDialog(nullptr);
      VS_Error::ClearQueue();
      if (!refused) continue;
      ++refusals;
      const std::string where =
          "dialog " + *label + " field " + std::to_string(bad.id) +
          (bad.page >= 0 ? " on page " + std::to_string(bad.page) : std::string());
      // A sheet's pages store when they are left; nothing sees the symbol before the sheet ends.
      if (bad.page < 0) EXPECT_TRUE(atRefusal == before) << where << ": the refused OK stored fields";
      EXPECT_TRUE(SymbolSnapshot(*symbol).Bytes() == before)
          << where << ": Abbrechen after the refusal kept stored fields";
    }
  });
  // The walk reaches the dialogs: a registry or template gone missing would check nothing.
  EXPECT_GT(refusals, 100);
}

// A symbol set back from its snapshot is the symbol it was: every kind the registry makes.
TEST(ValueContract, ASnapshotRestoresEverySymbol) {
  ForEachRegisteredSymbol([&](auto make) {
    std::unique_ptr<NetSymbol> symbol = make();
    const SymbolSnapshot snapshot(*symbol);
    symbol->WriteNetLine();
    const MyStrng netLine = symbol->netLine;
    VS_Error::ClearQueue();
    snapshot.Restore();
    EXPECT_EQ(VS_Error::MessageCount(), 0) << VS_Error::GetFirstMessage().ToCString();
    EXPECT_TRUE(SymbolSnapshot(*symbol).Bytes() == snapshot.Bytes());
    symbol->WriteNetLine();
    VS_Error::ClearQueue();
    EXPECT_EQ(std::string(symbol->netLine.ToCString()), netLine.ToCString());
  });
}

}  // namespace
