#include "app/cli/UiScript.h"

#include <algorithm>
#include <chrono>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/cli/ErrorQueue.h"
#include "app/cli/Output.h"
#include "diagrams/Diagramm.h"
#include "diagrams/graphics/DiagKurve.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "instruments/ui/ScreenDialog.h"
#include "instruments/ui/ScrnWindow.h"
#include "instruments/ui/TNetAnalyzer.h"
#include "pf/cairo_dc.h"
#include "pf/cairo_recording_dc.h"
#include "pf/clipboard.h"
#include "pf/command_ids.h"
#include "pf/controls.h"
#include "pf/headless.h"
#include "pf/input_file.h"
#include "pf/print_preview.h"
#include "pf/profile.h"
#include "pf/property_sheet.h"
#include "pf/whole_file.h"
#include "resources/CommandIds.h"
#include "resources/ScreenIds.h"

namespace {

constexpr int kErrors = 1;
constexpr int kBadScript = 2;
// Blocks nest as dialogs open from dialogs: deeper than this no script means it.
constexpr int kMaxNesting = 64;
// A script is typed by hand or written by a test: anything longer is not one.
constexpr std::uintmax_t kMaxScriptBytes = 1 << 20;

struct Line {
  int number = 0;
  std::vector<std::string> words;
};

// Words are separated by blanks; a word in double quotes may hold blanks; '#' outside quotes
// starts a comment. False on an unterminated quote.
bool SplitWords(const std::string& text, std::vector<std::string>& words) {
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const size_t end = text.find('"', i + 1);
      if (end == std::string::npos) return false;
      words.push_back(text.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      size_t end = i;
      while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != '\r') ++end;
      words.push_back(text.substr(i, end - i));
      i = end;
    }
  }
  return true;
}

bool ParseInt(const std::string& word, long low, long high, int& value) {
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || errno != 0 || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

// "advance MS [TIMES]": each step moves the clock on by MS at once, so that a timer ticks once
// per step however many of its periods went by, as for a program that was busy.
constexpr int kMaxAdvanceSteps = 10000;
bool ParseAdvance(const std::vector<std::string>& w, int& ms, int& times) {
  times = 1;
  return (w.size() == 2 || w.size() == 3) && ParseInt(w[1], 0, INT_MAX, ms) &&
         (w.size() == 2 || ParseInt(w[2], 1, kMaxAdvanceSteps, times));
}

// "\n" in a typed text stands for a line break of a multi-line edit.
std::string LineBreaks(std::string text) {
  for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 2)) {
    text.replace(at, 2, "\r\n");
  }
  return text;
}

// A window of the dialog or of its shown property page, as the dialog driver finds controls.
pf::Window* FindControl(pf::Dialog& dialog, int id) {
  if (pf::Window* w = dialog.GetDlgItem(id)) return w;
  if (auto* sheet = dynamic_cast<pf::PropertySheet*>(&dialog)) {
    if (pf::PropertyPage* page = sheet->GetActivePage()) return page->GetDlgItem(id);
  }
  return nullptr;
}

// "ID<TAB>TEXT" for every control, pages included; check boxes and radio buttons add
// "<TAB>1" or "<TAB>0", their state.
void ShowControls(const pf::Window& window) {
  for (const pf::Window* child : window.Children()) {
    if (dynamic_cast<const pf::PropertyPage*>(child) != nullptr) {
      if (child->IsVisible()) ShowControls(*child);
    } else if (child->GetDlgCtrlID() != 0) {
      std::printf("%d\t%s", child->GetDlgCtrlID(), child->GetWindowText().c_str());
      const auto* button = dynamic_cast<const pf::Button*>(child);
      if (button != nullptr && (button->Kind() == pf::ControlKind::CheckBox ||
                                button->Kind() == pf::ControlKind::RadioButton)) {
        std::printf("\t%d", button->GetCheck());
      }
      std::printf("\n");
    }
  }
}

// The instrument screen of the window: "TEXT<TAB>X<TAB>Y" for each text it draws, in drawing
// order and where it stands on the screen, then "Kurven<TAB>N", the number of curves drawn.
void ShowScreen(pf::Dialog& window) {
  ScrnWindow* screen = nullptr;
  if (auto* modal = dynamic_cast<ScreenDialog*>(&window)) screen = &modal->Screen();
  if (auto* analyser = dynamic_cast<TNetAnalyzer*>(&window)) screen = &analyser->Screen();
  const pf::Window* control = window.GetDlgItem(screen_ids::kScreen);
  if (screen == nullptr || control == nullptr) {
    std::printf("kein Bildschirm\n");
    return;
  }
  pf::CairoRecordingDc dc;
  window.OnDrawItem(screen_ids::kScreen, dc, control->GetClientRect());
  for (const pf::DcCall& call : dc.Calls()) {
    if (call.op == "TextOut" && !call.text.empty()) {
      std::printf("%s\t%d\t%d\n", call.text.c_str(), call.points[0].x, call.points[0].y);
    }
  }
  int curves = 0;
  const Diagramm* d = screen->Current();
  for (int i = 0; d != nullptr && d->curvesShown != 0 && i < d->GetCurveCount(); ++i) {
    if (d->GetCurve(i)->IsErased() == 0 && d->GetCurve(i)->GetCount() > 0) ++curves;
  }
  std::printf("Kurven\t%d\n", curves);
}

bool SameLabel(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The shown modeless dialog of the template, by number or by name, among the windows and their
// children; nullptr when none is open.
pf::Dialog* FindOpenWindow(const std::vector<pf::Window*>& windows, const std::string& label) {
  for (pf::Window* w : windows) {
    auto* dialog = dynamic_cast<pf::Dialog*>(w);
    if (dialog != nullptr && !dialog->IsModal() && dialog->IsVisible() &&
        (SameLabel(dialog->TemplateLabel(), label) ||
         SameLabel(dialog->GetTemplateName(), label))) {
      return dialog;
    }
    if (pf::Dialog* found = FindOpenWindow(w->Children(), label)) return found;
  }
  return nullptr;
}

class Player {
 public:
  Player(pf::Headless& headless, CVostraneApp& app) : headless_(headless), app_(app) {}

  // False on a bad script: why says what is wrong with the line at the index.
  bool Run(const std::vector<Line>& lines, std::string& why, size_t& at) {
    for (at = 0; at < lines.size(); ++at) {
      if (!Play(lines, at, why) || ScriptError(lines, at, why)) return false;
      if (!Prepares(lines[at].words[0])) EndAction();
      PrintMessages();
    }
    EndAction();
    return true;
  }

  // A file operation that failed.
  bool Failed() const { return failed_; }

  void PrintMessages() {
    const auto& shown = headless_.Ui().Messages();
    for (; printed_ < shown.size(); ++printed_) {
      std::printf("%s: %s\n", shown[printed_].caption.c_str(), shown[printed_].text.c_str());
    }
  }

 private:
  using Action = std::function<void(pf::DialogDriver&)>;

  CMainFrame& Frame() { return *app_.GetMainFrame(); }

  // Lines that prepare the next action (its answers and its dialogs' scripts), as the command
  // table says.
  static bool Prepares(const std::string& verb) {
    const Command* c = FindCommand(verb);
    return c != nullptr && c->prepares;
  }

  // The answers are for the action they stand before: what it left untaken is reported and
  // forgotten, so that no later dialog takes an answer meant for another.
  void EndAction() {
    pf::ScriptedUiServices& ui = headless_.Ui();
    Unused(answers_, ui.PendingAnswers());
    Unused(files_, ui.PendingFileAnswers());
    Unused(filesAside_, filesAside_.size());
    ui.DropAnswers();
    ui.DropFileAnswers();
    headless_.DropPrintFiles();
  }

  // The first file line of a dialog's script sets aside the file answers still pending from
  // before the block: they were for the action that opened the dialog, and the block's own are
  // taken instead. Those set aside count as untaken when that action ends.
  void SetAsideFileAnswers(bool& setAside) {
    if (std::exchange(setAside, true)) return;
    const size_t pending = std::min(headless_.Ui().PendingFileAnswers(), files_.size());
    filesAside_.insert(filesAside_.end(), files_.end() - static_cast<ptrdiff_t>(pending),
                       files_.end());
    files_.clear();
    headless_.Ui().DropFileAnswers();
  }

  // Answers are taken in order: the last `left` of the lines given went untaken.
  void Unused(std::vector<Line>& given, size_t left) {
    for (size_t i = given.size() - std::min(left, given.size()); i < given.size(); ++i) {
      std::string text;
      for (const std::string& word : given[i].words) text += (text.empty() ? "" : " ") + word;
      headless_.Fail("Zeile " + std::to_string(given[i].number) + ": " + text + " nicht benutzt");
    }
    given.clear();
  }

  // A message box that reports a failure: the error icon, or the analyser's caption "Fehler".
  static bool ReportsFailure(const pf::ScriptedUiServices::ShownMessage& message) {
    return message.icon == pf::MsgIcon::Error || message.caption == "Fehler";
  }

  void NoteFailuresSince(size_t shownBefore) {
    const auto& shown = headless_.Ui().Messages();
    for (size_t i = shownBefore; i < shown.size(); ++i) {
      if (ReportsFailure(shown[i])) failed_ = true;
    }
  }

  // A fault found while a dialog's script ran (an id the dialog lacks) is the script's: it is
  // reported at its own line.
  bool ScriptError(const std::vector<Line>& lines, size_t& at, std::string& why) {
    if (deferredError_.empty()) return false;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].number == deferredLine_) at = i;
    }
    why = deferredError_;
    return true;
  }

  void NoteScriptError(int line, const std::string& why) {
    if (!deferredError_.empty()) return;
    deferredLine_ = line;
    deferredError_ = why;
  }

  CVostraneView* ActiveView() {
    if (app_.GetMainFrame() == nullptr) return nullptr;
    pf::MdiChildWnd* child = Frame().MdiGetActive();
    return child != nullptr ? dynamic_cast<CVostraneView*>(child->GetActiveView()) : nullptr;
  }

  // The print preview while it is open: it takes the keys, clicks on buttons and png.
  static pf::PrintPreview* Preview() {
    for (pf::Window* w : pf::Window::TopLevelWindows()) {
      if (auto* preview = dynamic_cast<pf::PrintPreview*>(w); preview && preview->IsVisible()) {
        return preview;
      }
    }
    return nullptr;
  }

  // Presses a button of the preview; a disabled one is reported as a disabled menu item is.
  void PressPreviewButton(pf::PrintPreview& preview, int id) {
    auto* button = dynamic_cast<pf::Button*>(preview.GetDlgItem(id));
    if (button == nullptr || !button->IsWindowEnabled()) {
      std::printf("gesperrt: click %d\n", id);
      return;
    }
    button->Click();
    headless_.NoteMessage();
  }

  void Menu(const std::string& path) {
    if (!headless_.MenuCommand(Frame(), path)) std::printf("gesperrt: %s\n", path.c_str());
  }

  // One line of the script, its action found in the command table.
  bool Play(const std::vector<Line>& lines, size_t& at, std::string& why) {
    const std::vector<std::string>& w = lines[at].words;
    const Command* command = FindCommand(w[0]);
    if (command == nullptr) {
      why = "unbekannte Aktion " + w[0] + "; bekannt:";
      for (const Command& c : Commands()) why += std::string(" ") + c.name;
      return false;
    }
    // Only what prepares an action may stand after the program has ended (for its last box).
    if (app_.GetMainFrame() == nullptr && !command->prepares) {
      why = "das Programm ist beendet";
      return false;
    }
    Call call{*command, lines, at, why};
    return (this->*command->play)(call);
  }

 public:
  // What a line of the table plays: the line of the script with its words, where the script
  // goes on (blocks move it), and why it is bad.
  struct Call;
  using Handler = bool (Player::*)(Call& call);
  struct Command {
    const char* name;
    const char* usage;  // the words after the name; "" for none
    Handler play;
    bool prepares = false;  // an answer or script for the action after it
  };
  struct Call {
    const Command& command;
    const std::vector<Line>& lines;
    size_t& at;
    std::string& why;
    const std::vector<std::string>& Words() const { return lines[at].words; }
    size_t Args() const { return Words().size() - 1; }
    // A line whose words do not fit the command.
    bool WrongWords() const {
      why = Expected(command.name);
      return false;
    }
  };
  static const std::vector<Command>& Commands();

 private:
  static const Command* FindCommand(const std::string& name) {
    for (const Command& c : Commands()) {
      if (name == c.name) return &c;
    }
    return nullptr;
  }
  // "erwartet: NAME USAGE", from the table.
  static std::string Expected(const std::string& name) {
    const Command* c = FindCommand(name);
    const std::string usage = c != nullptr ? c->usage : "";
    return "erwartet: " + name + (usage.empty() ? "" : " " + usage);
  }

  bool PlayMenuCommand(Call& call) {
    if (call.Args() != 0) return call.WrongWords();
    Menu(std::string(call.command.name) == "new" ? "&Datei/&Neu" : "&Datei/&Schließen");
    return true;
  }

  bool PlayOpenOrSave(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    // Its own path answers its dialog; a file line before it is left untaken.
    Unused(files_, headless_.Ui().PendingFileAnswers());
    headless_.Ui().DropFileAnswers();
    headless_.Ui().QueueFileAnswer(call.Words()[1]);
    FileOperation([this, open = std::string(call.command.name) == "open"] {
      Menu(open ? "&Datei/&Öffnen..." : "&Datei/Speichern &unter...");
    });
    return true;
  }

  bool PlayPrint(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    headless_.QueuePrintFile(call.Words()[1]);
    FileOperation([this] {
      if (pf::PrintPreview* preview = Preview()) {
        PressPreviewButton(*preview, pf::kIdPreviewPrint);
      } else {
        Menu("&Datei/&Drucken...");
      }
    });
    return true;
  }

  bool PlayMenu(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    const std::string& path = call.Words()[1];
    if (!headless_.MenuItemState(Frame(), path)) {
      call.why = "kein Menüpunkt " + path;
      return false;
    }
    Menu(path);
    return true;
  }

  bool PlayElement(Call& call) {
    int type = 0;
    if (call.Args() != 1 || !ParseInt(call.Words()[1], 0, kElementTypeCount - 1, type)) {
      return call.WrongWords();
    }
    if (!headless_.Command(Frame(), kIdElementFirst + type)) {
      std::printf("gesperrt: element %d\n", type);
    }
    return true;
  }

  bool PlayMouse(Call& call) { return Mouse(call.Words(), call.why); }
  bool PlayKey(Call& call) { return Key(call.Words(), call.why); }

  bool PlayEdit(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    const std::string& name = call.Words()[1];
    CVostraneView* view = ActiveView();
    NetSymbol* symbol =
        view != nullptr ? view->GetDocument()->FindSymbolByName(MyStrng(name.c_str())) : nullptr;
    if (symbol == nullptr) {
      call.why = "kein Element " + name;
      return false;
    }
    view->OpenSymbol(*symbol);
    headless_.NoteMessage();
    return true;
  }

  bool PlayDialog(Call& call) { return Dialog(call.lines, call.at, call.why); }
  bool PlayWindow(Call& call) { return WindowBlock(call.lines, call.at, call.why); }

  bool PlayAnswer(Call& call) {
    static const std::pair<const char*, pf::MsgResult> kAnswers[] = {
        {"Ok", pf::MsgResult::Ok},
        {"Cancel", pf::MsgResult::Cancel},
        {"Yes", pf::MsgResult::Yes},
        {"No", pf::MsgResult::No}};
    for (const auto& [name, answer] : kAnswers) {
      if (call.Args() == 1 && call.Words()[1] == name) {
        headless_.Ui().QueueAnswer(answer);
        answers_.push_back(call.lines[call.at]);
        return true;
      }
    }
    return call.WrongWords();
  }

  bool PlayFile(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    headless_.Ui().QueueFileAnswer(call.Words()[1]);
    files_.push_back(call.lines[call.at]);
    return true;
  }

  bool PlayAdvance(Call& call) {
    int ms = 0;
    int times = 1;
    if (!ParseAdvance(call.Words(), ms, times)) return call.WrongWords();
    for (int step = 0; step < times; ++step) headless_.Advance(static_cast<unsigned>(ms));
    return true;
  }

  bool PlayIdle(Call& call) {
    if (call.Args() != 0) return call.WrongWords();
    headless_.RunIdle();
    return true;
  }

  bool PlayWait(Call& call) {
    int ms = kSpiceWaitMs;
    if (call.Args() > 1 || (call.Args() == 1 && !ParseInt(call.Words()[1], 0, kSpiceWaitMs, ms))) {
      return call.WrongWords();
    }
    WaitForSpice(ms);
    return true;
  }

  bool PlayOutput(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    const bool png = std::string(call.command.name) == "png";
    if (!WriteOutputFile(call.Words()[1], "Datei konnte nicht geschrieben werden: ",
                         [this, png](const std::string& path) {
                           return png ? WriteView(path) : WriteClipboard(path);
                         })) {
      failed_ = true;
    }
    return true;
  }


  // The SPICE program runs in real time: waits (at most ms) until the active circuit's run has
  // ended, then lets idle processing collect it.
  static constexpr int kSpiceWaitMs = 60000;
  void WaitForSpice(int ms) {
    CVostraneView* view = ActiveView();
    if (view != nullptr && view->GetDocument() != nullptr) {
      SpiceManager& spice = view->GetDocument()->GetSpiceManager();
      for (int waited = 0; waited < ms && spice.IsSimulatorRunning(); waited += 10) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
    headless_.NoteMessage();
    headless_.RunIdle();
  }

  // The program reports a failed open, save or print with an error box.
  void FileOperation(const std::function<void()>& operation) {
    const size_t before = headless_.Ui().Messages().size();
    operation();
    NoteFailuresSince(before);
  }

  bool Mouse(const std::vector<std::string>& w, std::string& why) {
    int id = 0;
    if (w[0] == "click" && w.size() == 2 && ParseInt(w[1], 0, 0xFFFF, id)) {
      pf::PrintPreview* preview = Preview();
      if (preview == nullptr) {
        why = "keine Seitenansicht offen";
        return false;
      }
      PressPreviewButton(*preview, id);
      return true;
    }
    const bool drag = w[0] == "drag";
    const size_t count = drag ? 4 : 2;
    int c[4] = {};
    for (size_t i = 0; i < count; ++i) {
      if (w.size() != count + 1 || !ParseInt(w[i + 1], -100000, 100000, c[i])) {
        why = Expected(w[0]);
        return false;
      }
    }
    CVostraneView* view = ActiveView();
    if (view == nullptr) {
      why = "keine Schaltung offen";
      return false;
    }
    const pf::Point from = view->LogicalToClient(pf::Point{c[0], c[1]});
    if (drag) {
      const pf::Point to = view->LogicalToClient(pf::Point{c[2], c[3]});
      headless_.MouseDown(*view, from, pf::kMkLButton);
      headless_.MouseMove(*view, to, pf::kMkLButton);
      headless_.MouseUp(*view, to);
    } else {
      headless_.Click(*view, from);
      // The platform's double click: press, release, double-click press, release.
      if (w[0] == "dclick") {
        headless_.DoubleClick(*view, from);
        headless_.MouseUp(*view, from);
      }
    }
    return true;
  }

  bool Key(const std::vector<std::string>& w, std::string& why) {
    static const struct {
      const char* name;
      int key;
      unsigned modifiers;
    } kKeys[] = {{"Delete", pf::kVkDelete, 0},
                 {"Escape", pf::kVkEscape, 0},
                 {"Return", pf::kVkReturn, 0},
                 {"Ctrl+X", 'X', pf::kMkControl}};
    for (const auto& k : kKeys) {
      if (w.size() == 2 && w[1] == k.name) {
        pf::Window* target = Preview();
        if (target == nullptr) target = ActiveView();
        headless_.KeyDown(target != nullptr ? *target : Frame(), k.key, k.modifiers);
        return true;
      }
    }
    why = Expected("key");
    return false;
  }

  // The lines up to ok or cancel become the script of the next modal dialog of the template.
  bool Dialog(const std::vector<Line>& lines, size_t& at, std::string& why, int depth = 1) {
    std::string label;
    pf::Headless::Script script;
    if (!DialogBlock(lines, at, why, label, script, depth)) return false;
    Queue(label, std::move(script));
    return true;
  }

  // A dialog block up to ok, cancel, or end (its own button closed it: nothing is pressed).
  // Blocks nest: a dialog block inside is queued when the script reaches it, for the dialog
  // that the lines before it open.
  bool DialogBlock(const std::vector<Line>& lines, size_t& at, std::string& why,
                   std::string& label, pf::Headless::Script& script, int depth) {
    const std::vector<std::string>& head = lines[at].words;
    if (head.size() != 2) {
      why = Expected("dialog");
      return false;
    }
    if (depth > kMaxNesting) {
      why = "Blöcke tiefer als " + std::to_string(kMaxNesting) + " geschachtelt";
      return false;
    }
    label = head[1];
    std::vector<std::pair<int, Action>> actions;
    auto setAside = std::make_shared<bool>(false);
    for (++at; at < lines.size(); ++at) {
      const std::vector<std::string>& w = lines[at].words;
      const int number = lines[at].number;
      if (w[0] == "ok" || w[0] == "cancel" || w[0] == "end") {
        if (w.size() != 1) {
          why = "erwartet: " + w[0];
          return false;
        }
        if (w[0] != "end") {
          const bool ok = w[0] == "ok";
          actions.emplace_back(number, [ok](pf::DialogDriver& d) { ok ? d.Ok() : d.Cancel(); });
        }
        script = [this, setAside, actions = std::move(actions)](pf::DialogDriver& d) {
          *setAside = false;
          for (const auto& [line, action] : actions) {
            // "click 1" presses OK without ending the script, so a refusal can be followed up;
            // a dialog that closed anyway must not take the lines meant for it.
            if (d.GetDialog().HasEnded()) {
              headless_.Fail("Zeile " + std::to_string(line) + ": Dialog " +
                             d.GetDialog().TemplateLabel() + " ist schon geschlossen");
              return;
            }
            action(d);
            PrintMessages();
            if (!deferredError_.empty()) return;
          }
        };
        return true;
      }
      Action action;
      if (w[0] == "file") {
        if (!SharedAction(w, number, action)) return false;
        action = [this, setAside, file = std::move(action)](pf::DialogDriver& d) {
          SetAsideFileAnswers(*setAside);
          file(d);
        };
      } else if (w[0] == "dialog") {
        std::string innerLabel;
        pf::Headless::Script inner;
        if (!DialogBlock(lines, at, why, innerLabel, inner, depth + 1)) return false;
        action = [this, innerLabel, inner = std::move(inner)](pf::DialogDriver&) {
          Queue(innerLabel, inner);
        };
      } else if (!SharedAction(w, number, action) && !DialogAction(w, number, action, why)) {
        return false;
      }
      actions.emplace_back(number, std::move(action));
    }
    --at;
    why = "dialog ohne ok, cancel oder end";
    return false;
  }

  // The modeless window of the template takes the control actions and png up to end; dialog
  // blocks inside are queued for the dialogs its keys open.
  bool WindowBlock(const std::vector<Line>& lines, size_t& at, std::string& why) {
    const std::vector<std::string>& head = lines[at].words;
    if (head.size() != 2) {
      why = Expected("window");
      return false;
    }
    const std::string& label = head[1];
    if (FindOpenWindow(pf::Window::TopLevelWindows(), label) == nullptr) {
      why = "kein Fenster " + label + " offen";
      return false;
    }
    for (++at; at < lines.size(); ++at) {
      const std::vector<std::string>& w = lines[at].words;
      const int number = lines[at].number;
      if (w[0] == "end") {
        if (w.size() != 1) {
          why = "erwartet: end";
          return false;
        }
        return true;
      }
      if (w[0] == "dialog") {
        if (!Dialog(lines, at, why, 2)) return false;
        continue;
      }
      pf::Dialog* window = FindOpenWindow(pf::Window::TopLevelWindows(), label);
      if (window == nullptr) {
        why = "kein Fenster " + label + " offen";
        return false;
      }
      Action action;
      if (w[0] == "png" && w.size() != 2) {
        why = "erwartet: png DATEI";
        return false;
      }
      if (w[0] != "page" &&
          (SharedAction(w, number, action) || DialogAction(w, number, action, why))) {
        // A key that asks for a file is a file operation: its error box is its failure.
        const size_t asked = headless_.Ui().FileDialogs().size();
        const size_t shown = headless_.Ui().Messages().size();
        pf::DialogDriver driver(headless_, *window);
        action(driver);
        headless_.NoteMessage();
        if (headless_.Ui().FileDialogs().size() > asked) NoteFailuresSince(shown);
        PrintMessages();
        if (ScriptError(lines, at, why)) return false;
      } else {
        why = "im Fenster erwartet: set ID TEXT, check ID 0|1, click ID, select ID TEXT, "
              "spin ID up|down, show, screen, png DATEI, dialog, file, answer, clipboard, advance, "
              "idle oder end";
        return false;
      }
      if (!Prepares(w[0])) EndAction();
    }
    --at;
    why = "window ohne end";
    return false;
  }

  // file, answer, clipboard, advance and idle, inside a block as outside.
  bool SharedAction(const std::vector<std::string>& w, int number, Action& action) {
    static const char* const kShared[] = {"file", "answer", "clipboard", "advance", "idle"};
    if (std::find(std::begin(kShared), std::end(kShared), w[0]) == std::end(kShared)) {
      return false;
    }
    action = [this, w, number](pf::DialogDriver& d) {
      int ms = 0;
      int times = 1;
      if (w[0] == "advance" && ParseAdvance(w, ms, times)) {
        for (int step = 0; step < times; ++step) d.Advance(static_cast<unsigned>(ms));
        return;
      }
      std::vector<Line> one{Line{number, w}};
      size_t at = 0;
      std::string why;
      if (!Play(one, at, why)) NoteScriptError(number, why);
    };
    return true;
  }

  void Queue(const std::string& label, pf::Headless::Script script) {
    int id = 0;
    if (ParseInt(label, 1, 0xFFFF, id)) {
      headless_.ExpectDialog(id, std::move(script));
    } else {
      headless_.ExpectDialog(label, std::move(script));
    }
  }

  bool DialogAction(const std::vector<std::string>& w, int number, Action& action,
                    std::string& why) {
    const std::string& verb = w[0];
    int id = 0;
    const bool hasId = w.size() >= 2 && ParseInt(w[1], 0, 0xFFFF, id);
    Action act;
    if (verb == "show" && w.size() == 1) {
      action = [](pf::DialogDriver& d) { ShowControls(d.GetDialog()); };
      return true;
    }
    if (verb == "screen" && w.size() == 1) {
      action = [](pf::DialogDriver& d) { ShowScreen(d.GetDialog()); };
      return true;
    }
    if (verb == "png" && w.size() == 2) {
      action = [this, path = w[1]](pf::DialogDriver& d) {
        if (!WriteOutputFile(path, "Datei konnte nicht geschrieben werden: ",
                             [this, &d](const std::string& p) {
                               return headless_.WritePng(d.GetDialog(), p);
                             })) {
          failed_ = true;
        }
      };
      return true;
    }
    if (verb == "click" && hasId && w.size() == 2) {
      act = [id](pf::DialogDriver& d) { d.Click(id); };
    } else if (verb == "set" && hasId && w.size() == 3) {
      act = [id, text = LineBreaks(w[2])](pf::DialogDriver& d) { d.Type(id, text); };
    } else if (verb == "select" && hasId && w.size() == 3) {
      act = [id, text = w[2]](pf::DialogDriver& d) { d.Select(id, text); };
    } else if (verb == "spin" && hasId && w.size() == 3 && (w[2] == "up" || w[2] == "down")) {
      act = [id, up = w[2] == "up"](pf::DialogDriver& d) { d.Spin(id, up); };
    } else if (verb == "check" && hasId && w.size() == 3 && (w[2] == "0" || w[2] == "1")) {
      act = [this, id, on = w[2] == "1"](pf::DialogDriver& d) {
        auto* button = dynamic_cast<pf::Button*>(FindControl(d.GetDialog(), id));
        if (button == nullptr || (button->GetCheck() != 0) != on) d.Click(id);
        if (button != nullptr && (button->GetCheck() != 0) != on) {
          headless_.Fail("Kontrollkästchen " + std::to_string(id) + " nicht umgeschaltet");
        }
      };
    } else if (verb == "page" && w.size() == 2 && ParseInt(w[1], 0, 100, id)) {
      action = [id](pf::DialogDriver& d) { d.SelectPage(id); };
      return true;
    } else {
      why = "im Dialog erwartet: set ID TEXT, check ID 0|1, click ID, select ID TEXT, "
            "spin ID up|down, page N, show, screen, png DATEI, dialog, file, answer, clipboard, "
            "advance, idle, ok, cancel oder end";
      return false;
    }
    // The dialog exists only once it is open: its ids are checked then.
    action = [this, id, number, act = std::move(act)](pf::DialogDriver& d) {
      if (FindControl(d.GetDialog(), id) == nullptr) {
        NoteScriptError(number, "kein Element " + std::to_string(id) + " in " +
                                    d.GetDialog().TemplateLabel());
        return;
      }
      act(d);
    };
    return true;
  }

  bool WriteView(const std::string& path) {
    pf::Window* view = Preview();
    if (view == nullptr) view = ActiveView();
    return headless_.WritePng(view != nullptr ? *view : static_cast<pf::Window&>(Frame()), path);
  }

  static bool WriteClipboard(const std::string& path) {
    const pf::Clipboard& clipboard = pf::TheClipboard();
    if (const std::optional<std::string> text = clipboard.GetText()) {
      return pf::WriteWholeStream(path, [&text](std::ostream& out) {
        return static_cast<bool>(out << *text);
      });
    }
    const std::optional<pf::Bitmap> bitmap = clipboard.GetBitmap();
    if (!bitmap) return false;
    std::unique_ptr<pf::CairoDc> dc = pf::CairoDc::CreateImage(bitmap->Width(), bitmap->Height());
    return dc && dc->BitBlt(0, 0, bitmap->Width(), bitmap->Height(), *bitmap, 0, 0) &&
           dc->WritePng(path);
  }

 private:
  pf::Headless& headless_;
  CVostraneApp& app_;
  size_t printed_ = 0;
  bool failed_ = false;
  // The answer and file lines queued since the last action.
  std::vector<Line> answers_;
  std::vector<Line> files_;
  std::vector<Line> filesAside_;
  int deferredLine_ = 0;
  std::string deferredError_;
};

const std::vector<Player::Command>& Player::Commands() {
  static const std::string element =
      "N (0 bis " + std::to_string(kElementTypeCount - 1) + ")";
  static const std::vector<Command> commands = {
      {"new", "", &Player::PlayMenuCommand},
      {"open", "DATEI", &Player::PlayOpenOrSave},
      {"save", "DATEI", &Player::PlayOpenOrSave},
      {"close", "", &Player::PlayMenuCommand},
      {"print", "DATEI", &Player::PlayPrint},
      {"menu", "\"PFAD\"", &Player::PlayMenu},
      {"element", element.c_str(), &Player::PlayElement},
      {"drag", "X1 Y1 X2 Y2", &Player::PlayMouse},
      {"click", "X Y oder click ID", &Player::PlayMouse},
      {"dclick", "X Y", &Player::PlayMouse},
      {"key", "Delete|Escape|Return|Ctrl+X", &Player::PlayKey},
      {"edit", "NAME", &Player::PlayEdit},
      {"dialog", "ID|NAME", &Player::PlayDialog, true},
      {"answer", "Ok|Cancel|Yes|No", &Player::PlayAnswer, true},
      {"file", "PFAD", &Player::PlayFile, true},
      {"advance", "MS [ANZAHL]", &Player::PlayAdvance},
      {"idle", "", &Player::PlayIdle},
      {"wait", "[MS]", &Player::PlayWait},
      {"clipboard", "DATEI", &Player::PlayOutput},
      {"png", "DATEI", &Player::PlayOutput},
      {"window", "ID|NAME", &Player::PlayWindow},
  };
  return commands;
}

// The script's lines with words; false (with the line and reason) when it cannot be read.
bool ReadScript(const char* path, std::vector<Line>& lines) {
  pf::InputFile file(path, kMaxScriptBytes);
  std::string bytes;
  if (!file.ReadAll(bytes)) {
    // The refusal's reason, else (the file did not open) the script's own words.
    if (!file.Refusal().empty()) {
      std::fprintf(stderr, "%s\n", file.Refusal().c_str());
    } else {
      std::fprintf(stderr, "%s: Skript nicht lesbar\n", path);
    }
    return false;
  }
  std::istringstream in(bytes);
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    Line line{number, {}};
    if (!SplitWords(text, line.words)) {
      std::fprintf(stderr, "%s:%d: Anführungszeichen nicht geschlossen\n", path, number);
      return false;
    }
    if (!line.words.empty()) lines.push_back(std::move(line));
  }
  return true;
}

// False (with the line and reason) for a line that reaches beyond the working folder or waits
// in real time.
bool StaysConfined(const char* path, const std::vector<Line>& lines) {
  for (const Line& line : lines) {
    const bool beyond = std::any_of(line.words.begin(), line.words.end(), [](const std::string& w) {
      return w.find_first_of("/\\") != std::string::npos || w.find("..") != std::string::npos;
    });
    if (beyond || line.words[0] == "wait") {
      std::fprintf(stderr, "%s:%d: außerhalb des Arbeitsordners\n", path, line.number);
      return false;
    }
  }
  return true;
}

}  // namespace

int RunUiScript(const char* path, bool confined) {
  std::vector<Line> lines;
  if (!ReadScript(path, lines)) return kBadScript;
  if (confined && !StaysConfined(path, lines)) return kBadScript;
  pf::Headless headless;
  bool failed = false;
  headless.SetFailureHandler([&failed](const std::string& m) {
    std::fprintf(stderr, "%s\n", m.c_str());
    failed = true;
  });
  // The settings of a played program stay in memory.
  CVostraneApp app({}, [] { return std::make_unique<pf::MemoryProfile>(); });
  if (!app.InitInstance()) {
    ReportQueue();
    return kErrors;
  }
  Player player(headless, app);
  std::string why;
  size_t at = 0;
  const bool played = player.Run(lines, why, at);
  player.PrintMessages();
  if (!played) {
    std::fprintf(stderr, "%s:%d: %s\n", path, lines[at].number, why.c_str());
    return kBadScript;
  }
  if (headless.PendingScripts() > 0) {
    std::fprintf(stderr, "%d Dialogskript(e) nicht benutzt\n", headless.PendingScripts());
    failed = true;
  }
  std::fflush(stdout);
  return (ReportQueue() != 0 || failed || player.Failed()) ? kErrors : 0;
}
