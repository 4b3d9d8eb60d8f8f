#pragma once
// Message boxes and beeps. The default answers from a script and records every call, so
// headless runs and tests never block; a desktop backend installs one that asks the user.

#include <deque>
#include <string>
#include <vector>

namespace pf {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Error, Question, Warning, Information };
enum class MsgResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
enum class BeepKind { Default, Error, Question, Warning, Information };

class UiServices {
 public:
  virtual ~UiServices() = default;
  virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                               MsgButtons buttons, MsgIcon icon) = 0;
  virtual void Beep(BeepKind kind) = 0;
};

class ScriptedUiServices : public UiServices {
 public:
  struct ShownMessage {
    std::string text;
    std::string caption;
    MsgButtons buttons;
    MsgIcon icon;
    MsgResult answer;
  };

  // A scripted answer that the buttons cannot give is replaced by the safe answer.
  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  void Beep(BeepKind kind) override;

  void QueueAnswer(MsgResult answer) { answers_.push_back(answer); }
  const std::vector<ShownMessage>& Messages() const { return messages_; }
  const std::vector<BeepKind>& Beeps() const { return beeps_; }
  void Reset();

  // The answer that changes nothing: Ok alone, otherwise Cancel, No or Abort.
  static MsgResult SafeAnswer(MsgButtons buttons);
  static bool CanAnswer(MsgButtons buttons, MsgResult answer);

 private:
  std::deque<MsgResult> answers_;
  std::vector<ShownMessage> messages_;
  std::vector<BeepKind> beeps_;
};

UiServices& TheUiServices();
// The scripted services that stand in until a backend installs its own.
ScriptedUiServices& TheScriptedUiServices();
// Installs services owned by the caller; nullptr restores the scripted ones.
void InstallUiServices(UiServices* services);

}  // namespace pf
