// What every registered symbol class owes the document and the user, walked over the registry's
// keys so that a new class is held to it without a row of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/tests/support/SymbolStreams.h"
#include "pf/headless.h"
#include "pf/window.h"

namespace {

std::string KeyOf(const MyStrng& key) { return key.GetBuffer(); }

TEST(SymbolContract, EveryLibraryRegistersItsSymbolsUnderTheirOwnKeys) {
  const std::vector<MyStrng> keys = SymbolRegistry::Global().Keys();
  for (const char* key : {"SUBSTRAT", "WIDERSTAND", "MICTRANSLINE", "VecNetAnaSymbol"}) {
    EXPECT_NE(std::find(keys.begin(), keys.end(), MyStrng(key)), keys.end()) << key;
  }
  for (const MyStrng& key : keys) {
    const std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(key);
    ASSERT_NE(symbol, nullptr) << KeyOf(key);
    EXPECT_EQ(KeyOf(symbol->GetClassKey()), KeyOf(key));
  }
}

// Placed in a circuit, the symbol takes the first default name of its kind; its archive record
// read back into a fresh symbol of its key stores the same bytes again, name included.
TEST(SymbolContract, EverySymbolIsNamedAndReadsBackWhatItStores) {
  for (const MyStrng& key : SymbolRegistry::Global().Keys()) {
    SCOPED_TRACE(KeyOf(key));
    CVostraneDoc doc;
    NetSymbol* placed = SymbolRegistry::Global().Create(key).release();
    ASSERT_TRUE(doc.AddSymbol(placed));
    EXPECT_EQ(KeyOf(placed->elementName), KeyOf(CVostraneDoc::GetDefaultNamePrefix(*placed)) + "1");

    const std::string bytes = Store(*placed);
    const std::unique_ptr<NetSymbol> loaded = SymbolRegistry::Global().Create(key);
    ASSERT_NO_THROW(Load(*loaded, bytes));
    EXPECT_EQ(Store(*loaded), bytes);
    EXPECT_EQ(KeyOf(loaded->elementName), KeyOf(placed->elementName));
  }
}

// What the user meets on editing a symbol that stands alone.
namespace shown {
constexpr const char* kNothing = "nothing";
constexpr const char* kNotImplemented = "not implemented";
constexpr const char* kDialog = "dialog";
constexpr const char* kWindow = "window";
constexpr const char* kFileFirst = "file first";
}  // namespace shown

std::string Edit(NetSymbol& symbol) {
  pf::Headless headless;
  const size_t windows = pf::Window::TopLevelWindows().size();
  symbol.EditDialog(nullptr);
  // A modal dialog reaches the modal loop (which has no script here) only once its template was
  // found: a missing template ends DoModal before.
  const std::vector<std::string>& failures = headless.Failures();
  if (std::any_of(failures.begin(), failures.end(), [](const std::string& f) {
        return f.starts_with("modal dialog ") && f.ends_with(" without a script");
      })) {
    return shown::kDialog;
  }
  if (pf::Window::TopLevelWindows().size() > windows) return shown::kWindow;
  if (!headless.Ui().FileDialogs().empty()) return shown::kFileFirst;
  const auto& messages = headless.Ui().Messages();
  if (messages.size() == 1 && messages[0].text == "Dialog des Elementes nicht implementiert") {
    return shown::kNotImplemented;
  }
  return messages.empty() ? shown::kNothing : shown::kDialog;
}

// Every other symbol opens its dialog or window from a template that exists, or first asks for
// the file it shows; a template gone missing would show nothing. The fields a dialog shows are
// controls of its template.
TEST(SymbolContract, EverySymbolWithSettingsOpensItsDialog) {
  const std::map<std::string, std::string> without = {
      {"ExKnotenSymbol", shown::kNothing},   {"GROUND", shown::kNothing},
      {"VERBINDUNG", shown::kNothing},       {"PktSymbol", shown::kNothing},
      {"INPUT", shown::kNotImplemented},     {"OUTPUT", shown::kNotImplemented},
      {"ONEPORT", shown::kNotImplemented},   {"MslCrossSymbol", shown::kNotImplemented},
      {"TWOPORT", shown::kFileFirst},        {"UserNetSymbol", shown::kFileFirst},
      {"SpiceLibSymbol", shown::kFileFirst}, {"AudioSourceSymbol", shown::kFileFirst},
      {"VecNetAnaSymbol", shown::kWindow}};
  for (const MyStrng& key : SymbolRegistry::Global().Keys()) {
    const std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(key);
    const auto listed = without.find(KeyOf(key));
    FieldsWithoutControl().clear();
    EXPECT_EQ(Edit(*symbol), listed != without.end() ? listed->second : std::string(shown::kDialog))
        << KeyOf(key) << " on editing: its EditDialog, and the template the dialog names";
    EXPECT_EQ(FieldsWithoutControl(), std::vector<int>{}) << KeyOf(key);
  }
}

// The symbols without a LaTeX picture: they write the comment line of NetSymbol::WriteLatex
// alone, as their description leaves them (the junction dot writes nothing).
const std::map<std::string, int> kWithoutPicture = {
    {"PktSymbol", 0},             {"SUBSTRAT", 1},           {"ExKnotenSymbol", 1},
    {"INPUT", 1},                 {"OUTPUT", 1},             {"ONEPORT", 1},
    {"FETTRANS", 1},              {"BIPOLTRANS", 1},         {"SCHWINGQUARZ", 1},
    {"SERRESCIRCUIT", 1},         {"PARRESCIRCUIT", 1},      {"UEBERTRAGER", 1},
    {"VOLCONVOL", 1},             {"VOLCONCUR", 1},          {"CURCONCUR", 1},
    {"TWOPORT", 1},               {"UserNetSymbol", 1},      {"OpaSpiceSymbol", 1},
    {"SpiceLibSymbol", 1},        {"TEMTRANSLINE", 1},       {"KOAXIALSYMBOL", 1},
    {"MICTRANSLINE", 1},          {"MICOPENSTUB", 1},        {"MICSHORTSTUB", 1},
    {"MICTAPER", 1},              {"MICCORNER", 1},          {"MICCOUPLEDLINE", 1},
    {"MICTEE", 1},                {"MICSTEP", 1},            {"MICRADIALSTUB", 1},
    {"MslTeeSymbol", 1},          {"MslCornerSymbol", 1},    {"MslCrossSymbol", 1},
    {"SlotLineSymbol", 1},        {"SltBendSymbol", 1},      {"CCoveredSlotLineSymbol", 1},
    {"CCoplanarLineSymbol", 1},   {"CCoplanarCrossSymbol", 1}, {"MslToSlotSymbol", 1},
    {"VecNetAnaSymbol", 1},       {"MultiMeterSymbol", 1},   {"SignalGenSymbol", 1},
    {"DcGeneratorSymbol", 1},     {"AudioSourceSymbol", 1},  {"DataGeneratorSymbol", 1},
    {"ImpulsGeneratorSymbol", 1}, {"OsziSymbol", 1},         {"SpecAnaSymbol", 1},
    {"SpeakerSymbol", 1},         {"PlotterSymbol", 1}};

// Every other symbol, placed lying, writes its picture for the circuit's LaTeX copy: its key's
// comment line, then picture commands ("\put" each, braces closed). A symbol that keeps the
// base's WriteLatex would be missing from every copy without a word.
TEST(SymbolContract, EverySymbolWritesItsLatexPicture) {
  for (const MyStrng& key : SymbolRegistry::Global().Keys()) {
    const std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(key);
    symbol->pins[0] = Point(100, 100);
    symbol->pins[1] = Point(200, 100);
    symbol->UpdateGeometry();
    symbol->latexOrigin = Point(-50, 250);
    LineFile lines;
    symbol->WriteLatex(lines);
    lines.Reset();
    const auto without = kWithoutPicture.find(KeyOf(key));
    if (without != kWithoutPicture.end()) {
      EXPECT_EQ(lines.GetCount(), without->second) << KeyOf(key) << " now writes a picture";
      continue;
    }
    ASSERT_GT(lines.GetCount(), 1)
        << KeyOf(key) << " writes no LaTeX picture, only the comment of NetSymbol::WriteLatex: "
        << "its own WriteLatex, or its key in kWithoutPicture when it has none";
    EXPECT_EQ(KeyOf(lines.GetNext()), "% " + KeyOf(key));
    for (int i = 1; i < lines.GetCount(); ++i) {
      const std::string line = KeyOf(lines.GetNext());
      int depth = 0;
      for (size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '\\') {
          ++at;  // a command's first letter, or an escaped brace
        } else {
          depth += line[at] == '{' ? 1 : line[at] == '}' ? -1 : 0;
        }
      }
      EXPECT_TRUE(line.starts_with("\\put(") && depth == 0) << KeyOf(key) << ": " << line;
    }
  }
}

}  // namespace
