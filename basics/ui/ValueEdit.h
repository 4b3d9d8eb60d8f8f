#pragma once
// Reads an edit control's text into a value object: the value's class checks the text, which is
// refused (beep, message box, queue cleared) when the error queue then holds any message, also
// one that earlier work left there.

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "pf/window.h"

// The caption under which the edit of a value class refuses a text.
template <class Value>
inline constexpr const char* kEditCaption = nullptr;
template <>
inline constexpr const char* kEditCaption<LaeWert> = "Fehler LaeEdit:";
template <>
inline constexpr const char* kEditCaption<ResWert> = "Fehler ResEdit:";
template <>
inline constexpr const char* kEditCaption<CapWert> = "Fehler CapEdit:";
template <>
inline constexpr const char* kEditCaption<SpanWert> = "Fehler SpanEdit:";
template <>
inline constexpr const char* kEditCaption<StromWert> = "Fehler StromEdit:";
template <>
inline constexpr const char* kEditCaption<FloatWert> = "Fehler FloatEdit:";
template <>
inline constexpr const char* kEditCaption<RBitWert> = "Fehler RBitEdit:";
template <>
inline constexpr const char* kEditCaption<FreqWert> = "Fehler FreqEdit:";
template <>
inline constexpr const char* kEditCaption<TimWert> = "Fehler TimEdit:";

class ValueEdit {
 public:
  // A dialog's control as looked up by id; a missing one (nullptr) reads as "".
  explicit ValueEdit(pf::Window* control) : control_(control) {}

  // True and the value taken over (text, error code, exponent flag); false and the value
  // unchanged when the input is refused. For the value classes with a caption above.
  template <class Value>
  bool GetValue(Value& value);

 private:
  pf::Window* control_;
};
