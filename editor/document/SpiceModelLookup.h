#pragma once
// The circuit's SPICE model library as the symbols and their dialogs ask for it: names of the
// models of a kind, the text of one card or sub-circuit, all lines. Everything comes from the
// first "SpiceLibSymbol" of the document; without one every answer is empty.

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

class CVostraneDoc;
class NetSymbol;
class SpiceLibrary;

namespace pf {
class Window;
}

class SpiceModelLookup {
 public:
  explicit SpiceModelLookup(const CVostraneDoc* doc);
  // The circuit that holds the symbol, else the document of its view, else of the given window
  // when that is a view.
  static SpiceModelLookup For(const NetSymbol& symbol, pf::Window* parent = nullptr);

  const SpiceLibrary* Library() const { return library; }
  bool HasSpiceLibrary() const { return hasLibrarySymbol; }
  void ListBipolarModels(LineFile& names) const;
  void ListFetModels(LineFile& names) const;
  void ListOpAmpSubcircuits(LineFile& names) const;
  void ListDiodeModels(LineFile& names) const;
  void GetModelText(const MyStrng& name, LineFile& lines) const;
  void GetSubcircuitText(const MyStrng& name, LineFile& lines) const;

 private:
  const SpiceLibrary* library = nullptr;
  bool hasLibrarySymbol = false;
};

// "NAME: Modell MODEL nicht in der Bibliothek": the symbol's chosen model is not in the library
// that its SPICE line would need.
MyStrng MissingSpiceModel(const NetSymbol& symbol);
