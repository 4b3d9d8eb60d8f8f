#include "editor/document/SpiceModelLookup.h"

#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SpiceLibraryRole.h"
#include "pf/view.h"

SpiceModelLookup::SpiceModelLookup(const CVostraneDoc* doc) {
  const NetSymbol* symbol = doc != nullptr ? doc->FindSpiceLibrary() : nullptr;
  hasLibrarySymbol = symbol != nullptr;
  const auto* role = dynamic_cast<const SpiceLibraryRole*>(symbol);
  if (role != nullptr) library = &role->GetLibrary();
}

SpiceModelLookup SpiceModelLookup::For(const NetSymbol& symbol, pf::Window* parent) {
  const pf::Document* doc = symbol.document;
  if (doc == nullptr) {
    // A symbol being placed is not in its circuit yet.
    const pf::View* view =
        symbol.view != nullptr ? symbol.view : dynamic_cast<pf::View*>(parent);
    doc = view != nullptr ? view->GetDocument() : nullptr;
  }
  return SpiceModelLookup(dynamic_cast<const CVostraneDoc*>(doc));
}

MyStrng MissingSpiceModel(const NetSymbol& symbol) {
  return symbol.GetElementName() + ": Modell " + symbol.modelName + " nicht in der Bibliothek";
}

void SpiceModelLookup::ListBipolarModels(LineFile& names) const {
  if (library != nullptr) library->GetBipolarModelNames(names);
}

void SpiceModelLookup::ListFetModels(LineFile& names) const {
  if (library != nullptr) library->GetJfetModelNames(names);
}

void SpiceModelLookup::ListOpAmpSubcircuits(LineFile& names) const {
  if (library != nullptr) library->GetOpAmpNames(names);
}

void SpiceModelLookup::ListDiodeModels(LineFile& names) const {
  if (library != nullptr) library->GetDiodeModelNames(names);
}

void SpiceModelLookup::GetModelText(const MyStrng& name, LineFile& lines) const {
  if (library != nullptr) library->GetModelCard(name, lines);
}

void SpiceModelLookup::GetSubcircuitText(const MyStrng& name, LineFile& lines) const {
  if (library != nullptr) library->GetSubcktBlock(name, lines);
}
