#pragma once
// Dialogs built from templates, modal or modeless. A dialog creates its controls from the
// template when its window is created, then runs OnInitDialog; when that returns true, the first
// stop of the tab order gets the focus. Controls are looked up by id on every use; reading a
// control that the template lacks gives "" or 0 and writing it does nothing.
//
// The keyboard, as the platform's dialogs take it: Tab and Shift+Tab move the focus through the
// controls in template order, the arrows move within a radio group, Space clicks a focused button
// or check box, Enter clicks a focused push button, else the default push button, else OK;
// Escape is Cancel.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pf/dialog_template.h"
#include "pf/window.h"

namespace pf {

class Dialog : public Window {
 public:
  // The parent becomes the owner of the dialog; without one, a modal dialog is owned by the
  // application's main window.
  explicit Dialog(int templateId, Window* parent = nullptr);
  explicit Dialog(std::string templateName, Window* parent = nullptr);

  // Creates the dialog, shows it centred over its owner, disables the owner's top-level window
  // with the top-level windows that it owns, and runs the modal loop. Returns the EndDialog
  // value; -1 when the template is missing.
  int DoModal();
  // Modeless: creates the dialog, which stays hidden until ShowWindow; false when the template
  // is missing. nullptr keeps the parent given to the constructor.
  bool Create(Window* parent = nullptr);
  // A modal loop returns the result; a modeless dialog is hidden.
  void EndDialog(int result);
  bool HasEnded() const { return ended_; }
  bool IsModal() const { return modal_; }

  int GetTemplateId() const { return templateId_; }
  const std::string& GetTemplateName() const { return templateName_; }
  // How scripts and messages name the dialog: "262", the template's name, or the caption of a
  // dialog without a template (a property sheet).
  std::string TemplateLabel() const;
  // nullptr when the registry lacks it.
  const DialogTemplate* FindTemplate() const;

  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }

  template <class T>
  T* GetControl(int id) const {
    return dynamic_cast<T*>(GetDlgItem(id));
  }
  std::string GetDlgItemText(int id) const;
  void SetDlgItemText(int id, std::string_view text);
  int IsDlgButtonChecked(int id) const;
  void CheckDlgButton(int id, int check);
  // Checks checkId and clears every other button with an id in first..last.
  void CheckRadioButton(int firstId, int lastId, int checkId);

  // Focuses the next (previous) stop after the focused window, round the end; the first (last)
  // when the focus is on none. The tab order is the template's, a page's controls at its place.
  void FocusNextStop(bool backward = false);
  void FocusFirstStop();
  // Tab, Shift+Tab, Space, Enter, Escape and, on a radio button, the arrow keys; a page leaves
  // them to its sheet.
  bool TranslateAccelerator(int key, unsigned modifiers) override;

  // What the dialog edits, for an OK that refuses a field to store nothing: before each OK,
  // take() notes the target and gives what sets it back, which runs when the OK leaves the
  // dialog open. Buttons that act at once are not undone by a later refusal.
  using Restore = std::function<void()>;
  void KeepOnRefusal(std::function<Restore()> take) { keepers_.push_back(std::move(take)); }
  // The same for a target that a copy restores.
  template <class T>
  void KeepCopyOnRefusal(T& target) {
    KeepOnRefusal([&target] { return Restore([&target, saved = target] { target = saved; }); });
  }

  // OK and Cancel buttons end the dialog through OnOK and OnCancel; an OK that leaves the
  // dialog open sets back what it keeps.
  bool OnCommand(int id, Notification code) override;
  ColorRef GetBackgroundColor() const override;

 protected:
  // A dialog whose template is not in the registry (a property sheet builds its own).
  explicit Dialog(Window* parent);
  void SetOwnTemplate(const DialogTemplate* t) { ownTemplate_ = t; }
  // Builds the window and its controls and runs OnInitDialog: top-level over owner, or as a
  // child of parent at origin (property pages).
  bool Build(Window* owner, Window* parent, Point origin);
  // Closing the window is Cancel.
  void OnClose() override { OnCancel(); }
  // What the kept targets are now, restorers in the order to run them.
  std::vector<Restore> TakeKept() const;
  static void RunRestores(std::vector<Restore>& restores);

 private:
  // Within a radio group the arrows move the check with the focus, as the group is one stop of
  // Tab. Lists, combo boxes and multi-line edits take them, a line edit moves its caret left and
  // right; elsewhere they do nothing, so the focus never leaves the order. True when taken.
  bool ArrowKey(int key, Window* focus);

  int templateId_ = 0;
  std::string templateName_;
  const DialogTemplate* ownTemplate_ = nullptr;
  Window* parentGiven_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = 0;
  std::vector<std::function<Restore()>> keepers_;
};

}  // namespace pf
