#pragma once
// Message boxes, beeps, sound, the file and colour dialogs, the screen size and the clock on the
// desktop. The texts of the buttons are the German ones of the program.

#include <chrono>

#include "pf/ui_services.h"

namespace pf {

class WxUiServices : public UiServices {
 public:
  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  void Beep(BeepKind kind) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  std::optional<ColorRef> ColorDialog(ColorRef initial) override;
  void PlaySound(const std::string& path) override;
  Size ScreenSize() override;
  uint64_t TickCount() override;

 private:
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace pf
