#pragma once
// The diode's property sheet "Halbleiterdiode": four pages of its SPICE parameters. Leaving a
// page (or OK) reads its fields in order through the value classes' edit readers and stores
// each at once; the first refused field keeps the page open and the fields after it unread.

#include <span>

#include "editor/dialogs/FieldReader.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "pf/property_sheet.h"

class PNDiodePage : public pf::PropertyPage {
 public:
  PNDiodePage(int templateId, PNDiodeSymbol* symbol,
              std::span<const Field<PNDiodeSymbol>> fields)
      : pf::PropertyPage(templateId), symbol(symbol), fields(fields) {}

  bool OnInitDialog() override;
  bool OnKillActive() override;

 private:
  PNDiodeSymbol* symbol;
  std::span<const Field<PNDiodeSymbol>> fields;
};

class PNDiodePropertySheet : public pf::PropertySheet {
 public:
  PNDiodePropertySheet(PNDiodeSymbol* symbol, pf::Window* parent);

 private:
  PNDiodePage first;
  PNDiodePage second;
  PNDiodePage third;
  PNDiodePage fourth;
};
