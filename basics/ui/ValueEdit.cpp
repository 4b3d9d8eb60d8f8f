#include "basics/ui/ValueEdit.h"

#include "basics/VS_Error.h"

void ValueEdit::SetValue(const MyStrng& value) {
  if (control_ != nullptr) control_->SetWindowText(value.GetBuffer());
}

template <class Value>
bool ValueEdit::Read(Value& value) {
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

bool ValueEdit::GetValue(LaeWert& value) { return Read(value); }
bool ValueEdit::GetValue(ResWert& value) { return Read(value); }
bool ValueEdit::GetValue(CapWert& value) { return Read(value); }
bool ValueEdit::GetValue(SpanWert& value) { return Read(value); }
bool ValueEdit::GetValue(StromWert& value) { return Read(value); }
bool ValueEdit::GetValue(FloatWert& value) { return Read(value); }
bool ValueEdit::GetValue(RBitWert& value) { return Read(value); }
bool ValueEdit::GetValue(FreqWert& value) { return Read(value); }
bool ValueEdit::GetValue(TimWert& value) { return Read(value); }
