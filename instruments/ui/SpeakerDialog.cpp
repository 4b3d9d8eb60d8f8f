#include "instruments/ui/SpeakerDialog.h"

#include "instruments/ui/SpeakerSymbol.h"
#include "pf/ui_services.h"
#include "resources/ScopeIds.h"
#include "editor/symbols/SymbolSnapshot.h"

SpeakerDialog::SpeakerDialog(SpeakerSymbol* symbol, pf::Window* parent)
    : pf::Dialog(speaker_ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool SpeakerDialog::OnCommand(int id, pf::Notification code) {
  if (id != speaker_ids::kPlay || code != pf::Notification::Clicked) {
    return pf::Dialog::OnCommand(id, code);
  }
  pf::TheUiServices().PlaySound(symbol->FilePath());
  return true;
}
