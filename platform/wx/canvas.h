#pragma once
// The native side of a window that the model paints (views, owner-drawn controls, the client
// areas of frames and dialogs): it shows the window's backing surface and hands mouse, key and
// scroll input to the model.

#include <wx/window.h>

namespace pf {

class ScrollView;

class Canvas : public wxWindow {
 public:
  // Scroll views get scroll bars.
  Canvas(wxWindow* parent, bool scrollBars);

  // Shows the scroll sizes and position of a scroll view.
  void MirrorScrollBars(const ScrollView& view);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);

  // What the wheel turned short of a whole notch.
  int wheelRest_ = 0;
};

}  // namespace pf
