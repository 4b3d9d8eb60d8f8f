#pragma once
// Moves a value between an edit control and its value object. Writing sets the control's text;
// reading checks the text with the value's class and refuses it (beep, message box, queue
// cleared) when the error queue then holds any message, also one that earlier work left there.

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
  // A dialog's control as looked up by id; a missing one (nullptr) reads as "" and is not
  // written.
  explicit ValueEdit(pf::Window* control) : control_(control) {}

  // Every value class is a MyStrng.
  void SetValue(const MyStrng& value);

  // True and the value taken over (text, error code, exponent flag); false and the value
  // unchanged when the input is refused.
  bool GetValue(LaeWert& value);
  bool GetValue(ResWert& value);
  bool GetValue(CapWert& value);
  bool GetValue(SpanWert& value);
  bool GetValue(StromWert& value);
  bool GetValue(FloatWert& value);
  bool GetValue(RBitWert& value);
  bool GetValue(FreqWert& value);
  bool GetValue(TimWert& value);

 private:
  template <class Value>
  bool Read(Value& value);

  pf::Window* control_;
};
