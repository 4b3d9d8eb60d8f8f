#pragma once
// Frames: the main frame of a multiple-document program, the child frames that hold views,
// their menus, toolbars and status bar. A frame hands commands along the route active view, its
// document, the frame(s), the application; menu items take their state from the same route
// before their popup opens, toolbar buttons in idle time.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pf/bitmap.h"
#include "pf/command.h"
#include "pf/menu.h"
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
  Bitmap picture;
  std::string toolTip;
};

class ToolBar : public Window {
 public:
  static constexpr int kButtonSize = 23;
  static constexpr int kSeparatorWidth = 8;
  static constexpr int kBorder = 2;

  void SetButtons(std::vector<ToolButton> buttons);
  const std::vector<ToolButton>& Buttons() const { return buttons_; }
  void SetButtonStyle(int index, ToolStyle style, bool wrap = false);
  // Where a button sits (rows broken after wrap buttons and where the bar's width ends, so
  // that every button stays in sight); the index at a point, or -1.
  Rect ButtonRect(int index) const;
  int ButtonAt(Point p) const;
  // The height the rows of buttons need, at the bar's width or at another.
  int BarHeight() const { return BarHeight(GetRect().Width()); }
  int BarHeight(int width) const;
  // Every button but the separators asks the frame's command route for its state.
  void UpdateButtons();
  // The user presses a button: a disabled one does nothing; a check button toggles, a
  // check-group button goes down and the others of its run of check-group buttons up; then the
  // frame runs the command.
  bool PressButton(int index);

 protected:
  // The frame's status bar shows the prompt of the button under the mouse; a click presses it.
  void OnMouseMove(unsigned flags, Point p) override;
  void OnLButtonUp(unsigned flags, Point p) override;
  void OnDestroy() override;

 private:
  Rect Place(int index, int width) const;

  std::vector<ToolButton> buttons_;
};

// The bar at the bottom of a frame; its window text is the message shown.
class StatusBar : public Window {
 public:
  static constexpr int kHeight = 20;

 protected:
  void OnDestroy() override;
};

class FrameWnd : public Window {
 public:
  View* GetActiveView() const { return activeView_; }
  // With notify, both views hear OnActivateView.
  void SetActiveView(View* view, bool notify = true);
  virtual Document* GetActiveDocument() const;

  ToolBar& AddToolBar(int id, std::vector<ToolButton> buttons, const Rect& rect);
  // A toolbar from its table: pictures from the strip, tool tips from the string table. The
  // bar is laid out at the top; nullptr when the table lacks it.
  ToolBar* LoadToolBar(int id, int resourceId);
  std::vector<ToolBar*> ToolBars() const;
  StatusBar& AddStatusBar();
  StatusBar* GetStatusBar() const;
  // Shows or hides a bar and lays the frame out again.
  void ShowControlBar(Window& bar, bool show);
  // Toolbars at the top, the status bar at the bottom, every other child fills the rest.
  void RecalcLayout();
  Rect ClientArea() const;

  // The status bar tells the prompt of a command from the string table; 0 shows "Bereit".
  void ShowPrompt(int id);

  // Menu and accelerators of a resource number; false when the table lacks the menu.
  bool LoadMenu(int resourceId);
  // The menu shown now; nullptr without one.
  Menu* GetMenu();
  // Before a popup opens, each of its items asks the command route for its state.
  void InitMenuPopup(MenuItem& popup);
  // Opens the popups along a menu path as the user would; the item, or nullptr.
  MenuItem* OpenMenuPath(std::string_view path);
  // The user chooses an item: a popup, a separator or a disabled item does nothing.
  bool ChooseMenuItem(const MenuItem& item);
  bool TranslateAccelerator(int key, unsigned modifiers) override;

  // The command route, the application last.
  std::vector<CommandTarget*> CommandRoute();
  void UpdateCommand(CmdUI& ui);
  // The user chose a command (menu, accelerator, button): it runs only when it is enabled and
  // the frame takes input (no modal dialog over it).
  bool UserCommand(int id);
  // Idle time: the visible toolbars update their buttons.
  virtual void OnIdleUpdateCmdUI();

  bool OnCommand(int id, Notification code) override;

 protected:
  virtual void GetCommandRoute(std::vector<CommandTarget*>& route);
  // The command shows and hides the bar whose window id it is; its item is ticked while the bar
  // shows.
  void MapControlBarCommand(int id);
  // The resource number of the menu to show.
  virtual int ShownMenuId() const { return menuId_; }
  void OnSize(int cx, int cy) override;

 private:
  friend class ToolBar;
  friend class StatusBar;
  // A bar leaves the frame's list as it is destroyed.
  static void ForgetBar(Window& bar);

  View* activeView_ = nullptr;
  int menuId_ = 0;
  std::vector<Menu> menus_;
  // The control bars among the children, in the order they came: the layout reads them
  // without walking an MDI frame's child windows, however many are open.
  std::vector<Window*> bars_;
};

class MdiChildWnd;

class MdiFrameWnd : public FrameWnd {
 public:
  // Maps the bar commands of the toolbar (kIdViewToolBar) and the status bar
  // (kIdViewStatusBar), and "Neues Fenster" (kIdWindowNew), another window of the active
  // document.
  MdiFrameWnd();
  // The title shows the active document's window: "App - Document" ("App - Document:2" for the
  // second of its windows).
  void SetBaseTitle(std::string title);
  void UpdateFrameTitle();
  MdiChildWnd* MdiGetActive() const { return activeChild_; }
  // The menu follows the active document: its template's menu, or the frame's own.
  void MdiActivate(MdiChildWnd* child);
  Document* GetActiveDocument() const override;
  void OnIdleUpdateCmdUI() override;
  // The active child frame's route (which ends with this frame), else this frame's.
  void GetCommandRoute(std::vector<CommandTarget*>& route) override;

 protected:
  int ShownMenuId() const override;
  // The main window asks about every modified document first and closes them all.
  void OnClose() override;

 private:
  friend class MdiChildWnd;
  void ChildGone(MdiChildWnd& child);

  std::string baseTitle_;
  MdiChildWnd* activeChild_ = nullptr;
  int shownMenu_ = 0;
};

class MdiChildWnd : public FrameWnd {
 public:
  ~MdiChildWnd() override { DestroyWindow(); }
  MdiFrameWnd* GetMdiFrame() const;
  void GetCommandRoute(std::vector<CommandTarget*>& route) override;

 protected:
  // Closing the frame that shows a document's last view asks about a modified document and
  // closes it.
  void OnClose() override;
  void OnDestroy() override;
};

}  // namespace pf
