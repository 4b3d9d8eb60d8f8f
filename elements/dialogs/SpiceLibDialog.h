#pragma once
// The model library's dialog: lists the library's entries (all, or the models of one kind),
// shows and edits an entry's text, adds a new card from a template, deletes an entry, copies
// the library to the clipboard, and renames the library.

#include "basics/LineFile.h"
#include "elements/spice/SpiceLibSymbol.h"
#include "pf/dialog.h"

class SpiceLibDialog : public pf::Dialog {
 public:
  SpiceLibDialog(SpiceLibSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  // Stores the name edit as the library name.
  void OnOK() override;

  // The first selected entry; the first entry when none is selected; "NoName" in an empty list.
  MyStrng SelectedName() const;

 private:
  void Fill(void (SpiceLibrary::*list)(LineFile&) const);
  void Delete();
  void Show();
  void Add();

  SpiceLibSymbol* symbol;
  LineFile names;
};
