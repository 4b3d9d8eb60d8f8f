#pragma once
// "Speaker": plays the speaker's last file to its end.

#include "pf/dialog.h"

class SpeakerSymbol;

class SpeakerDialog : public pf::Dialog {
 public:
  SpeakerDialog(SpeakerSymbol* symbol, pf::Window* parent);

  bool OnCommand(int id, pf::Notification code) override;

 private:
  SpeakerSymbol* symbol;
};
