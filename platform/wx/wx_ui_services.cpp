#include "wx_ui_services.h"

#include <wx/colordlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/log.h>
#include <wx/sound.h>
#include <wx/utils.h>

#include "convert.h"
#include "pf/app.h"
#include "pf/path_map.h"
#include "native_modal.h"

namespace pf {
namespace {

template <class NativeDialog>
int ShowModal(NativeDialog& dialog) {
  const NativeModal holdsTheProgram;
  return dialog.ShowModal();
}

long IconStyle(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Error:
      return wxICON_ERROR;
    case MsgIcon::Question:
      return wxICON_QUESTION;
    case MsgIcon::Warning:
      return wxICON_WARNING;
    case MsgIcon::Information:
      return wxICON_INFORMATION;
    case MsgIcon::None:
      break;
  }
  return wxICON_NONE;
}

}  // namespace

MsgResult WxUiServices::MessageBox(const std::string& text, const std::string& caption,
                                   MsgButtons buttons, MsgIcon icon) {
  wxString title = ToWx(caption);
  if (title.empty() && App::Current() != nullptr) title = ToWx(App::Current()->AppName());
  // Three-button boxes use the yes, no and cancel places, two-button ones OK and cancel.
  struct Layout {
    long style;
    MsgResult yesOrOk, no, cancel;
  };
  Layout layout{wxOK, MsgResult::Ok, MsgResult::No, MsgResult::Cancel};
  switch (buttons) {
    case MsgButtons::Ok:
      break;
    case MsgButtons::OkCancel:
      layout.style = wxOK | wxCANCEL;
      break;
    case MsgButtons::YesNo:
      layout = {wxYES_NO, MsgResult::Yes, MsgResult::No, MsgResult::No};
      break;
    case MsgButtons::YesNoCancel:
      layout = {wxYES_NO | wxCANCEL, MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
      break;
    case MsgButtons::RetryCancel:
      layout = {wxOK | wxCANCEL, MsgResult::Retry, MsgResult::No, MsgResult::Cancel};
      break;
    case MsgButtons::AbortRetryIgnore:
      layout = {wxYES_NO | wxCANCEL, MsgResult::Abort, MsgResult::Retry, MsgResult::Ignore};
      break;
  }
  wxMessageDialog box(nullptr, ToWx(text), title, layout.style | IconStyle(icon));
  if (buttons == MsgButtons::AbortRetryIgnore) {
    box.SetYesNoCancelLabels("&Abbrechen", "&Wiederholen", "&Ignorieren");
  } else if (buttons == MsgButtons::RetryCancel) {
    box.SetOKCancelLabels("&Wiederholen", "Abbrechen");
  } else {
    box.SetYesNoCancelLabels("&Ja", "&Nein", "Abbrechen");
    box.SetOKCancelLabels("OK", "Abbrechen");
  }
  switch (ShowModal(box)) {
    case wxID_OK:
    case wxID_YES:
      return layout.yesOrOk;
    case wxID_NO:
      return layout.no;
    default:
      return layout.cancel;
  }
}

void WxUiServices::Beep(BeepKind) { wxBell(); }

void WxUiServices::PlaySound(const std::string& path) {
  // wxSound logs its failures; a desktop without a sound device plays nothing, quietly.
  wxLogNull quiet;
  wxSound sound;
  if (sound.Create(ToWx(path))) sound.Play(wxSOUND_SYNC);
}

std::optional<std::string> WxUiServices::FileDialog(const FileDialogRequest& request) {
  wxString filter = ToWx(request.filter);
  while (filter.EndsWith("|")) filter.RemoveLast();
  if (filter.empty()) filter = "Alle Dateien (*.*)|*";
  long style = request.open ? wxFD_OPEN : wxFD_SAVE;
  if (request.open && (request.flags & kOfnFileMustExist) != 0) style |= wxFD_FILE_MUST_EXIST;
  if (!request.open && (request.flags & kOfnOverwritePrompt) != 0) style |= wxFD_OVERWRITE_PROMPT;
  wxFileDialog dialog(nullptr, ToWx(request.open ? "Öffnen" : "Speichern unter"), "",
                      ToWx(request.fileName), filter, style);
  if (ShowModal(dialog) != wxID_OK) return std::nullopt;
  // The toolkit takes a typed "C:\x\y.vqe" for a name in the folder shown; it is a drive's
  // path, which pf::FileDialog maps as every name is mapped.
  const std::string typed = FromWx(dialog.GetFilename());
  if (IsDrivePath(typed)) return typed;
  return FromWx(dialog.GetPath());
}

std::optional<ColorRef> WxUiServices::ColorDialog(ColorRef initial) {
  wxColourData data;
  data.SetChooseFull(true);
  data.SetColour(wxColour(RedOf(initial), GreenOf(initial), BlueOf(initial)));
  wxColourDialog dialog(nullptr, &data);
  if (ShowModal(dialog) != wxID_OK) return std::nullopt;
  const wxColour c = dialog.GetColourData().GetColour();
  return Rgb(c.Red(), c.Green(), c.Blue());
}

Size WxUiServices::ScreenSize() {
  const wxSize size = wxGetDisplaySize();
  return {size.x, size.y};
}

uint64_t WxUiServices::TickCount() {
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - start_)
                                   .count());
}

}  // namespace pf
