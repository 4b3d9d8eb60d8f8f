#include "pf/ui_services.h"

#include <filesystem>
#include <memory>

#include "pf/path_map.h"
#include "pf/process.h"

namespace pf {
namespace {

UiServices* installed = nullptr;

// Viewers started for help files, with the file each shows; a child still running when the
// program ends goes with it.
struct HelpViewer {
  std::unique_ptr<Process> process;
  std::string path;
};

std::vector<HelpViewer>& HelpViewers() {
  static std::vector<HelpViewer> viewers;
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
  if (OpenHelpFile(mapped)) return true;
  HelpNotShown(mapped);
  return false;
}

void UiServices::HelpNotShown(const std::string& path) {
  MessageBox("Die Hilfe kann nicht angezeigt werden.\nHilfedatei: " + path, "Hilfe",
             MsgButtons::Ok, MsgIcon::Error);
}

void UiServices::CheckHelpViewers() {
  std::vector<std::string> failed;
  std::erase_if(HelpViewers(), [&failed](HelpViewer& v) {
    const Process::State state = v.process->Poll();
    if (state == Process::State::Running) return false;
    if (state != Process::State::Exited || v.process->ExitCode() != 0) failed.push_back(v.path);
    return true;
  });
  // The boxes come once the list is settled: their modal loops may run idle work again.
  for (const std::string& path : failed) HelpNotShown(path);
}

bool UiServices::OpenHelpFile(const std::string& path) {
  // The viewer may hand the file to a program of the desktop, which stays.
  auto viewer = std::make_unique<Process>(Process::Leftovers::Keep);
  if (!viewer->Start({"xdg-open", path}, std::filesystem::path(path).parent_path().string())) {
    return false;
  }
  HelpViewers().push_back({std::move(viewer), path});
  return true;
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
