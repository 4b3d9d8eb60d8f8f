#pragma once
// Wrappers of a dialog's controls by id. The control is looked up in the dialog on every use,
// so a wrapper may exist before the dialog's window does; when the template lacks the control,
// writing does nothing and reading gives "" or unchecked.

#include <string>

#include "pf/controls.h"
#include "pf/dialog.h"

// The dialogs read texts into an 80-character buffer, and their edits take as many.
constexpr int kReadBuffer = 80;

// A text as the dialogs read it: at most 79 characters, as into the read buffer.
std::string CutToReadBuffer(std::string text);

class TControl {
 public:
  TControl(pf::Dialog* parent, int id) : parent(parent), id(id) {}

  // nullptr while the dialog has no such control.
  pf::Window* GetControl();

 protected:
  pf::Dialog* parent;
  int id;
  pf::Window* control = nullptr;
};

class TEdit : public TControl {
 public:
  // Once the edit is filled, the limit also bounds what the user types.
  TEdit(pf::Dialog* parent, int id, int textLimit) : TControl(parent, id), textLimit(textLimit) {}

  void SetText(const std::string& text);
  std::string GetText();  // cut as CutToReadBuffer

 private:
  int textLimit;
};

class TGroupBox : public TControl {
 public:
  using TControl::TControl;
};

// The group box is accepted for the dialogs' sake and not kept.
class TCheckBox : public TControl {
 public:
  TCheckBox(pf::Dialog* parent, int id, TGroupBox* group = nullptr) : TControl(parent, id) {
    (void)group;
  }

  void Check();
  void Uncheck();
  int GetCheck();
};

class TRadioButton : public TCheckBox {
 public:
  using TCheckBox::TCheckBox;
};

class TComboBox : public TControl {
 public:
  static constexpr int kTextLimit = 81;
  using TControl::TControl;

  void ClearList();
  int AddString(const std::string& text);  // -1 without the control
  // Selects the entry equal to text (a stored name), never one it only begins; with none
  // equal nothing is selected.
  void SetSelString(const std::string& text);
  // The selected item, cut as a read; "" without a selection or a control.
  std::string GetSelString();

 private:
  pf::ComboBox* Combo();
};
