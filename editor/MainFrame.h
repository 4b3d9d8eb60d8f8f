#pragma once
// The frames of the desktop program: the main frame with its toolbar, the two-row element bar
// and the status bar, and the child frame of a circuit window.

#include <functional>
#include <string>
#include <vector>

#include "pf/frame.h"

class CMainFrame : public pf::MdiFrameWnd {
 public:
  // Maps the commands that show and hide the bars.
  CMainFrame();

  // Creates the frame over the whole screen with the menu of the resource number, then its
  // bars; false when it cannot be created.
  bool LoadFrame(int resourceId);

  pf::ToolBar* GetToolBar() const { return toolBar_; }
  pf::ToolBar* GetElementBar() const { return elementBar_; }

  // Files dropped on the window open as documents.
  void OnDropFiles(const std::vector<std::string>& paths);

 private:
  bool CreateBars();
  // The command shows the bar when it is hidden and hides it when it is shown.
  void MapBarToggle(int id, std::function<pf::Window*()> bar);

  pf::ToolBar* toolBar_ = nullptr;
  pf::ToolBar* elementBar_ = nullptr;
};

class CChildFrame : public pf::MdiChildWnd {};
