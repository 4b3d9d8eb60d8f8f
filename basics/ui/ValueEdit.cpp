#include "basics/ui/ValueEdit.h"

#include "basics/VS_Error.h"

template <class Value>
bool ValueEdit::GetValue(Value& value) {
  const char* caption = kEditCaption<Value>;
  const std::string text = control_ != nullptr ? control_->GetWindowText() : std::string();
  Value read(text.c_str());
  // Only what this text reports refuses it; what others queued before waits for the error
  // window.
  const VS_ErrorMark mark;
  read.CheckSyntax();
  if (!mark.Any()) {
    value = read;
    return true;
  }
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  const std::string message = mark.First().ToCString();
  if (control_ != nullptr) {
    control_->MessageBox(message, caption);
  } else {
    pf::TheUiServices().MessageBox(message, caption, pf::MsgButtons::Ok, pf::MsgIcon::None);
  }
  mark.Drop();
  return false;
}

template bool ValueEdit::GetValue(LaeWert&);
template bool ValueEdit::GetValue(ResWert&);
template bool ValueEdit::GetValue(CapWert&);
template bool ValueEdit::GetValue(SpanWert&);
template bool ValueEdit::GetValue(StromWert&);
template bool ValueEdit::GetValue(FloatWert&);
template bool ValueEdit::GetValue(RBitWert&);
template bool ValueEdit::GetValue(FreqWert&);
template bool ValueEdit::GetValue(TimWert&);
