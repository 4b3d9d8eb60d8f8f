#pragma once
// The bipolar transistor's property sheet: the hybrid parameters on the H page, which stores
// them when the page is left or OK is pressed, and a Y page that only moves the symbol to the
// hybrid kind when it is left.

#include "editor/symbols/BipSymbol.h"
#include "pf/property_sheet.h"
#include "resources/ElementDialogIds.h"

class HParmDialog : public pf::PropertyPage {
 public:
  explicit HParmDialog(BipSymbol* symbol)
      : pf::PropertyPage(bipolar_ids::kHTemplate), symbol(symbol) {}

  bool OnInitDialog() override;
  // Name, H11, H12, H21, H22 in this order, each stored once it passes; then kind 'H'.
  bool OnKillActive() override;

 private:
  BipSymbol* symbol;
};

class YParmDialog : public pf::PropertyPage {
 public:
  explicit YParmDialog(BipSymbol* symbol)
      : pf::PropertyPage(bipolar_ids::kYTemplate), symbol(symbol) {}

  bool OnKillActive() override;

 private:
  BipSymbol* symbol;
};

class BipolarDialog : public pf::PropertySheet {
 public:
  // Opens on the H page when the symbol has the hybrid kind, else on the Y page, whatever
  // page is asked for.
  BipolarDialog(BipSymbol* symbol, pf::Window* parent, int page);

 private:
  HParmDialog hPage;
  YParmDialog yPage;
};

// Opens the sheet for a bipolar symbol; installed as the editor's dialog for its class key.
bool EditBipSymbol(NetSymbol& symbol, pf::Window* parent);
