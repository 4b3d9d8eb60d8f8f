#pragma once
// The audio source's set-up dialog "Tape": shows the recording's format, takes the internal
// resistance and the amplitude on OK (each stored as it parses), changes N at once through its
// up-down control, plays the file and starts a run.

#include "pf/dialog.h"

class AudioSourceSymbol;

class AudioSourceDialog : public pf::Dialog {
 public:
  AudioSourceDialog(AudioSourceSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;

 private:
  AudioSourceSymbol* symbol;
};
