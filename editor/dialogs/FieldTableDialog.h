#pragma once
// A dialog that is one field table and nothing more: it shows the table's fields when it opens
// (their values without leading blanks) and reads them all on OK, stopping at the first one its
// rule refuses (FieldReader.h). The element's dialog is a class of one constructor that names
// its template and table; a dialog whose controls do more (check boxes that switch fields,
// lists, pictures) is a TDialog of its own.

#include <span>

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TControl.h"
#include "editor/dialogs/TDialog.h"

template <class S>
class FieldTableDialog : public TDialog {
 public:
  void SetupWindow() override {
    ShowFields(*this, fields, *symbol, FieldText::WithoutLeadingBlanks, kReadBuffer);
  }
  bool CanClose() override {
    FieldReader reader(*this, false);
    return reader.ReadFields(fields, *symbol);
  }

 protected:
  FieldTableDialog(const char* templateName, std::span<const Field<S>> fields, S* symbol,
                   pf::Window* parent)
      : TDialog(parent, templateName), fields(fields), symbol(symbol) {}

 private:
  std::span<const Field<S>> fields;
  S* symbol;
};
