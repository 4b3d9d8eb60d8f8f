#pragma once
// The controls of dialogs. Each keeps its state in the model and tells its parent what the user
// did (OnCommand, OnDeltaPos, OnDrawItem). Operations named User... and Click/Spin are the user's
// input, as a backend or a headless script delivers it; they do nothing on a control that is
// hidden or disabled. The others are the program's and work on any control.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pf/bitmap.h"
#include "pf/dialog_template.h"
#include "pf/window.h"

namespace pf {

class Control : public Window {
 public:
  // The control for a template entry, not yet created.
  static std::unique_ptr<Control> Make(ControlKind kind, unsigned style);

  explicit Control(ControlKind kind, unsigned style = 0) : kind_(kind), style_(style) {}

  ControlKind Kind() const { return kind_; }
  unsigned Style() const { return style_; }
  bool HasStyle(unsigned flag) const { return (style_ & flag) != 0; }

 protected:
  bool TakesInput() const { return IsWindowVisible() && IsWindowEnabled(); }
  void NotifyParent(Notification code);

 private:
  ControlKind kind_;
  unsigned style_;
};

// Static text, and the owner-drawn static whose parent paints it.
class Static : public Control {
 public:
  using Control::Control;

 protected:
  void OnPaint(Dc& dc) override;
};

// A picture: the pixel map its text numbers, until the program sets another.
class StaticBitmap : public Control {
 public:
  using Control::Control;
  void SetBitmap(Bitmap bitmap);
  Bitmap GetBitmap() const;

 private:
  std::optional<Bitmap> bitmap_;
};

// Push buttons, automatic check boxes and radio buttons, group boxes.
class Button : public Control {
 public:
  using Control::Control;

  int GetCheck() const { return check_; }
  // Sets the state only: no notification, the rest of a radio group stays as it is.
  void SetCheck(int state);
  // A check box toggles; a radio button checks itself and clears the other radio buttons of its
  // group (the controls from a kStyleGroup control up to the next one). Then the parent hears
  // Clicked. Group boxes take no clicks.
  void Click();
  // A radio group is one stop of the keyboard's tab order: its checked button, or its first
  // when none is checked. Every other kind of button is a stop of its own.
  bool IsGroupStop() const;
  // The radio button of this one's group that an arrow key moves to: the next (previous) one
  // that is shown and enabled, round the group's end; this one when there is no other.
  Button& NeighbourInGroup(bool backward);

 private:
  // The sibling controls of this radio button's group: from the kStyleGroup control before it
  // (or the first sibling) up to the next kStyleGroup control.
  std::pair<std::size_t, std::size_t> GroupSpan() const;

  int check_ = 0;
};

class Edit : public Control {
 public:
  static constexpr int kDefaultLimit = 30000;
  using Control::Control;

  // The most characters the user can type; 0 restores the default. The program's
  // SetWindowText is not cut.
  void LimitText(int maxChars);
  int GetLimitText() const { return limit_; }
  // The user replaces the text: cut to the limit, refused when read-only.
  void UserType(std::string_view text);
  // The user types characters over the selection; the caret then stands behind them.
  void UserTypeChars(std::string_view chars);
  // The selection as byte offsets into the text; an end of -1 (or past the end) is the end.
  // Setting the text puts the caret at its start, as the platform does.
  void SetSel(int start, int end);
  int GetSelStart() const { return selStart_; }
  int GetSelEnd() const { return selEnd_; }
  bool IsAllSelected() const {
    return selStart_ == 0 && selEnd_ == static_cast<int>(GetWindowText().size());
  }
  // Read-only by its template's style or from now on; the program may still set the text.
  void SetReadOnly(bool readOnly);
  bool IsReadOnly() const { return readOnly_ || HasStyle(kStyleReadOnly); }

 protected:
  // Every change of the text is reported, the program's too.
  void OnTextSet() override;

 private:
  int limit_ = kDefaultLimit;
  bool readOnly_ = false;
  int selStart_ = 0;
  int selEnd_ = 0;
};

// The item list of list and combo boxes, in the order added. Indexes are 0-based; -1 is the
// platform's error and "no selection".
class ListControl : public Control {
 public:
  static constexpr int kErr = -1;
  using Control::Control;

  int AddString(std::string_view text);
  int InsertString(int index, std::string_view text);  // -1 appends; kErr past the end
  int DeleteString(int index);                         // the count left, or kErr
  void ResetContent();
  int GetCount() const { return static_cast<int>(items_.size()); }
  std::string GetText(int index) const;  // "" for an index out of range
  int GetCurSel() const { return sel_; }
  // -1 or an index out of range clears the selection; returns the index or kErr.
  int SetCurSel(int index);
  // The first item after start (-1: from the top), wrapping round, whose text begins with
  // prefix (FindString) or equals text (FindStringExact), without regard to case; or kErr.
  int FindString(int start, std::string_view prefix) const;
  int FindStringExact(int start, std::string_view text) const;
  // Selects FindString's item; on kErr the selection stays.
  int SelectString(int start, std::string_view prefix);
  // Selects the first item whose text equals text, case included; with none, nothing is
  // selected. Stored names are chosen so: the prefix search would take "ALU2" for "ALU".
  int SelectEqual(std::string_view text);
  // The user picks an item; the parent hears SelChanged.
  void UserSelect(int index);

 protected:
  // After the selection was set.
  virtual void SelectionSet() {}

 private:
  int Find(int start, std::string_view text, bool prefix) const;

  std::vector<std::string> items_;
  int sel_ = kErr;
};

class ListBox : public ListControl {
 public:
  using ListControl::ListControl;
  // Selects the item and tells the parent SelChanged, then DoubleClicked.
  void UserDoubleClick(int index);
};

// The text of a combo box is its edit field's, or the selected item's in a drop-down list.
class ComboBox : public ListControl {
 public:
  using ListControl::ListControl;
  // The user types into the edit field (not in a drop-down list); the parent hears EditChanged.
  void UserType(std::string_view text);

 protected:
  void SelectionSet() override;
};

class Progress : public Control {
 public:
  using Control::Control;
  void SetRange(int lower, int upper);
  // Kept within the range; returns the previous position.
  int SetPos(int pos);
  int GetPos() const { return pos_; }
  int GetLower() const { return lower_; }
  int GetUpper() const { return upper_; }

 private:
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
};

// The arrows tell the parent OnDeltaPos. The platform's default range runs from 100 down to 0,
// so the upper arrow moves the position by -1 and the lower one by +1: the delta signs the
// handlers test.
class UpDown : public Control {
 public:
  using Control::Control;
  void Spin(bool up);
};

}  // namespace pf
