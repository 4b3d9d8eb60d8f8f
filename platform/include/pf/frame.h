#pragma once
// Frames: the main frame of a multiple-document program, the child frames that hold views,
// and their toolbars. A frame hands commands along the route active view, its document, the
// frame(s), the application; toolbar buttons take their state from the same route in idle time.

#include <string>
#include <vector>

#include "pf/command.h"
#include "pf/window.h"

namespace pf {

class Document;
class View;

enum class ToolStyle { Button, Check, CheckGroup, Separator };

struct ToolButton {
  int id = 0;
  ToolStyle style = ToolStyle::Button;
  bool wrap = false;  // the bar breaks its row after this button
  bool enabled = true;
  int check = 0;
};

class ToolBar : public Window {
 public:
  void SetButtons(std::vector<ToolButton> buttons);
  const std::vector<ToolButton>& Buttons() const { return buttons_; }
  void SetButtonStyle(int index, ToolStyle style, bool wrap = false);
  // Every button but the separators asks the frame's command route for its state.
  void UpdateButtons();
  // The user presses a button: a disabled one does nothing; a check button toggles, a
  // check-group button goes down and the others of its run of check-group buttons up; then the
  // frame runs the command.
  bool PressButton(int index);

 private:
  std::vector<ToolButton> buttons_;
};

class FrameWnd : public Window {
 public:
  View* GetActiveView() const { return activeView_; }
  // With notify, both views hear OnActivateView.
  void SetActiveView(View* view, bool notify = true);
  virtual Document* GetActiveDocument() const;

  ToolBar& AddToolBar(int id, std::vector<ToolButton> buttons, const Rect& rect);
  std::vector<ToolBar*> ToolBars() const;

  // The command route, the application last.
  std::vector<CommandTarget*> CommandRoute();
  void UpdateCommand(CmdUI& ui);
  // The user chose a command (menu, accelerator, button): it runs only when it is enabled.
  bool UserCommand(int id);
  // Idle time: the visible toolbars update their buttons.
  virtual void OnIdleUpdateCmdUI();

  bool OnCommand(int id, Notification code) override;

 protected:
  virtual void GetCommandRoute(std::vector<CommandTarget*>& route);

 private:
  View* activeView_ = nullptr;
};

class MdiChildWnd;

class MdiFrameWnd : public FrameWnd {
 public:
  // The title shows the active document: "App - Document".
  void SetBaseTitle(std::string title);
  MdiChildWnd* MdiGetActive() const { return activeChild_; }
  void MdiActivate(MdiChildWnd* child);
  Document* GetActiveDocument() const override;
  void OnIdleUpdateCmdUI() override;
  // The active child frame's route (which ends with this frame), else this frame's.
  void GetCommandRoute(std::vector<CommandTarget*>& route) override;

 private:
  friend class MdiChildWnd;
  void ChildGone(MdiChildWnd& child);
  void UpdateTitle();

  std::string baseTitle_;
  MdiChildWnd* activeChild_ = nullptr;
};

class MdiChildWnd : public FrameWnd {
 public:
  ~MdiChildWnd() override { DestroyWindow(); }
  MdiFrameWnd* GetMdiFrame() const;
  void GetCommandRoute(std::vector<CommandTarget*>& route) override;

 protected:
  // Closing the frame that shows a document's last view closes the document.
  void OnClose() override;
  void OnDestroy() override;
};

}  // namespace pf
