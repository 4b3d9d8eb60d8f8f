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
#include <span>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/cli/ErrorQueue.h"
#include "app/cli/UiCommands.h"
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
    if (c == ' ' || c == '\t') {
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
      while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
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
  for (int i = 0; d != nullptr && i < d->GetCurveCount(); ++i) curves += d->ShowsCurve(i) ? 1 : 0;
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

}  // namespace

namespace ui_script {

// The rows that play in the place (with closing, only those that end its block) as a sentence
// lists them: "a, b oder c". A row of blocks only shows its words; the others name theirs when
// they do not fit.
std::string Listed(Place place, bool closing) {
  std::vector<std::string> rows;
  for (const Command& c : Commands()) {
    if (!c.PlaysIn(place) || (closing && !c.closes)) continue;
    const bool words = c.play == nullptr && *c.usage != '\0';
    rows.push_back(std::string(c.name) + (words ? std::string(" ") + c.usage : ""));
  }
  std::string text;
  for (size_t i = 0; i < rows.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == rows.size() ? " oder " : ", ") + rows[i];
  }
  return text;
}

// What a block takes, for a line that does not fit it.
std::string InBlockExpected(Place place) {
  return (place == Place::kWindow ? "im Fenster erwartet: " : "im Dialog erwartet: ") +
         Listed(place, false);
}

// A line as its row plays it: its words, where the script goes on (blocks move it), why it is
// bad, and where it stands.
struct Call {
  const Command& command;
  const std::vector<Line>& lines;
  size_t& at;
  std::string& why;
  Place place = Place::kScript;
  int depth = 0;  // the blocks around the line
  // In a dialog's script: whether its file answers from before the block were set aside.
  std::shared_ptr<bool> setAside;

  const std::vector<std::string>& Words() const { return lines[at].words; }
  size_t Args() const { return Words().size() - 1; }
  // "erwartet: NAME USAGE".
  bool WrongWords() const {
    why = std::string("erwartet: ") + command.name +
          (*command.usage == '\0' ? "" : std::string(" ") + command.usage);
    return false;
  }
  // A line of the block's own whose words do not fit: what the block takes.
  bool NotInBlock() const {
    why = InBlockExpected(place);
    return false;
  }
};

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
  friend std::span<const Command> Commands();

  CMainFrame& Frame() { return *app_.GetMainFrame(); }

  static const Command* FindCommand(const std::string& name, Place place) {
    for (const Command& c : Commands()) {
      if (name == c.name && c.PlaysIn(place)) return &c;
    }
    return nullptr;
  }

  // Lines that prepare the next action (its answers and its dialogs' scripts), as the command
  // table says.
  static bool Prepares(const std::string& verb) {
    const Command* c = FindCommand(verb, Place::kScript);
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

  // One line at the top level, its action found in the command table. A line of a dialog's
  // script that plays as there carries the script's file answers set aside.
  bool Play(const std::vector<Line>& lines, size_t& at, std::string& why,
            std::shared_ptr<bool> setAside = nullptr) {
    const std::vector<std::string>& w = lines[at].words;
    const Command* command = FindCommand(w[0], Place::kScript);
    if (command == nullptr) {
      why = "unbekannte Aktion " + w[0] + "; bekannt:";
      for (const Command& c : Commands()) {
        if (c.PlaysIn(Place::kScript)) why += std::string(" ") + c.name;
      }
      return false;
    }
    // Only what prepares an action may stand after the program has ended (for its last box).
    if (app_.GetMainFrame() == nullptr && !command->prepares) {
      why = "das Programm ist beendet";
      return false;
    }
    Call call{*command, lines, at, why, Place::kScript, 0, std::move(setAside)};
    return (this->*command->play)(call);
  }

  // The handlers of the top level, as the table names them.

  bool PlayMenuItem(Call& call) {
    if (call.Args() != 0) return call.WrongWords();
    Menu(call.command.menu);
    return true;
  }

  bool PlayOpenOrSave(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    // Its own path answers its dialog; a file line before it is left untaken.
    Unused(files_, headless_.Ui().PendingFileAnswers());
    headless_.Ui().DropFileAnswers();
    headless_.Ui().QueueFileAnswer(call.Words()[1]);
    FileOperation([this, &call] { Menu(call.command.menu); });
    return true;
  }

  bool PlayPrint(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    headless_.QueuePrintFile(call.Words()[1]);
    FileOperation([this, &call] {
      if (pf::PrintPreview* preview = Preview()) {
        PressPreviewButton(*preview, pf::kIdPreviewPrint);
      } else {
        Menu(call.command.menu);
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

  bool PlayDrag(Call& call) {
    pf::Point points[2];
    CVostraneView* view = Points(call, points);
    if (view == nullptr) return false;
    headless_.MouseDown(*view, points[0], pf::kMkLButton);
    headless_.MouseMove(*view, points[1], pf::kMkLButton);
    headless_.MouseUp(*view, points[1]);
    return true;
  }

  // "click ID" presses a button of the print preview.
  bool PlayClick(Call& call) {
    int id = 0;
    if (call.Args() == 1 && ParseInt(call.Words()[1], 0, 0xFFFF, id)) {
      pf::PrintPreview* preview = Preview();
      if (preview == nullptr) {
        call.why = "keine Seitenansicht offen";
        return false;
      }
      PressPreviewButton(*preview, id);
      return true;
    }
    pf::Point point[1];
    CVostraneView* view = Points(call, point);
    if (view == nullptr) return false;
    headless_.Click(*view, point[0]);
    return true;
  }

  // The platform's double click: press, release, double-click press, release.
  bool PlayDoubleClick(Call& call) {
    pf::Point point[1];
    CVostraneView* view = Points(call, point);
    if (view == nullptr) return false;
    headless_.Click(*view, point[0]);
    headless_.DoubleClick(*view, point[0]);
    headless_.MouseUp(*view, point[0]);
    return true;
  }

  // The line's words "X Y ..." as points of the active circuit's view; nullptr (why set) when
  // they do not fit or no circuit is open.
  CVostraneView* Points(Call& call, std::span<pf::Point> points) {
    int c[4] = {};
    for (size_t i = 0; i < 2 * points.size(); ++i) {
      if (call.Args() != 2 * points.size() ||
          !ParseInt(call.Words()[i + 1], -100000, 100000, c[i])) {
        call.WrongWords();
        return nullptr;
      }
    }
    CVostraneView* view = ActiveView();
    if (view == nullptr) {
      call.why = "keine Schaltung offen";
      return nullptr;
    }
    for (size_t i = 0; i < points.size(); ++i) {
      points[i] = view->LogicalToClient(pf::Point{c[2 * i], c[2 * i + 1]});
    }
    return view;
  }

  // The keys a script presses: at the top level to the print preview or the view, in a block to
  // the control with the focus.
  struct Key {
    const char* name;
    int key;
    unsigned modifiers;
  };
  static const Key* FindKey(const Call& call) {
    static constexpr Key kKeys[] = {{"Delete", pf::kVkDelete, 0},
                                    {"Escape", pf::kVkEscape, 0},
                                    {"Return", pf::kVkReturn, 0},
                                    {"Ctrl+X", 'X', pf::kMkControl},
                                    {"Tab", pf::kVkTab, 0},
                                    {"Shift+Tab", pf::kVkTab, pf::kMkShift},
                                    {"Space", pf::kVkSpace, 0},
                                    {"Left", pf::kVkLeft, 0},
                                    {"Up", pf::kVkUp, 0},
                                    {"Right", pf::kVkRight, 0},
                                    {"Down", pf::kVkDown, 0}};
    for (const Key& k : kKeys) {
      if (call.Args() == 1 && call.Words()[1] == k.name) return &k;
    }
    return nullptr;
  }

  bool PlayKey(Call& call) {
    const Key* k = FindKey(call);
    if (k == nullptr) return call.WrongWords();
    pf::Window* target = Preview();
    if (target == nullptr) target = ActiveView();
    headless_.KeyDown(target != nullptr ? *target : Frame(), k->key, k->modifiers);
    return true;
  }

  bool MakeKey(Call& call, Action& action) {
    const Key* k = FindKey(call);
    if (k == nullptr) return call.NotInBlock();
    action = [k](pf::DialogDriver& d) { d.Key(k->key, k->modifiers); };
    return true;
  }

  bool MakeType(Call& call, Action& action) {
    if (call.Args() != 1) return call.NotInBlock();
    action = [text = LineBreaks(call.Words()[1])](pf::DialogDriver& d) { d.TypeIntoFocus(text); };
    return true;
  }

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

  // The lines up to ok or cancel become the script of the next modal dialog of the template.
  bool PlayDialog(Call& call) {
    std::string label;
    pf::Headless::Script script;
    if (!DialogBlock(call, label, script)) return false;
    Queue(label, std::move(script));
    return true;
  }

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
    if (call.setAside) SetAsideFileAnswers(*call.setAside);
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

  bool PlayClipboard(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    Write(call.Words()[1], [](const std::string& path) { return WriteClipboard(path); });
    return true;
  }

  bool PlayPng(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    Write(call.Words()[1], [this](const std::string& path) { return WriteView(path); });
    return true;
  }

  // The modeless window of the template takes the lines up to end, each at once and while it is
  // open.
  bool PlayWindow(Call& call) {
    if (call.Args() != 1) return call.WrongWords();
    const std::string& label = call.Words()[1];
    if (FindOpenWindow(pf::Window::TopLevelWindows(), label) == nullptr) {
      call.why = "kein Fenster " + label + " offen";
      return false;
    }
    const std::vector<Line>& lines = call.lines;
    size_t& at = call.at;
    for (++at; at < lines.size(); ++at) {
      const Command* command = FindCommand(lines[at].words[0], Place::kWindow);
      if (command == nullptr) {
        call.why = InBlockExpected(Place::kWindow);
        return false;
      }
      Call entry{*command, lines, at, call.why, Place::kWindow, call.depth + 1, nullptr};
      if (command->closes) return entry.Args() == 0 || entry.WrongWords();
      Action action;
      if (!(this->*command->make)(entry, action)) return false;
      if (action && !PlayInWindow(label, action, entry)) return false;
      if (!command->prepares) EndAction();
    }
    --at;
    call.why = "window ohne " + Listed(Place::kWindow, true);
    return false;
  }

  // A line's action on the window, which must still be open. A key that asks for a file is a
  // file operation: its error box is its failure.
  bool PlayInWindow(const std::string& label, const Action& action, Call& entry) {
    pf::Dialog* window = FindOpenWindow(pf::Window::TopLevelWindows(), label);
    if (window == nullptr) {
      entry.why = "kein Fenster " + label + " offen";
      return false;
    }
    const size_t asked = headless_.Ui().FileDialogs().size();
    const size_t shown = headless_.Ui().Messages().size();
    pf::DialogDriver driver(headless_, *window);
    action(driver);
    headless_.NoteMessage();
    if (headless_.Ui().FileDialogs().size() > asked) NoteFailuresSince(shown);
    PrintMessages();
    return !ScriptError(entry.lines, entry.at, entry.why);
  }

  // A dialog block up to a line that ends it: ok, cancel, or end (its own button closed it:
  // nothing is pressed).
  bool DialogBlock(Call& call, std::string& label, pf::Headless::Script& script) {
    if (call.Args() != 1) return call.WrongWords();
    const int depth = call.depth + 1;
    if (depth > kMaxNesting) {
      call.why = "Blöcke tiefer als " + std::to_string(kMaxNesting) + " geschachtelt";
      return false;
    }
    label = call.Words()[1];
    std::vector<std::pair<int, Action>> actions;
    auto setAside = std::make_shared<bool>(false);
    const std::vector<Line>& lines = call.lines;
    size_t& at = call.at;
    for (++at; at < lines.size(); ++at) {
      const int number = lines[at].number;
      const Command* command = FindCommand(lines[at].words[0], Place::kDialog);
      if (command == nullptr) {
        call.why = InBlockExpected(Place::kDialog);
        return false;
      }
      Call entry{*command, lines, at, call.why, Place::kDialog, depth, setAside};
      if (command->closes && entry.Args() != 0) return entry.WrongWords();
      Action action;
      if (!(this->*command->make)(entry, action)) return false;
      if (action) actions.emplace_back(number, std::move(action));
      if (!command->closes) continue;
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
    --at;
    call.why = "dialog ohne " + Listed(Place::kDialog, true);
    return false;
  }

  void Queue(const std::string& label, pf::Headless::Script script) {
    int id = 0;
    if (ParseInt(label, 1, 0xFFFF, id)) {
      headless_.ExpectDialog(id, std::move(script));
    } else {
      headless_.ExpectDialog(label, std::move(script));
    }
  }

  // The makers of the blocks' lines, as the table names them.

  // A line that plays at the top level too plays so when the block gets there: its words are
  // checked then.
  bool MakeLater(Call& call, Action& action) {
    action = [this, line = call.lines[call.at], setAside = call.setAside](pf::DialogDriver&) {
      const std::vector<Line> one{line};
      size_t at = 0;
      std::string why;
      if (!Play(one, at, why, setAside)) NoteScriptError(line.number, why);
    };
    return true;
  }

  // A dialog block inside a dialog's script is queued when the script gets there, for the dialog
  // that the lines before it open; inside a window at once, for the keys after it.
  bool MakeDialog(Call& call, Action& action) {
    if (call.place == Place::kWindow) return PlayDialog(call);
    std::string label;
    pf::Headless::Script script;
    if (!DialogBlock(call, label, script)) return false;
    action = [this, label, script = std::move(script)](pf::DialogDriver&) { Queue(label, script); };
    return true;
  }

  bool MakeOk(Call&, Action& action) {
    action = [](pf::DialogDriver& d) { d.Ok(); };
    return true;
  }

  bool MakeCancel(Call&, Action& action) {
    action = [](pf::DialogDriver& d) { d.Cancel(); };
    return true;
  }

  // The dialog's own button closed it: nothing is pressed.
  bool MakeEnd(Call&, Action&) { return true; }

  bool MakeShow(Call& call, Action& action) {
    if (call.Args() != 0) return call.NotInBlock();
    action = [](pf::DialogDriver& d) { ShowControls(d.GetDialog()); };
    return true;
  }

  bool MakeScreen(Call& call, Action& action) {
    if (call.Args() != 0) return call.NotInBlock();
    action = [](pf::DialogDriver& d) { ShowScreen(d.GetDialog()); };
    return true;
  }

  bool MakePng(Call& call, Action& action) {
    if (call.Args() != 1) return call.NotInBlock();
    action = [this, path = call.Words()[1]](pf::DialogDriver& d) {
      Write(path,
            [this, &d](const std::string& p) { return headless_.WritePng(d.GetDialog(), p); });
    };
    return true;
  }

  bool MakePage(Call& call, Action& action) {
    int index = 0;
    if (call.Args() != 1 || !ParseInt(call.Words()[1], 0, 100, index)) return call.NotInBlock();
    action = [index](pf::DialogDriver& d) { d.SelectPage(index); };
    return true;
  }

  bool MakeClick(Call& call, Action& action) {
    int id = 0;
    if (!ControlId(call, 1, id)) return call.NotInBlock();
    action = OnControl(call, id, [id](pf::DialogDriver& d) { d.Click(id); });
    return true;
  }

  bool MakeSet(Call& call, Action& action) {
    int id = 0;
    if (!ControlId(call, 2, id)) return call.NotInBlock();
    action = OnControl(call, id, [id, text = LineBreaks(call.Words()[2])](pf::DialogDriver& d) {
      d.Type(id, text);
    });
    return true;
  }

  bool MakeSelect(Call& call, Action& action) {
    int id = 0;
    if (!ControlId(call, 2, id)) return call.NotInBlock();
    action = OnControl(call, id, [id, text = call.Words()[2]](pf::DialogDriver& d) {
      d.Select(id, text);
    });
    return true;
  }

  bool MakeSpin(Call& call, Action& action) {
    int id = 0;
    if (!ControlId(call, 2, id) || (call.Words()[2] != "up" && call.Words()[2] != "down")) {
      return call.NotInBlock();
    }
    action = OnControl(call, id, [id, up = call.Words()[2] == "up"](pf::DialogDriver& d) {
      d.Spin(id, up);
    });
    return true;
  }

  bool MakeCheck(Call& call, Action& action) {
    int id = 0;
    if (!ControlId(call, 2, id) || (call.Words()[2] != "0" && call.Words()[2] != "1")) {
      return call.NotInBlock();
    }
    action = OnControl(call, id, [this, id, on = call.Words()[2] == "1"](pf::DialogDriver& d) {
      auto* button = dynamic_cast<pf::Button*>(FindControl(d.GetDialog(), id));
      if (button == nullptr || (button->GetCheck() != 0) != on) d.Click(id);
      if (button != nullptr && (button->GetCheck() != 0) != on) {
        headless_.Fail("Kontrollkästchen " + std::to_string(id) + " nicht umgeschaltet");
      }
    });
    return true;
  }

  // "NAME ID ...", args words after the name in all.
  static bool ControlId(const Call& call, size_t args, int& id) {
    return call.Args() == args && ParseInt(call.Words()[1], 0, 0xFFFF, id);
  }

  // The dialog exists only once it is open: its ids are checked then.
  Action OnControl(const Call& call, int id, Action act) {
    return [this, id, number = call.lines[call.at].number,
            act = std::move(act)](pf::DialogDriver& d) {
      if (FindControl(d.GetDialog(), id) == nullptr) {
        NoteScriptError(number, "kein Element " + std::to_string(id) + " in " +
                                    d.GetDialog().TemplateLabel());
        return;
      }
      act(d);
    };
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

  // A file the script asked for; one not written is a failure of the program.
  void Write(const std::string& path, const std::function<bool(const std::string&)>& write) {
    if (!WriteOutputFile(path, "Datei konnte nicht geschrieben werden: ", write)) failed_ = true;
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

std::span<const Command> Commands() {
  static const std::string element = "N (0 bis " + std::to_string(kElementTypeCount - 1) + ")";
  using P = Player;
  static const Command commands[] = {
      // The lines of dialog and window blocks only.
      {.name = "set", .usage = "ID TEXT", .make = &P::MakeSet},
      {.name = "check", .usage = "ID 0|1", .make = &P::MakeCheck},
      {.name = "click", .usage = "ID", .make = &P::MakeClick},
      {.name = "select", .usage = "ID TEXT", .make = &P::MakeSelect},
      {.name = "spin", .usage = "ID up|down", .make = &P::MakeSpin},
      {.name = "type", .usage = "TEXT", .make = &P::MakeType},
      {.name = "page", .usage = "N", .make = &P::MakePage, .dialogsOnly = true},
      {.name = "show", .usage = "", .make = &P::MakeShow},
      {.name = "screen", .usage = "", .make = &P::MakeScreen},
      {.name = "png", .usage = "DATEI", .make = &P::MakePng},
      // The script's lines, those with a maker in blocks too.
      {.name = "new", .usage = "", .play = &P::PlayMenuItem, .menu = "&Datei/&Neu"},
      {.name = "open", .usage = "DATEI", .play = &P::PlayOpenOrSave, .menu = "&Datei/&Öffnen..."},
      {.name = "save",
       .usage = "DATEI",
       .play = &P::PlayOpenOrSave,
       .menu = "&Datei/Speichern &unter..."},
      {.name = "close", .usage = "", .play = &P::PlayMenuItem, .menu = "&Datei/&Schließen"},
      {.name = "print", .usage = "DATEI", .play = &P::PlayPrint, .menu = "&Datei/&Drucken..."},
      {.name = "menu", .usage = "\"PFAD\"", .play = &P::PlayMenu},
      {.name = "element", .usage = element.c_str(), .play = &P::PlayElement},
      {.name = "drag", .usage = "X1 Y1 X2 Y2", .play = &P::PlayDrag},
      {.name = "click", .usage = "X Y oder click ID", .play = &P::PlayClick},
      {.name = "dclick", .usage = "X Y", .play = &P::PlayDoubleClick},
      {.name = "key",
       .usage = "Delete|Escape|Return|Ctrl+X|Tab|Shift+Tab|Space|Left|Up|Right|Down",
       .play = &P::PlayKey,
       .make = &P::MakeKey},
      {.name = "edit", .usage = "NAME", .play = &P::PlayEdit},
      {.name = "dialog",
       .usage = "ID|NAME",
       .play = &P::PlayDialog,
       .make = &P::MakeDialog,
       .prepares = true},
      {.name = "answer",
       .usage = "Ok|Cancel|Yes|No",
       .play = &P::PlayAnswer,
       .make = &P::MakeLater,
       .prepares = true},
      {.name = "file",
       .usage = "PFAD",
       .play = &P::PlayFile,
       .make = &P::MakeLater,
       .prepares = true},
      {.name = "advance", .usage = "MS [ANZAHL]", .play = &P::PlayAdvance, .make = &P::MakeLater},
      {.name = "idle", .usage = "", .play = &P::PlayIdle, .make = &P::MakeLater},
      {.name = "wait", .usage = "[MS]", .play = &P::PlayWait, .realTime = true},
      {.name = "clipboard", .usage = "DATEI", .play = &P::PlayClipboard, .make = &P::MakeLater},
      {.name = "png", .usage = "DATEI", .play = &P::PlayPng},
      {.name = "window", .usage = "ID|NAME", .play = &P::PlayWindow},
      // The lines that end blocks.
      {.name = "ok", .usage = "", .make = &P::MakeOk, .dialogsOnly = true, .closes = true},
      {.name = "cancel", .usage = "", .make = &P::MakeCancel, .dialogsOnly = true, .closes = true},
      {.name = "end", .usage = "", .make = &P::MakeEnd, .closes = true},
  };
  return commands;
}

}  // namespace ui_script

namespace {

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
  // A line ends at LF, CR LF or CR alone, as in netlists, whichever system wrote the script.
  size_t at = 0;
  for (int number = 1; at < bytes.size(); ++number) {
    const size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
    Line line{number, {}};
    if (!SplitWords(bytes.substr(at, end - at), line.words)) {
      std::fprintf(stderr, "%s:%d: Anführungszeichen nicht geschlossen\n", path, number);
      return false;
    }
    if (!line.words.empty()) lines.push_back(std::move(line));
    at = end + 1;
    if (bytes.compare(end, 2, "\r\n") == 0) ++at;
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
    const auto rows = ui_script::Commands();
    const bool realTime = std::any_of(rows.begin(), rows.end(), [&line](const auto& c) {
      return c.realTime && line.words[0] == c.name;
    });
    if (beyond || realTime) {
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
  ui_script::Player player(headless, app);
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
