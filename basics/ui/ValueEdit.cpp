#include "basics/ui/ValueEdit.h"

#include "basics/VS_Error.h"

template <class Value>
bool ValueEdit::GetValue(Value& value) {
  const char* caption = kEditCaption<Value>;
  const std::string text = control_ != nullptr ? control_->GetWindowText() : std::string();
  Value read(text.c_str());
  read.CheckSyntax();
  // The queue decides, not the check: an earlier message fails the input as well.
  if (VS_Error::MessageCount() == 0) {
    value = read;
    return true;
  }
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  const std::string message = VS_Error::GetFirstMessage().ToCString();
  if (control_ != nullptr) {
    control_->MessageBox(message, caption);
  } else {
    pf::TheUiServices().MessageBox(message, caption, pf::MsgButtons::Ok, pf::MsgIcon::None);
  }
  VS_Error::ClearQueue();
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
