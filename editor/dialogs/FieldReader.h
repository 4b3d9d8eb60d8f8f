#pragma once
// The validation protocol of the dialogs: a dialog declares its value fields in a table of
// rows (control id, the member it fills, error caption, rule), read in table order; each
// field is stored as soon as it passes, and the dialog sets back what it keeps when its OK is
// refused (pf::Dialog::KeepOnRefusal), so that a refused OK stores nothing.
// A bad text shows the first queued message in a box under the field's caption, and the queue
// is cleared; a number the rule refuses shows the rule's message under the same caption.
// Rows of value edits read as those do: the whole text, the value class's caption, a beep.
// After the box the refused field has the focus with its whole text selected, as on entry, so
// that what the user types next replaces the text rather than joining it.

#include <functional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "basics/ui/ValueEdit.h"
#include "editor/dialogs/TControl.h"
#include "pf/dialog.h"

// The text without its leading blanks and tabs, as several dialogs show the values.
std::string WithoutLeadingBlanks(const MyStrng& text);

// The ids of table rows shown or read in a dialog whose template has no such control: a fault
// of the program, which the user would meet as a field that never fills and always reads empty.
// They are noted (in the order met) rather than reported, so that a check over every dialog
// finds them.
std::vector<int>& FieldsWithoutControl();
void NoteIfWithoutControl(const pf::Dialog& dialog, int id);

// What a field's number must be before it is stored; without a test any number passes. A
// rule may name the next one that the number must pass, with a message of its own.
struct FieldRule {
  bool (*accepts)(double) = nullptr;
  const char* message = nullptr;
  const FieldRule* next = nullptr;
};

template <class S>
struct Field;

class FieldReader {
 public:
  // Typed keeps the text as entered; Normalised remakes it from the number.
  enum class Store { Typed, Normalised };
  // The refusal of a width, gap, length or board size that is not above 0.
  static constexpr const char* kNotPositive = "Wert muss größer als 0 sein";

  // beep: whether the dialog beeps before the boxes of bad texts and refused numbers.
  FieldReader(pf::Dialog& owner, bool beep) : owner(owner), beep(beep) {}

  // The rows in order, each from its control; false at the first refusal, with the rows
  // before it stored.
  template <class S>
  bool ReadFields(std::span<const Field<std::type_identity_t<S>>> rows, S& target) {
    for (const Field<S>& row : rows) {
      if (!row.read(*this, target, row)) return false;
    }
    return true;
  }

  // The row's control into target (unchanged when refused) and its number.
  template <bool kValueEdit, class W, class S>
  bool ReadRow(const Field<S>& row, W& target, double& number) {
    W read;
    NoteIfWithoutControl(owner, row.id);
    if constexpr (kValueEdit) {
      if (!ValueEdit(owner.GetDlgItem(row.id)).GetValue(read)) return TakeBack(row.id);
      number = Number(read);
    } else {
      read = W(CutToReadBuffer(owner.GetDlgItemText(row.id)).c_str());
      if (!Parse(read, row.caption, number, row.id)) return false;
    }
    // A remade text keeps four digits: the rule judges the value stored.
    W stored = row.store == Store::Typed ? read : Normalised(read, number);
    if (row.store == Store::Normalised) number = Number(stored);
    if (!Check(number, row.caption, row.rule, row.id)) return false;
    target = stored;
    return true;
  }

  // The text of the control id, which no table holds, read as a row would.
  template <class W>
  bool Read(int id, W& target, const char* caption) {
    W read(CutToReadBuffer(owner.GetDlgItemText(id)).c_str());
    double number = 0.0;
    if (!Parse(read, caption, number, id)) return false;
    target = read;
    return true;
  }

  // Shows the message under the caption (after a beep when asked), then gives the refused
  // field (a control id; 0 for none) the focus back; always false.
  bool Refuse(const std::string& message, const char* caption, bool withBeep, int field = 0);
  // The field takes the focus back with its whole text selected, when it can take the focus at
  // all; always false.
  bool TakeBack(int field);

 private:
  template <class W>
  bool Parse(W& read, const char* caption, double& number, int field) {
    // What the text reports refuses it, as every value class reports through the queue; what
    // others queued before waits for the error window.
    const VS_ErrorMark mark;
    read.CheckSyntax();
    if (mark.Any()) {
      Refuse(mark.First().ToCString(), caption, beep, field);
      mark.Drop();
      return false;
    }
    number = Number(read);
    return true;
  }
  bool Check(double number, const char* caption, const FieldRule& rule, int field) {
    for (const FieldRule* r = &rule; r != nullptr; r = r->next) {
      if (r->accepts != nullptr && !r->accepts(number)) {
        return Refuse(r->message, caption, beep, field);
      }
    }
    return true;
  }

  static double Number(WertMitDim& value) { return value.Value(); }
  static double Number(FloatWert& value) { return value.Value(false); }
  static double Number(IntegerWert& value) { return static_cast<double>(value.Value()); }
  template <class W>
  static W Normalised(const W&, double number) {
    return W(number);
  }
  // Turn counts are always kept as typed.
  static IntegerWert Normalised(const IntegerWert& value, double) { return value; }

  pf::Dialog& owner;
  bool beep;
};

// A number above 0, refused with message.
constexpr FieldRule Positive(const char* message = FieldReader::kNotPositive) {
  return {[](double x) { return x > 0.0; }, message};
}
// A number other than 0, refused with message.
constexpr FieldRule NotZero(const char* message) {
  return {[](double x) { return x != 0.0; }, message};
}
// A number of 0 or above (a loss: below 0 a passive element would amplify), refused with
// message.
constexpr FieldRule NotNegative(const char* message = "Wert darf nicht negativ sein") {
  return {[](double x) { return x >= 0.0; }, message};
}
// A number of 1 or above (a relative permittivity), refused with message.
constexpr FieldRule AtLeastOne(const char* message = "Wert muss mindestens 1 sein") {
  return {[](double x) { return x >= 1.0; }, message};
}

// One row of a dialog's field table over the target S (a symbol, settings, or the dialog's
// own values); made by Fields<S>.
template <class S>
struct Field {
  int id;
  const char* caption;
  FieldRule rule;
  FieldReader::Store store;
  bool (*read)(FieldReader& reader, S& target, const Field& row);
  // The stored value as its edit shows it.
  MyStrng (*value)(S& target);
};

template <class S>
struct Fields {
  using Store = FieldReader::Store;

  // A value object: a member, or a member function that gives it; the copies are members that
  // take the same value (a symmetric width).
  template <auto Member, auto... Copies>
  static constexpr Field<S> Value(int id, const char* caption, FieldRule rule = {},
                                  Store store = Store::Typed) {
    return ValueRow<false, Member, Copies...>(id, caption, rule, store);
  }
  // A value object in a value edit, refused under the edit's caption.
  template <auto Member>
  static constexpr Field<S> Edit(int id, FieldRule rule = {}) {
    return ValueRow<true, Member>(id, kEditCaption<ValueOf<Member>>, rule, Store::Typed);
  }

  // A plain number member read and shown through the value class W; a setter Set(S&, double),
  // when given, stores it instead of an assignment.
  template <class W, auto Member, auto Set = nullptr>
  static constexpr Field<S> Number(int id, const char* caption, FieldRule rule = {}) {
    return NumberRow<false, W, Member, Set>(id, caption, rule);
  }
  // A plain number in the value edit of W.
  template <class W, auto Member, auto Set = nullptr>
  static constexpr Field<S> EditNumber(int id, FieldRule rule = {}) {
    return NumberRow<true, W, Member, Set>(id, kEditCaption<W>, rule);
  }

 private:
  template <auto Member>
  using ValueOf = std::remove_cvref_t<std::invoke_result_t<decltype(Member), S&>>;

  template <bool kValueEdit, auto Member, auto... Copies>
  static constexpr Field<S> ValueRow(int id, const char* caption, FieldRule rule, Store store) {
    return {id, caption, rule, store,
            [](FieldReader& reader, S& s, const Field<S>& row) {
              auto& value = std::invoke(Member, s);
              double number = 0.0;
              if (!reader.ReadRow<kValueEdit>(row, value, number)) return false;
              ((s.*Copies = value), ...);
              return true;
            },
            [](S& s) { return MyStrng(std::invoke(Member, s)); }};
  }

  template <bool kValueEdit, class W, auto Member, auto Set>
  static constexpr Field<S> NumberRow(int id, const char* caption, FieldRule rule) {
    return {id, caption, rule, Store::Typed,
            [](FieldReader& reader, S& s, const Field<S>& row) {
              W read;
              double number = 0.0;
              if (!reader.ReadRow<kValueEdit>(row, read, number)) return false;
              if constexpr (std::is_null_pointer_v<decltype(Set)>) {
                s.*Member = static_cast<std::remove_cvref_t<decltype(s.*Member)>>(number);
              } else {
                Set(s, number);
              }
              return true;
            },
            [](S& s) { return MyStrng(W(s.*Member)); }};
  }
};

// How a table's values appear in their edits.
enum class FieldText { AsStored, WithoutLeadingBlanks };

// Fills the rows' edits from the target; a limit above 0 also bounds what the user types.
template <class S>
void ShowFields(pf::Dialog& dialog, std::span<const Field<std::type_identity_t<S>>> rows,
                S& target, FieldText form = FieldText::AsStored, int limit = 0) {
  for (const Field<S>& row : rows) {
    NoteIfWithoutControl(dialog, row.id);
    const MyStrng value = row.value(target);
    const std::string text =
        form == FieldText::AsStored ? value.ToCString() : WithoutLeadingBlanks(value);
    if (limit > 0) {
      TEdit(&dialog, row.id, limit).SetText(text);
    } else {
      dialog.SetDlgItemText(row.id, text);
    }
  }
}

// The rows filled as ShowFields fills them when shown, else their edits blanked (a limit above 0
// bounds them all the same); a blanked row whose control is missing goes unnoted.
template <class S>
void ShowOrClearFields(pf::Dialog& dialog, std::span<const Field<std::type_identity_t<S>>> rows,
                       S& target, bool shown, FieldText form = FieldText::AsStored,
                       int limit = 0) {
  if (shown) {
    ShowFields(dialog, rows, target, form, limit);
    return;
  }
  for (const Field<S>& row : rows) {
    if (limit > 0) {
      TEdit(&dialog, row.id, limit).SetText("");
    } else {
      dialog.SetDlgItemText(row.id, "");
    }
  }
}
