#pragma once
// The base of the modal instrument windows with a screen (oscilloscope, spectrum analyser,
// plotter): the screen window on a sweep of the dialog's own, its drawing, and the keys they
// all have.

#include "instruments/ScrnWindow.h"
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
  // The screen's picture, then its curve's data, to the clipboard, each with its message.
  void CopyScreen();
  void CopyData();
  // Redraws the screen after a key.
  void Refresh() { screen.Invalidate(); }

  SweepFreq sweep;
  ScrnWindow screen{&sweep};
};
