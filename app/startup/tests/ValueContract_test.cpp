// What a dialog accepts, the simulator takes: for every registered symbol whose dialog has value
// fields, a number at the edges typed into one field that the dialog lets through must give a
// netlist whose network builds without a message, and a SPICE netlist written without one.
// Otherwise a run or an export would report a value error long after the dialog said nothing.

#include <gtest/gtest.h>

#include <cstdio>

#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceWriter.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/SymbolSnapshot.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "pf/controls.h"
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

// The circuit in which the symbol is checked, and the generator that runs it (null for any
// other symbol). A generator runs itself; any other symbol lies between the ports of an analyser
// (its only one on a one-pin symbol), on a substrate its lines name; a substrate carries a line.
MessMasterSymbol* PlaceInCircuit(CVostraneDoc& doc, std::unique_ptr<NetSymbol> symbol) {
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
  return generator;
}

std::vector<std::string> TakeMessages() {
  std::vector<std::string> messages;
  for (int i = 0; i < VS_Error::MessageCount(); ++i) {
    messages.push_back(VS_Error::Message(i).ToCString());
  }
  VS_Error::ClearQueue();
  return messages;
}

// The messages queued while the network of the symbol's circuit builds and its first point
// runs: none when it built.
std::vector<std::string> BuildMessages(std::unique_ptr<NetSymbol> symbol) {
  CVostraneDoc doc;
  VS_Error::ClearQueue();
  MessMasterSymbol* generator = PlaceInCircuit(doc, std::move(symbol));
  doc.SetRunningInstrument(generator);
  MessMasterSymbol analysis;
  MessMasterSymbol& master = generator != nullptr ? *generator : analysis;
  if (doc.BuildNetlist(nullptr) && master.RunAnalysis(doc.GetNetlistLines()) != 0) {
    master.StartRun();
  }
  return TakeMessages();
}

// The messages queued while the SPICE netlist of the symbol's circuit is written.
std::vector<std::string> SpiceMessages(std::unique_ptr<NetSymbol> symbol) {
  CVostraneDoc doc;
  VS_Error::ClearQueue();
  PlaceInCircuit(doc, std::move(symbol));
  if (!SpiceWriter(doc).Compose()) return {"no SPICE netlist"};
  return TakeMessages();
}

// A value field of a dialog: on the page of that index of a property sheet, else page -1.
struct PlacedField {
  int page;
  int id;
  bool operator==(const PlacedField&) const = default;
};

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

// Types the text into the field, on its page of a property sheet; false when the page cannot
// be reached.
bool TypeInto(pf::DialogDriver& d, const PlacedField& field, const std::string& text) {
  auto* sheet = dynamic_cast<pf::PropertySheet*>(&d.GetDialog());
  if (sheet != nullptr && field.page != sheet->GetActiveIndex() && !d.SelectPage(field.page)) {
    return false;
  }
  d.Type(field.id, text);
  return true;
}

// A dialog as the user finds it: its value fields with the texts they show, and the check
// boxes and radio buttons that may switch fields on or change what the values mean.
struct OpenedDialog {
  struct Shown {
    PlacedField field;
    std::string text;
  };
  std::vector<Shown> fields;
  std::vector<int> switches;
};

// The symbol's dialog, or every page of its property sheet, once the switch (0: none) is
// clicked.
OpenedDialog Open(NetSymbol& symbol, const std::string& label, int switchId = 0) {
  OpenedDialog opened;
  pf::Headless headless;
  headless.ExpectDialog(label, [&](pf::DialogDriver& d) {
    if (switchId != 0) d.Click(switchId);
    auto* sheet = dynamic_cast<pf::PropertySheet*>(&d.GetDialog());
    const int pages = sheet != nullptr ? sheet->GetPageCount() : 0;
    for (int page = sheet != nullptr ? 0 : -1; page < pages; ++page) {
      if (sheet != nullptr && page != sheet->GetActiveIndex() && !d.SelectPage(page)) break;
      const pf::Dialog& holder = sheet != nullptr ? *sheet->GetPage(page) : d.GetDialog();
      for (const int id : ValueEdits(holder.FindTemplate())) {
        opened.fields.push_back({{page, id}, holder.GetDlgItemText(id)});
      }
      if (sheet != nullptr || holder.FindTemplate() == nullptr) continue;
      for (const pf::ControlTemplate& c : holder.FindTemplate()->controls) {
        if (c.kind == pf::ControlKind::CheckBox || c.kind == pf::ControlKind::RadioButton) {
          opened.switches.push_back(c.id);
        }
      }
    }
    d.Cancel();
  });
  symbol.EditDialog(nullptr);
  VS_Error::ClearQueue();
  return opened;
}

// Whether the dialog closed with OK after the switch (0: none) was clicked and the text typed
// into the field alone.
bool Accepts(NetSymbol& symbol, const std::string& label, int switchId, const PlacedField& field,
             const std::string& text) {
  pf::Headless headless;
  headless.ExpectDialog(label, [&](pf::DialogDriver& d) {
    if (switchId != 0) d.Click(switchId);
    if (TypeInto(d, field, text)) d.Ok();
    // Still open: refused under its caption.
    if (!d.GetDialog().HasEnded()) d.Cancel();
  });
  const bool accepted = symbol.EditDialog(nullptr);
  VS_Error::ClearQueue();
  return accepted;
}

// The numbers at the edges of what a field may hold, in the form of its shown text (its number
// replaced, its prefix and unit kept): 0, the number negated (-1 for 0), 1, nine digits, and the
// smallest exponent a plain number carries. A field that shows nothing (a value switched off
// until its box is ticked) is tried in every unit; a text that is no number (a name) in none.
std::vector<std::string> EdgeValues(const std::string& shown) {
  static const char* const kUnits[] = {"",  "Hz", "Sec", "ohm", "H",    "F",
                                       "m", "Mho", "V",  "A",   "Bit/s"};
  std::vector<std::string> texts;
  const auto add = [&texts](const std::string& magnitude, const std::string& unit) {
    for (const std::string& number : {std::string("0"), "-" + magnitude, std::string("1"),
                                      std::string("999999999"), std::string("1e-20")}) {
      texts.push_back(number + unit);
    }
  };
  const std::regex number(R"(^\s*[-+]?([0-9]*\.?[0-9]+(?:[eE][-+]?[0-9]+)?)(.*)$)");
  std::smatch m;
  if (shown.find_first_not_of(" \t") == std::string::npos) {
    for (const char* unit : kUnits) add("1", unit);
  } else if (std::regex_match(shown, m, number)) {
    add(std::stod(m[1].str()) != 0.0 ? m[1].str() : "1", m[2].str());
  }
  return texts;
}

// Symbols that a circuit of their own cannot build: the SPICE models and the pulse generator
// have no built-in element or run (their values go to SPICE as typed), nor has the covered
// slotline; the supply's run needs a diode to step, the plotter's two meters are no network,
// and a coupled line needs both strips in a circuit (its own tests check its values). Their
// SPICE lines are checked all the same.
const std::set<std::string> kBuiltElsewhere = {
    "BipSpiceSymbol",    "FetSpiceSymbol",         "OpaSpiceSymbol", "ImpulsGeneratorSymbol",
    "MICCOUPLEDLINE",    "CCoveredSlotLineSymbol", "DcGeneratorSymbol", "PlotterSymbol"};

// Every element the element factory places, as a drag places it: each value its dialog accepts
// at the edges, with each check box or radio button clicked in turn, gives a circuit that the
// simulator builds and runs and a SPICE netlist written without a message beyond those of the
// element as placed. Otherwise a run or an export would report a value error long after the
// dialog said nothing.
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
    if (!label) continue;
    const bool builtIn = !kBuiltElsewhere.contains(key);
    if (builtIn) {
      const std::vector<std::string> before = BuildMessages(make());
      if (!before.empty()) {
        // A keyword nobody registered reads as a definition that lacks its colon.
        ADD_FAILURE() << "as placed: " << before.front() << " (the symbol's WriteNetLine, the "
                      << "keyword's registration in its library's Register.cpp)";
        continue;
      }
    }
    const std::vector<std::string> spiceAsPlaced = SpiceMessages(make());
    std::vector<int> switches = Open(*make(), *label).switches;
    switches.insert(switches.begin(), 0);
    for (const int switchId : switches) {
      for (const OpenedDialog::Shown& shown : Open(*make(), *label, switchId).fields) {
        ++fields;
        for (const std::string& text : EdgeValues(shown.text)) {
          const auto edited = [&]() -> std::unique_ptr<NetSymbol> {
            std::unique_ptr<NetSymbol> symbol = make();
            if (!Accepts(*symbol, *label, switchId, shown.field, text)) return nullptr;
            return symbol;
          };
          std::unique_ptr<NetSymbol> symbol = edited();
          if (symbol == nullptr) continue;
          const std::string where =
              "dialog " + *label + " field " + std::to_string(shown.field.id) +
              (shown.field.page >= 0 ? " on page " + std::to_string(shown.field.page) : "") +
              (switchId != 0 ? " with " + std::to_string(switchId) + " clicked" : std::string()) +
              " took " + text;
          if (builtIn) {
            const std::vector<std::string> after = BuildMessages(std::move(symbol));
            EXPECT_TRUE(after.empty()) << where << ", the simulator refused: " << after.front();
            symbol = edited();
          }
          EXPECT_EQ(SpiceMessages(std::move(symbol)), spiceAsPlaced)
              << where << ", the SPICE writer refused it";
        }
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

// An OK that one field refuses stores nothing, neither at the refusal nor after "Abbrechen":
// every other value field is typed anew while one holds a text no value class takes. A
// property sheet's pages are filled in turn, as far as the bad one lets the user go.
TEST(ValueContract, ARefusedOkStoresNothing) {
  int refusals = 0;
  ForEachRegisteredSymbol([&](auto make) {
    std::unique_ptr<NetSymbol> probe = make();
    const std::optional<std::string> label = DialogLabel(*probe);
    if (!label) return;
    const std::vector<OpenedDialog::Shown> fields = Open(*probe, *label).fields;
    for (const OpenedDialog::Shown& badShown : fields) {
      const PlacedField& bad = badShown.field;
      std::unique_ptr<NetSymbol> symbol = make();
      const std::string before = SymbolSnapshot(*symbol).Bytes();
      bool refused = false;
      std::string atRefusal;
      pf::Headless headless;
      headless.ExpectDialog(*label, [&](pf::DialogDriver& d) {
        for (const OpenedDialog::Shown& shown : fields) {
          const PlacedField& field = shown.field;
          if (!TypeInto(d, field, field == bad ? "abc" : Changed(shown.text))) break;
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
      if (bad.page < 0) {
        EXPECT_TRUE(atRefusal == before) << where << ": the refused OK stored fields";
      }
      EXPECT_TRUE(SymbolSnapshot(*symbol).Bytes() == before)
          << where << ": Abbrechen after the refusal kept stored fields";
    }
  });
  // The walk reaches the dialogs: a registry or template gone missing would check nothing.
  EXPECT_GT(refusals, 100);
}

// The control of the field, on its page of a property sheet.
const pf::Window* FieldControl(pf::Dialog& dialog, const PlacedField& field) {
  auto* sheet = dynamic_cast<pf::PropertySheet*>(&dialog);
  const pf::Dialog* holder = sheet != nullptr ? sheet->GetPage(field.page) : &dialog;
  return holder != nullptr ? holder->GetDlgItem(field.id) : nullptr;
}

// A refused field takes the focus back with its whole text selected, as on entry: "abc" typed
// into one field is refused on OK, and the text it showed, typed at once, replaces "abc".
TEST(ValueContract, ARefusedFieldIsSelectedForTheNextTyping) {
  int refusals = 0;
  ForEachRegisteredSymbol([&](auto make) {
    std::unique_ptr<NetSymbol> probe = make();
    const std::optional<std::string> label = DialogLabel(*probe);
    if (!label) return;
    for (const OpenedDialog::Shown& shown : Open(*probe, *label).fields) {
      const PlacedField& bad = shown.field;
      const std::string where =
          "dialog " + *label + " field " + std::to_string(bad.id) +
          (bad.page >= 0 ? " on page " + std::to_string(bad.page) : std::string());
      std::unique_ptr<NetSymbol> symbol = make();
      pf::Headless headless;
      headless.ExpectDialog(*label, [&](pf::DialogDriver& d) {
        if (TypeInto(d, bad, "abc")) d.Ok();
        if (d.GetDialog().HasEnded()) return;
        ++refusals;
        const auto* focus = dynamic_cast<const pf::Edit*>(d.GetDialog().GetFocusedWindow());
        const bool selected = focus != nullptr && focus == FieldControl(d.GetDialog(), bad) &&
                              focus->GetWindowText() == "abc" && focus->IsAllSelected();
        EXPECT_TRUE(selected) << where << ": the focus is elsewhere or the text not selected";
        if (selected) {
          d.TypeIntoFocus(shown.text);
          EXPECT_EQ(focus->GetWindowText(), shown.text) << where;
        }
        d.Cancel();
      });
      VS_Error::ClearQueue();
      symbol->EditDialog(nullptr);
      VS_Error::ClearQueue();
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
