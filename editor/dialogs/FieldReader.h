#pragma once
// The validation protocol of the dialogs: a dialog declares its value fields in a table of
// rows (control id, the member it fills, error caption, rule), read in table order; each
// field is stored as soon as it passes, so a refused OK keeps the fields before the bad one.
// A bad text shows the first queued message in a box under the field's caption, and the queue
// is cleared; a number the rule refuses shows the rule's message under the same caption.

#include <span>
#include <string>
#include <type_traits>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/dialogs/TControl.h"
#include "pf/dialog.h"

// The text without its leading blanks and tabs, as several dialogs show the values.
std::string WithoutLeadingBlanks(const MyStrng& text);

// What a field's number must be before it is stored; without a test any number passes.
struct FieldRule {
  bool (*accepts)(double) = nullptr;
  const char* message = nullptr;
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
      if (!row.read(*this, owner.GetDlgItemText(row.id), target, row)) return false;
    }
    return true;
  }

  // A value object; a number the rule refuses is not stored (the symbols would divide by it).
  template <class W>
  bool Read(const std::string& text, W& target, const char* caption, Store store = Store::Typed,
            FieldRule rule = {}) {
    W read(CutToReadBuffer(text).c_str());
    double number = 0.0;
    if (!Parse(read, caption, number) || !Check(number, caption, rule)) return false;
    target = store == Store::Typed ? read : Normalised(read, number);
    return true;
  }

  // For targets that keep plain numbers.
  template <class W>
  bool ReadNumber(const std::string& text, double& number, const char* caption,
                  FieldRule rule = {}) {
    W read(CutToReadBuffer(text).c_str());
    return Parse(read, caption, number) && Check(number, caption, rule);
  }

  // Shows the message under the caption (after a beep when asked); always false.
  bool Refuse(const std::string& message, const char* caption, bool withBeep);

 private:
  template <class W>
  bool Parse(W& read, const char* caption, double& number) {
    read.CheckSyntax();
    // The queue decides, as every value class reports through it.
    if (VS_Error::MessageCount() > 0) {
      Refuse(VS_Error::GetFirstMessage().ToCString(), caption, beep);
      VS_Error::ClearQueue();
      return false;
    }
    number = Number(read);
    return true;
  }
  bool Check(double number, const char* caption, FieldRule rule) {
    return rule.accepts == nullptr || rule.accepts(number) || Refuse(rule.message, caption, beep);
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

// One row of a dialog's field table over the target S (a symbol, settings, or the dialog's
// own values); made by Fields<S>.
template <class S>
struct Field {
  int id;
  const char* caption;
  FieldRule rule;
  FieldReader::Store store;
  bool (*read)(FieldReader& reader, const std::string& text, S& target, const Field& row);
  // The stored value as its edit shows it.
  MyStrng (*value)(const S& target);
};

template <class S>
struct Fields {
  using Store = FieldReader::Store;

  // A value object member; the copies take the same value (a symmetric width).
  template <auto Member, auto... Copies>
  static constexpr Field<S> Value(int id, const char* caption, FieldRule rule = {},
                                  Store store = Store::Typed) {
    return {id, caption, rule, store,
            [](FieldReader& reader, const std::string& text, S& s, const Field<S>& row) {
              if (!reader.Read(text, s.*Member, row.caption, row.store, row.rule)) return false;
              ((s.*Copies = s.*Member), ...);
              return true;
            },
            [](const S& s) { return MyStrng(s.*Member); }};
  }

  // A plain number member read and shown through the value class W; a setter Set(S&, double),
  // when given, stores it instead of an assignment.
  template <class W, auto Member, auto Set = nullptr>
  static constexpr Field<S> Number(int id, const char* caption, FieldRule rule = {}) {
    return {id, caption, rule, Store::Typed,
            [](FieldReader& reader, const std::string& text, S& s, const Field<S>& row) {
              double number = 0.0;
              if (!reader.ReadNumber<W>(text, number, row.caption, row.rule)) return false;
              if constexpr (std::is_null_pointer_v<decltype(Set)>) {
                s.*Member = static_cast<std::remove_cvref_t<decltype(s.*Member)>>(number);
              } else {
                Set(s, number);
              }
              return true;
            },
            [](const S& s) { return MyStrng(W(static_cast<double>(s.*Member))); }};
  }
};

// How a table's values appear in their edits.
enum class FieldText { AsStored, WithoutLeadingBlanks };

// Fills the rows' edits from the target; a limit above 0 also bounds what the user types.
template <class S>
void ShowFields(pf::Dialog& dialog, std::span<const Field<std::type_identity_t<S>>> rows,
                const S& target, FieldText form = FieldText::AsStored, int limit = 0) {
  for (const Field<S>& row : rows) {
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
