#pragma once
// The base of the modal instrument windows with a screen (oscilloscope, spectrum analyser,
// plotter): the screen window on a sweep of the dialog's own, its drawing, and the keys they
// all have.

#include "instruments/ui/ScrnWindow.h"
#include "pf/dialog.h"
#include "simulator/SweepFreq.h"

// The window that owns an instrument's modal dialog: the given one, else the main window.
pf::Window* DialogOwner(pf::Window* parent);

class ScreenDialog : public pf::Dialog {
 public:
  ScreenDialog(int templateId, pf::Window* parent) : pf::Dialog(templateId, parent) {}

  ScrnWindow& Screen() { return screen; }
  void OnDrawItem(int id, pf::Dc& dc, const pf::Rect& rect) override;

 protected:
  // The marker key: deletes the marker when there is one, else creates it.
  void ToggleMarker();
  // The screen's picture, then its curve's data, to the clipboard, each with its message;
  // refused while the screen shows no run's result.
  void CopyScreen();
  void CopyData();
  // Redraws the screen after a key.
  void Refresh() { screen.Invalidate(); }
  // Lays the screen out by the first two spins and shows a new diagram of the code while the
  // symbol's screen is fresh, else a copy of its kept one; false without the screen's controls.
  template <class S>
  bool OpenScreen(const S& symbol, int code, int firstSpin, int secondSpin);
  // On OK: a current diagram of the kept one's kind becomes the symbol's, its screen not fresh.
  template <class S>
  void KeepScreen(S& symbol) const;

  SweepFreq sweep;
  ScrnWindow screen{&sweep};
};

template <class S>
bool ScreenDialog::OpenScreen(const S& symbol, int code, int firstSpin, int secondSpin) {
  if (!screen.LayOut(*this, firstSpin, secondSpin)) return false;
  if (symbol.freshScreen != 0) {
    screen.SelectDiagram(code);
  } else {
    screen.CopyDiagram<decltype(S::keptDiagram)>(symbol.keptDiagram);
  }
  return true;
}

template <class S>
void ScreenDialog::KeepScreen(S& symbol) const {
  if (const auto* d = dynamic_cast<const decltype(S::keptDiagram)*>(screen.Current())) {
    symbol.keptDiagram = *d;
    symbol.freshScreen = 0;
  }
}
