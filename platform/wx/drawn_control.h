#pragma once
// Controls drawn here with the toolkit's renderer rather than taken from the toolkit: radio
// buttons (the model decides the check of every button, which the toolkit's groups would not
// allow), up-down controls (so the upper arrow gives the delta -1, as the model's handlers
// expect), pictures, toolbars and status bars.

#include <wx/window.h>

namespace pf {

class DrawnControl : public wxWindow {
 public:
  enum class Look { Radio, UpDown, Picture, ToolBar, StatusBar };

  DrawnControl(wxWindow* parent, Look look);
  // Of the drawn controls only radio buttons take the keyboard (the dialog's keys: Tab, Space).
  bool AcceptsFocus() const override { return look_ == Look::Radio; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  // Over a toolbar: the button's tool tip, and its prompt in the frame's status bar.
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);

  Look look_;
};

}  // namespace pf
