#include "pf/ui_services.h"

namespace pf {
namespace {

UiServices* installed = nullptr;

template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

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

std::optional<std::string> ScriptedUiServices::FileDialog(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  return Next(fileAnswers_);
}

std::optional<ColorRef> ScriptedUiServices::ColorDialog(ColorRef initial) {
  colorDialogs_.push_back(initial);
  return Next(colorAnswers_);
}

void ScriptedUiServices::Reset() {
  answers_.clear();
  messages_.clear();
  beeps_.clear();
  fileAnswers_.clear();
  fileDialogs_.clear();
  colorAnswers_.clear();
  colorDialogs_.clear();
  screen_ = {1280, 1024};
}

ScriptedUiServices& TheScriptedUiServices() {
  static ScriptedUiServices scripted;
  return scripted;
}

UiServices& TheUiServices() { return installed ? *installed : TheScriptedUiServices(); }

void InstallUiServices(UiServices* services) { installed = services; }

}  // namespace pf
