#pragma once
// The frames of the desktop program: the main frame with its toolbar, the two-row element bar
// and the status bar, and the child frame of a circuit window.

#include "pf/frame.h"

class CMainFrame : public pf::MdiFrameWnd {
 public:
  // Maps the command that shows and hides the element bar, ticked while it shows.
  CMainFrame();

  // Creates the frame over the whole screen with the menu of the resource number, then its
  // bars; false when it cannot be created.
  bool LoadFrame(int resourceId);

  pf::ToolBar* GetToolBar() const { return toolBar_; }
  pf::ToolBar* GetElementBar() const { return elementBar_; }

 private:
  bool CreateBars();

  pf::ToolBar* toolBar_ = nullptr;
  pf::ToolBar* elementBar_ = nullptr;
};

class CChildFrame : public pf::MdiChildWnd {};
