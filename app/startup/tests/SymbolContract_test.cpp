// What every registered symbol class owes the document and the user, walked over the registry's
// keys so that a new class is held to it without a row of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

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
        << KeyOf(key);
    EXPECT_EQ(FieldsWithoutControl(), std::vector<int>{}) << KeyOf(key);
  }
}

}  // namespace
