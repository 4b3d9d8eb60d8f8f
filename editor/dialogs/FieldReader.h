#pragma once
// The validation protocol of the element dialogs: the fields are read in a fixed order and
// each is stored as soon as it passes, so a refused OK keeps the fields before the bad one.
// A bad text shows the first queued message in a box under the field's caption, and the queue
// is cleared.

#include <string>

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/dialogs/TControl.h"
#include "pf/window.h"

// The text without its leading blanks and tabs, as several dialogs show the values.
std::string WithoutLeadingBlanks(const MyStrng& text);

class FieldReader {
 public:
  // Typed keeps the text as entered; Normalised remakes it from the number.
  enum class Store { Typed, Normalised };
  // The refusal of a width, gap, length or board size that is not above 0.
  static constexpr const char* kNotPositive = "Wert muss größer als 0 sein";

  // beep: whether the dialog beeps before the boxes of bad texts.
  FieldReader(pf::Window& owner, bool beep) : owner(owner), beep(beep) {}

  // With notPositive given, a number not above 0 is refused with that message (under the same
  // caption) and not stored: the symbols would divide by it.
  template <class W>
  bool Read(const std::string& text, W& target, const char* caption, Store store = Store::Typed,
            const char* notPositive = nullptr) {
    W read(CutToReadBuffer(text).c_str());
    double number = 0.0;
    if (!Parse(read, caption, number)) return false;
    if (notPositive != nullptr && !(number > 0.0)) return Refuse(notPositive, caption, beep);
    target = store == Store::Typed ? read : Normalised(read, number);
    return true;
  }

  // For symbols that keep plain numbers.
  template <class W>
  bool ReadNumber(const std::string& text, double& number, const char* caption) {
    W read(CutToReadBuffer(text).c_str());
    return Parse(read, caption, number);
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

  static double Number(WertMitDim& value) { return value.Value(); }
  static double Number(FloatWert& value) { return value.Value(false); }
  static double Number(IntegerWert& value) { return static_cast<double>(value.Value()); }
  template <class W>
  static W Normalised(const W&, double number) {
    return W(number);
  }
  // Turn counts are always kept as typed.
  static IntegerWert Normalised(const IntegerWert& value, double) { return value; }

  pf::Window& owner;
  bool beep;
};
