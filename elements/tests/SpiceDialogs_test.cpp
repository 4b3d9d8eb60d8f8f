// The model library's symbol and dialog and the model-text dialog (also as a diode shows its
// model), driven through scripted dialogs, message boxes and file choices.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "elements/dialogs/SpiceLibDialog.h"
#include "elements/dialogs/SpiceModelDialogs.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "elements/spice/SpiceLibSymbol.h"
#include "pf/headless.h"
#include "resources/SpiceModelIds.h"

namespace {

using namespace spice_ids;
using pf::DialogDriver;
using Lines = std::vector<std::string>;

Lines Text(const LineFile& lines) {
  Lines out;
  lines.ForEach([&out](const MyStrng& l) { out.push_back(l.ToCString()); });
  return out;
}

std::vector<std::string> Shown(pf::Headless& headless) {
  std::vector<std::string> out;
  for (const auto& m : headless.Ui().Messages()) out.push_back(m.text);
  return out;
}

class SpiceDialogsTest : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(headless.Failures().empty()) << headless.Failures().front();
    EXPECT_EQ(headless.PendingScripts(), 0);
  }
  pf::Headless headless;
};

// An empty library asks for a file; without one, for an empty library.
TEST_F(SpiceDialogsTest, EmptyLibraryLoadsAFileOrBecomesEmptyLib) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "vostrane_t.lib";
  {
    std::ofstream out(file);
    out << "  .MODEL A NPN(IS=1)  \n\n+ BF=2\n   \n* end\n";
  }
  struct Row {
    const char* what;
    std::optional<std::string> file;
    pf::MsgResult answer;  // to "Soll eine leere Lib erzeugt werden?"
    bool changed;
    const char* name;
    Lines lines;
  };
  const Row rows[] = {
      {"a file: lines trimmed, empty ones dropped", file.string(), pf::MsgResult::No, true,
       "vostrane_t.lib", {".MODEL A NPN(IS=1)", "+ BF=2", "* end"}},
      {"no file, Yes", std::nullopt, pf::MsgResult::Yes, true, "Empty.Lib", {"*---------------"}},
      {"no file, No", std::nullopt, pf::MsgResult::No, false, "", {}},
  };
  for (const Row& row : rows) {
    SpiceLibSymbol symbol;
    headless.Ui().QueueFileAnswer(row.file);
    const size_t asked = headless.Ui().Messages().size();
    if (!row.file) headless.Ui().QueueAnswer(row.answer);
    EXPECT_EQ(symbol.EditDialog(nullptr), row.changed) << row.what;
    EXPECT_EQ(symbol.libraryName.ToCString(), std::string(row.name)) << row.what;
    EXPECT_EQ(Text(symbol.library), row.lines) << row.what;
    EXPECT_EQ(headless.Ui().Messages().size(), asked + (row.file ? 0 : 1)) << row.what;
    if (row.file) {
      EXPECT_EQ(symbol.library.fileName.ToCString(), *row.file);
    }
  }
  std::filesystem::remove(file);
  // "Empty.Lib" is not empty: the next edit opens the library dialog and changes nothing.
  SpiceLibSymbol symbol;
  headless.Ui().QueueFileAnswer(std::nullopt);
  headless.Ui().QueueAnswer(pf::MsgResult::Yes);
  ASSERT_TRUE(symbol.EditDialog(nullptr));
  headless.ExpectDialog(kLibrary, [](DialogDriver& d) { d.Cancel(); });
  EXPECT_FALSE(symbol.EditDialog(nullptr));
}

// One script of the library dialog per row, on a library of an NPN card, a diode card and an
// op-amp sub-circuit; the model-text dialog, where it opens, gets the row's text.
TEST_F(SpiceDialogsTest, LibraryDialogActions) {
  struct Row {
    const char* what;
    std::function<void(DialogDriver&)> script;
    const char* typed;  // into the model-text dialog; nullptr: it does not open
    bool keepText;      // OK in the model-text dialog without typing
    const char* seen;   // what the model-text dialog shows; nullptr: not checked
    std::vector<pf::MsgResult> answers;
    Lines messages;
    Lines library;
    const char* name;
  };
  const Lines kStart = {".MODEL Q1 NPN(IS=1", "+ BF=2)", ".MODEL D1 D(IS=1)",
                        ".SUBCKT OPX 1 2", "R1 1 2 1K", ".ENDS"};
  const Row rows[] = {
      {"Show without a selection shows the first entry; its OK replaces it even unchanged",
       [](DialogDriver& d) { d.Click(kLibShow); d.Cancel(); }, nullptr, true,
       ".MODEL Q1 NPN(IS=1\r\n+ BF=2)\r\n", {}, {},
       {".MODEL D1 D(IS=1)", ".SUBCKT OPX 1 2", "R1 1 2 1K", ".ENDS", ".MODEL Q1 NPN(IS=1",
        "+ BF=2)"}, ""},
      {"an edited card replaces its entry, upper-cased, without empty lines",
       [](DialogDriver& d) { d.Select(kLibList, "Q1"); d.Click(kLibShow); d.Cancel(); },
       ".model q1 pnp(is=3\r\n\r\n+ bf=4)\r\n", false, nullptr, {}, {},
       {".MODEL D1 D(IS=1)", ".SUBCKT OPX 1 2", "R1 1 2 1K", ".ENDS", ".MODEL Q1 PNP(IS=3",
        "+ BF=4)"}, ""},
      {"an edited sub-circuit replaces its block",
       [](DialogDriver& d) { d.Select(kLibList, "OPX"); d.Click(kLibShow); d.Cancel(); },
       ".subckt opx 1 2\r\n.ends", false, nullptr, {}, {},
       {".MODEL Q1 NPN(IS=1", "+ BF=2)", ".MODEL D1 D(IS=1)", ".SUBCKT OPX 1 2", ".ENDS"}, ""},
      {"Del asks and removes the card",
       [](DialogDriver& d) { d.Select(kLibList, "Q1"); d.Click(kLibDel); d.Cancel(); }, nullptr,
       false, nullptr, {pf::MsgResult::Yes}, {"Elment: Q1 wirklich löschen"},
       {".MODEL D1 D(IS=1)", ".SUBCKT OPX 1 2", "R1 1 2 1K", ".ENDS"}, ""},
      {"Del answered No keeps it",
       [](DialogDriver& d) { d.Select(kLibList, "D1"); d.Click(kLibDel); d.Cancel(); }, nullptr,
       false, nullptr, {pf::MsgResult::No}, {"Elment: D1 wirklich löschen"}, kStart, ""},
      {"Del of a sub-circuit removes its block",
       [](DialogDriver& d) { d.Select(kLibList, "OPX"); d.Click(kLibDel); d.Cancel(); },
       nullptr, false, nullptr, {pf::MsgResult::Yes}, {"Elment: OPX wirklich löschen"},
       {".MODEL Q1 NPN(IS=1", "+ BF=2)", ".MODEL D1 D(IS=1)"}, ""},
      {"a radio with no models empties the list: Show and Del say so",
       [](DialogDriver& d) {
         d.Click(kLibPjf);
         d.Click(kLibShow);
         d.Click(kLibDel);
         d.Cancel();
       },
       nullptr, false, nullptr, {}, {"Kein Eintrag vorhanden", "Kein Eintrag markiert"}, kStart,
       ""},
      {"Add with the Diode radio: the template is a D card; the edit joins the library",
       [](DialogDriver& d) { d.Click(kLibDiode); d.Click(kLibAdd); d.Cancel(); },
       ".model d2 d(is=5)\r\n+   )", false,
       ".MODEL NAME D( \r\n+   )\r\n*----------------------------------------\r\n", {}, {},
       {".MODEL Q1 NPN(IS=1", "+ BF=2)", ".MODEL D1 D(IS=1)", ".SUBCKT OPX 1 2", "R1 1 2 1K",
        ".ENDS", ".MODEL D2 D(IS=5)", "+   )"}, ""},
      {"OK stores the name",
       [](DialogDriver& d) { d.Type(kLibName, "Neu.lib"); d.Ok(); }, nullptr, false, nullptr,
       {}, {},
       kStart, "Neu.lib"},
  };
  for (const Row& row : rows) {
    SpiceLibSymbol symbol;
    for (const std::string& l : kStart) symbol.library.AddLine(MyStrng(l));
    const size_t before = headless.Ui().Messages().size();
    for (const pf::MsgResult a : row.answers) headless.Ui().QueueAnswer(a);
    headless.ExpectDialog(kLibrary, row.script);
    std::string seen;
    if (row.typed != nullptr || row.keepText) {
      headless.ExpectDialog(kShow, [&seen, typed = row.typed](DialogDriver& d) {
        seen = d.Text(kShowText);
        if (typed != nullptr) d.Type(kShowText, typed);
        d.Ok();
      });
    }
    // Any change marks the circuit as modified, also one made before Abbrechen.
    const bool changed = symbol.EditDialog(nullptr);
    EXPECT_EQ(changed, Text(symbol.library) != kStart || std::string(row.name) != "") << row.what;
    const std::vector<std::string> shown = Shown(headless);
    EXPECT_EQ(Lines(shown.begin() + static_cast<long>(before), shown.end()), row.messages)
        << row.what;
    EXPECT_EQ(Text(symbol.library), row.library) << row.what;
    EXPECT_EQ(symbol.libraryName.ToCString(), std::string(row.name)) << row.what;
    if (row.seen != nullptr) {
      EXPECT_EQ(seen, row.seen) << row.what;
    }
  }
}

// The model-text dialog: what it shows and what OK hands back, by content and edit letter.
TEST_F(SpiceDialogsTest, ModelTextDialogShowsAndReturnsLines) {
  struct Row {
    char edit;
    const char* typed;  // nullptr: nothing typed
    const char* shown;
    Lines back;
  };
  const Row rows[] = {
      {'E', "a\r\n\r\n  b  \r\n", ".model x d(is=1)\r\n+ n=2\r\n", {"A", "  B  "}},
      {'E', nullptr, ".model x d(is=1)\r\n+ n=2\r\n", {".MODEL X D(IS=1)", "+ N=2"}},
      // Read-only: typing is refused and the lines stay as given.
      {'N', "changed", ".model x d(is=1)\r\n+ n=2\r\n", {".model x d(is=1)", "+ n=2"}},
  };
  for (const Row& row : rows) {
    BipSpiceShow show(nullptr);
    show.SetContent('F');
    show.SetEditMode(row.edit);
    show.Lines().AddLine(".model x d(is=1)");
    show.Lines().AddLine("+ n=2");
    std::string seen;
    headless.ExpectDialog(kShow, [&seen, &row](DialogDriver& d) {
      seen = d.Text(kShowText);
      if (row.typed != nullptr) d.Type(kShowText, row.typed);
      d.Ok();
    });
    EXPECT_EQ(show.DoModal(), pf::kIdOk);
    EXPECT_EQ(seen, row.shown) << row.edit;
    EXPECT_EQ(Text(show.Lines()), row.back) << row.edit;
  }
}

// A diode's chosen model shows its card and, below it, what the built-in line takes from it,
// or why it takes nothing; showing reports nothing.
TEST_F(SpiceDialogsTest, DiodeModelShowsTheValuesOfItsBuiltInLine) {
  const struct {
    const char* card;
    const char* shown;
  } rows[] = {
      {".model d1n4148 d(is=2.52n rs=0.568 n=1.752)",
       ".MODEL D1N4148 D(IS=2.52N RS=0.568 N=1.752)\r\n"
       "* Eingebauter Simulator: IS = 2.52nA NE = 1.752 RS = 568mohm\r\n"},
      {".MODEL D1N4148 D(N=0)",
       ".MODEL D1N4148 D(N=0)\r\n* Eingebauter Simulator: D1: Modell D1N4148: N ungültig\r\n"},
  };
  for (const auto& row : rows) {
    CVostraneDoc doc;
    auto* library = new SpiceLibSymbol(Point(500, 500), Point(600, 500));
    library->library.AddLine(row.card);
    doc.AddSymbol(library);
    auto* diode = new PNDiodeSymbol(Point(100, 100), Point(100, 200));
    doc.AddSymbol(diode);
    diode->elementName = "D1";
    diode->modelName = "D1N4148";
    std::string seen;
    headless.ExpectDialog(kShow, [&seen](DialogDriver& d) {
      seen = d.Text(kShowText);
      d.Ok();
    });
    VS_Error::ClearQueue();
    EXPECT_TRUE(diode->EditDialog(nullptr));
    EXPECT_EQ(seen, row.shown);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

}  // namespace
