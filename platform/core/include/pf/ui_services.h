#pragma once
// Message boxes, beeps, the common file and colour dialogs, synchronous sound, the screen size
// and the clock. The
// default answers from a script and records every call, so headless runs and tests never block;
// a desktop backend installs one that asks the user.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "pf/colour.h"
#include "pf/geometry.h"

namespace pf {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Error, Question, Warning, Information };
enum class MsgResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
enum class BeepKind { Default, Error, Question, Warning, Information };

// Options of the file dialog, with the platform's flag values.
inline constexpr unsigned kOfnOverwritePrompt = 0x2;
inline constexpr unsigned kOfnHideReadOnly = 0x4;
inline constexpr unsigned kOfnNoChangeDir = 0x8;
inline constexpr unsigned kOfnPathMustExist = 0x800;
inline constexpr unsigned kOfnFileMustExist = 0x1000;

struct FileDialogRequest {
  bool open = true;         // false: a save dialog
  std::string defaultExt;   // without the dot
  std::string fileName;     // proposed name
  std::string filter;       // "Text (*.txt)|*.txt|..."
  unsigned flags = 0;
};

class UiServices {
 public:
  virtual ~UiServices() = default;
  virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                               MsgButtons buttons, MsgIcon icon) = 0;
  virtual void Beep(BeepKind kind) = 0;
  // The path the user chose, as given; nullopt on Cancel. pf::FileDialog adds the rest.
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<ColorRef> ColorDialog(ColorRef initial) = 0;
  // Plays a WAVE file to its end before returning. A machine without a sound device, or a file
  // it cannot play, is silently skipped: sound is never an error.
  virtual void PlaySound(const std::string& path) = 0;
  virtual Size ScreenSize() = 0;
  // Milliseconds on a clock that never goes back; timers run on it.
  virtual uint64_t TickCount() = 0;

  // Opens a help file named by a Windows path (mapped by MapWindowsPath) in the desktop's
  // viewer. A missing file is reported, "Hilfedatei nicht gefunden: PATH"; false then. So is a
  // viewer that cannot start, here, or that ends with a failure, when CheckHelpViewers looks:
  // "Die Hilfe kann nicht angezeigt werden.\nHilfedatei: PATH".
  bool ShowHelp(const std::string& path);
  // Reports the viewers that have ended with a failure since the last look (idle processing
  // looks).
  void CheckHelpViewers();

 protected:
  // Starts the viewer (xdg-open) on a file that exists; false when it cannot start.
  virtual bool OpenHelpFile(const std::string& path);

 private:
  void HelpNotShown(const std::string& path);
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
  // Answered from their queues; Cancel when the queue is empty.
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  std::optional<ColorRef> ColorDialog(ColorRef initial) override;
  // Recorded, not played.
  void PlaySound(const std::string& path) override { sounds_.push_back(path); }
  Size ScreenSize() override { return screen_; }
  uint64_t TickCount() override { return clock_; }

  void QueueAnswer(MsgResult answer) { answers_.push_back(answer); }
  void QueueFileAnswer(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
  void QueueColorAnswer(std::optional<ColorRef> color) { colorAnswers_.push_back(color); }
  // The answers queued and not taken yet; dropping them keeps the records.
  size_t PendingAnswers() const { return answers_.size(); }
  size_t PendingFileAnswers() const { return fileAnswers_.size(); }
  void DropAnswers() { answers_.clear(); }
  void DropFileAnswers() { fileAnswers_.clear(); }
  void SetScreenSize(Size size) { screen_ = size; }
  void AdvanceClock(uint64_t ms) { clock_ += ms; }

  const std::vector<ShownMessage>& Messages() const { return messages_; }
  const std::vector<BeepKind>& Beeps() const { return beeps_; }
  const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  const std::vector<ColorRef>& ColorDialogs() const { return colorDialogs_; }
  // The files played, as given.
  const std::vector<std::string>& Sounds() const { return sounds_; }
  // The help files opened, as mapped paths.
  const std::vector<std::string>& HelpFiles() const { return helpFiles_; }
  // Forgets answers and records; the clock keeps running, the screen goes back to 1280 x 1024.
  void Reset();

  // The answer that changes nothing: Ok alone, otherwise Cancel, No or Abort.
  static MsgResult SafeAnswer(MsgButtons buttons);
  static bool CanAnswer(MsgButtons buttons, MsgResult answer);

 protected:
  bool OpenHelpFile(const std::string& path) override {
    helpFiles_.push_back(path);
    return true;
  }

 private:
  std::deque<MsgResult> answers_;
  std::vector<ShownMessage> messages_;
  std::vector<BeepKind> beeps_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::vector<FileDialogRequest> fileDialogs_;
  std::deque<std::optional<ColorRef>> colorAnswers_;
  std::vector<ColorRef> colorDialogs_;
  std::vector<std::string> helpFiles_;
  std::vector<std::string> sounds_;
  Size screen_{1280, 1024};
  uint64_t clock_ = 0;
};

UiServices& TheUiServices();
// The scripted services that stand in until a backend installs its own.
ScriptedUiServices& TheScriptedUiServices();
// Installs services owned by the caller; nullptr restores the scripted ones.
void InstallUiServices(UiServices* services);

}  // namespace pf
