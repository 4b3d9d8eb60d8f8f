#include "pf/ui_services.h"

#include <filesystem>
#include <memory>

#include "pf/path_map.h"
#include "pf/process.h"

namespace pf {
namespace {

UiServices* installed = nullptr;

// Viewers started for help files; a child still running when the program ends goes with it.
std::vector<std::unique_ptr<Process>>& HelpViewers() {
  static std::vector<std::unique_ptr<Process>> viewers;
  return viewers;
}

template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

bool UiServices::ShowHelp(const std::string& path) {
  const std::string mapped = MapWindowsPath(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(mapped, ec)) {
    MessageBox("Hilfedatei nicht gefunden: " + mapped, "Hilfe", MsgButtons::Ok, MsgIcon::Error);
    return false;
  }
  OpenHelpFile(mapped);
  return true;
}

void UiServices::OpenHelpFile(const std::string& path) {
  auto& viewers = HelpViewers();
  std::erase_if(viewers, [](const auto& p) { return p->Poll() != Process::State::Running; });
  // The viewer may hand the file to a program of the desktop, which stays.
  auto viewer = std::make_unique<Process>(Process::Leftovers::Keep);
  if (viewer->Start({"xdg-open", path}, std::filesystem::path(path).parent_path().string())) {
    viewers.push_back(std::move(viewer));
  }
}

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
  helpFiles_.clear();
  sounds_.clear();
  screen_ = {1280, 1024};
}

ScriptedUiServices& TheScriptedUiServices() {
  static ScriptedUiServices scripted;
  return scripted;
}

UiServices& TheUiServices() { return installed ? *installed : TheScriptedUiServices(); }

void InstallUiServices(UiServices* services) { installed = services; }

}  // namespace pf
