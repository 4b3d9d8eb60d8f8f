#include "pf/ui_services.h"

namespace pf {
namespace {

UiServices* installed = nullptr;

}  // namespace

MsgResult ScriptedUiServices::SafeAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
    default: return MsgResult::Cancel;
  }
}

bool ScriptedUiServices::CanAnswer(MsgButtons buttons, MsgResult answer) {
  using R = MsgResult;
  switch (buttons) {
    case MsgButtons::Ok: return answer == R::Ok;
    case MsgButtons::OkCancel: return answer == R::Ok || answer == R::Cancel;
    case MsgButtons::YesNo: return answer == R::Yes || answer == R::No;
    case MsgButtons::YesNoCancel: return answer == R::Yes || answer == R::No || answer == R::Cancel;
    case MsgButtons::RetryCancel: return answer == R::Retry || answer == R::Cancel;
    case MsgButtons::AbortRetryIgnore:
      return answer == R::Abort || answer == R::Retry || answer == R::Ignore;
  }
  return false;
}

MsgResult ScriptedUiServices::MessageBox(const std::string& text, const std::string& caption,
                                         MsgButtons buttons, MsgIcon icon) {
  MsgResult answer = SafeAnswer(buttons);
  if (!answers_.empty()) {
    if (CanAnswer(buttons, answers_.front())) answer = answers_.front();
    answers_.pop_front();
  }
  messages_.push_back({text, caption, buttons, icon, answer});
  return answer;
}

void ScriptedUiServices::Beep(BeepKind kind) { beeps_.push_back(kind); }

void ScriptedUiServices::Reset() {
  answers_.clear();
  messages_.clear();
  beeps_.clear();
}

ScriptedUiServices& TheScriptedUiServices() {
  static ScriptedUiServices scripted;
  return scripted;
}

UiServices& TheUiServices() { return installed ? *installed : TheScriptedUiServices(); }

void InstallUiServices(UiServices* services) { installed = services; }

}  // namespace pf
