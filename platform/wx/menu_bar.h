#pragma once
// The menu bar of a frame's native window, mirrored from the frame's menu: a popup and the
// submenus in it show what the command route says just before the popup opens. A
// multiple-document frame adds a "&Fenster" menu of its own: another window on the active
// document, and the list of document windows.

#include <wx/frame.h>

namespace pf {

class FrameWnd;

// The platform's number of the first entry of the window list.
inline constexpr int kIdFirstMdiChild = 0xFF00;

// Builds the menu bar again when the frame shows another menu than the bar does.
void MirrorMenuBar(wxFrame& top, FrameWnd& frame);
// Hands the menu bar's events to the frame.
void BindMenuBar(wxFrame& top);

}  // namespace pf
