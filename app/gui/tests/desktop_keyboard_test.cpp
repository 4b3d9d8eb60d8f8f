// The keyboard in the desktop program's dialogs, driven through the X server with xdotool: a
// placed capacitor's dialog opens with its value field focused and selected, so "2pF" typed at
// once and Enter give the capacitor 2 pF; Tab passes the disabled length to the SMD check box,
// Space checks it, and Tab then reaches the length. The network analyser's panel opens with its
// first key focused; in its "Frequenz" dialog, Tab moves from Start to Stop and on to Anzahl
// (texts and the group box passed over), Down moves the radio group's check to its other button,
// Shift+Tab comes back from the group, and what is typed after each lands in the field that has
// the focus. A placed substrate's dialog shows its
// two-line label whole, and four Tabs from the name reach the metal's thickness. Every template's
// static texts, as the toolkit wraps and measures them, fit their controls.

#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "desktop_driver.h"
#include "editor/symbols/SubSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/controls.h"
#include "pf/desktop.h"
#include "pf/dialog_template.h"
#include "resources/AnalyserIds.h"
#include "resources/CommandIds.h"
#include "resources/ElementDialogIds.h"
#include "resources/LineDialogIds.h"

namespace {

using namespace desktop_driver;
namespace fs = std::filesystem;

constexpr int kCapacitor = 5;
constexpr int kSubstrate = 21;
// Free places of the example, in drawing units.
constexpr pf::Point kDragFrom{700, 500};
constexpr pf::Point kDragTo{800, 500};

// The control of the id has the focus, in the model and on the screen; an edit has its whole
// text selected when select is set.
bool Focused(pf::Dialog& dialog, int id, bool select = false) {
  const pf::Window* focus = dialog.GetFocusedWindow();
  if (focus == nullptr || focus->GetDlgCtrlID() != id) return false;
  wxWindow* native = pf::NativeWindow(*focus);
  if (native == nullptr || wxWindow::FindFocus() != native) return false;
  const auto* text = dynamic_cast<const wxTextCtrl*>(native);
  return !select || (text != nullptr && !text->IsEmpty() &&
                     text->GetStringSelection() == text->GetValue());
}

// The static texts of the dialog that the toolkit, wrapping and measuring them in the dialog's
// font, cannot show whole in their controls: "TEXT: W x H px in W x H".
std::vector<std::string> CutLabels(const pf::Dialog& dialog) {
  std::vector<std::string> cut;
  for (const pf::Window* child : dialog.Children()) {
    auto* label = dynamic_cast<wxStaticText*>(pf::NativeWindow(*child));
    if (label == nullptr || label->GetLabelText().IsEmpty()) continue;
    wxClientDC dc(label);
    dc.SetFont(label->GetFont());
    wxCoord width = 0;
    wxCoord height = 0;
    dc.GetMultiLineTextExtent(label->GetLabelText(), &width, &height);
    const wxSize room = label->GetSize();
    if (width > room.x || height > room.y) {
      cut.push_back(child->GetWindowText() + ": " + std::to_string(width) + " x " +
                    std::to_string(height) + " px in " + std::to_string(room.x) + " x " +
                    std::to_string(room.y));
    }
  }
  return cut;
}

// The keys typed into the dialog's window.
bool Type(const pf::Dialog& dialog, const std::vector<std::string>& keys) {
  return Keys("^" + pf::NativeWindow(dialog)->GetLabel().utf8_string() + "$", keys);
}

// Enter in the window that has the focus. A key sent to a named window whose press closes it
// has its release sent after it to a window that is gone, and the key repeats on; typed at the
// focus, it is released.
bool Enter() { return Input({"key", "Return"}); }

TEST(DesktopKeyboard, DialogOpensFocusedAndTabSpaceAndEnterWork) {
  const fs::path circuit = CopyExample(VOSTRANE_EXAMPLE, fs::current_path() / "keyboard");
  std::string failed;
  std::string value;
  std::string length;
  int smd = -1;
  bool firstFocused = false;
  {
    DrivenApp app(circuit.string());
    int symbols = 0;
    pf::Dialog* dialog = nullptr;
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the element bar's capacitor is pressed",
         [&] {
           symbols = app.Doc()->Symbols().GetCount();
           return PressElement(*app.GetMainFrame()->GetElementBar(), kCapacitor);
         }},
        {"the capacitor is dragged on the circuit",
         [&] {
           return app.View().GetElementType() == kCapacitor &&
                  Drag(OnScreen(app.View(), kDragFrom), OnScreen(app.View(), kDragTo));
         }},
        {"its dialog opens with the value focused and selected; 2pF, Tab, Space",
         [&] {
           dialog = ShownDialog(smd_ids::kCapTemplate);
           if (dialog == nullptr || !Focused(*dialog, smd_ids::kCapacitance, true)) return false;
           firstFocused = true;
           return Type(*dialog, {"2", "p", "F", "Tab", "space"});
         }},
        // The length takes the keyboard only once Space has enabled it, which a slow build may
        // not have done before the next key of one burst.
        {"Space enables the length; Tab, 3mm",
         [&] {
           const pf::Window* length = dialog->GetDlgItem(smd_ids::kCapLength);
           return length != nullptr && length->IsWindowEnabled() &&
                  Focused(*dialog, smd_ids::kSmd) && Type(*dialog, {"Tab", "3", "m", "m"});
         }},
        {"the length has the focus; Enter",
         [&] {
           return Focused(*dialog, smd_ids::kCapLength) && Enter();
         }},
        {"the capacitor is placed",
         [&] {
           if (app.Doc()->Symbols().GetCount() != symbols + 1) return false;
           CapSymbol* placed = nullptr;
           app.Doc()->Symbols().ForEach([&](NetSymbol* s) {
             if (auto* cap = dynamic_cast<CapSymbol*>(s); cap != nullptr && cap->smdFlag == 1) {
               placed = cap;
             }
           });
           if (placed != nullptr) {
             value = placed->c.ToCString();
             length = placed->smdLength.ToCString();
             smd = placed->smdFlag;
           }
           app.Doc()->SetModifiedFlag(false);
           return true;
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_TRUE(firstFocused);
  EXPECT_EQ(value, "2pF");
  EXPECT_EQ(smd, 1);
  EXPECT_EQ(length, "3mm");
  desktop->Install();
}

TEST(DesktopKeyboard, TabMovesThroughTheAnalysersFrequencyDialog) {
  const fs::path circuit =
      CopyExample(VOSTRANE_ANALYSER_EXAMPLE, fs::current_path() / "keyboard");
  std::string failed;
  double start = 0.0;
  double stop = 0.0;
  int count = 0;
  char mode = 0;
  int checkedFirst = 0;
  {
    DrivenApp app(circuit.string());
    VecNetAnaDialog* panel = nullptr;
    pf::Dialog* frequency = nullptr;
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the analyser's panel is opened",
         [&] {
           VecNetAnaSymbol* vna = FindSymbol<VecNetAnaSymbol>(*app.Doc());
           if (vna == nullptr) return false;
           app.View().OpenSymbol(*vna);
           panel = dynamic_cast<VecNetAnaDialog*>(vna->GetWindow());
           return panel != nullptr;
         }},
        {"the panel shows with its first key focused",
         [&] { return panel->IsVisible() && Focused(*panel, analyser_ids::kParameter); }},
        {"Frequenz is pressed",
         [&] {
           const pf::Window* key = panel->GetDlgItem(analyser_ids::kFrequency);
           return Click(OnScreen(*key, {10, 8}));
         }},
        {"the dialog opens with Start focused; 2GHz, Tab, 5GHz, Tab, 11, Tab",
         [&] {
           frequency = ShownNamedDialog(freq_ids::kTemplate);
           return frequency != nullptr && Focused(*frequency, freq_ids::kStart, true) &&
                  Type(*frequency, {"2", "G", "H", "z", "Tab", "5", "G", "H", "z", "Tab",
                                       "1", "1", "Tab"});
         }},
        {"the radio group has the focus on its checked button; Down",
         [&] {
           const pf::Window* focus = frequency->GetFocusedWindow();
           const int id = focus != nullptr ? focus->GetDlgCtrlID() : 0;
           checkedFirst = id;
           return (id == freq_ids::kLinear || id == freq_ids::kExponential) &&
                  frequency->IsDlgButtonChecked(id) != 0 && Focused(*frequency, id) &&
                  Type(*frequency, {"Down"});
         }},
        {"the other button has the focus and the check; Shift+Tab",
         [&] {
           const int other =
               checkedFirst == freq_ids::kLinear ? freq_ids::kExponential : freq_ids::kLinear;
           return frequency->IsDlgButtonChecked(other) != 0 &&
                  frequency->IsDlgButtonChecked(checkedFirst) == 0 &&
                  Focused(*frequency, other) && Type(*frequency, {"shift+Tab"});
         }},
        {"Anzahl has the focus and its text selected; 21",
         [&] {
           return Focused(*frequency, freq_ids::kCount, true) &&
                  Type(*frequency, {"2", "1"});
         }},
        {"Enter", [&] { return Enter(); }},
        {"the dialog closes",
         [&] {
           if (ShownNamedDialog(freq_ids::kTemplate) != nullptr) return false;
           start = panel->GetSweep().start;
           stop = panel->GetSweep().stop;
           count = panel->GetSweep().count;
           mode = panel->GetSweep().mode;
           app.Doc()->SetModifiedFlag(false);
           return true;
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_EQ(start, 2e9);
  EXPECT_EQ(stop, 5e9);
  EXPECT_EQ(count, 21);
  // Down moved the check from the sweep's kind to the other one.
  EXPECT_EQ(mode, checkedFirst == freq_ids::kLinear ? 'E' : 'L');
  desktop->Install();
}

TEST(DesktopKeyboard, SubstrateDialogShowsItsLabelsWholeAndTabReachesTheThickness) {
  const fs::path circuit = CopyExample(VOSTRANE_EXAMPLE, fs::current_path() / "keyboard");
  std::string failed;
  std::vector<std::string> cut{"not shown"};
  std::string name;
  float thickness = 0.0f;
  {
    DrivenApp app(circuit.string());
    pf::Dialog* dialog = nullptr;
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the element bar's substrate is pressed",
         [&] { return PressElement(*app.GetMainFrame()->GetElementBar(), kSubstrate); }},
        {"the substrate is dragged on the circuit",
         [&] {
           return app.View().GetElementType() == kSubstrate &&
                  Drag(OnScreen(app.View(), kDragFrom), OnScreen(app.View(), kDragTo));
         }},
        {"its dialog opens with the name focused; ALU, four Tabs, 35um",
         [&] {
           dialog = ShownDialog(substrate_ids::kTemplate);
           if (dialog == nullptr || !Focused(*dialog, substrate_ids::kName, true)) return false;
           cut = CutLabels(*dialog);
           return Type(*dialog, {"A", "L", "U", "Tab", "Tab", "Tab", "Tab", "3", "5", "u", "m"});
         }},
        {"the thickness has the focus; Enter",
         [&] { return Focused(*dialog, substrate_ids::kMetal) && Enter(); }},
        {"the substrate is placed",
         [&] {
           const SubSymbol* substrate = FindSymbol<SubSymbol>(*app.Doc());
           if (substrate == nullptr || ShownDialog(substrate_ids::kTemplate) != nullptr) {
             return false;
           }
           name = substrate->substrateName.ToCString();
           thickness = substrate->metalThickness;
           app.Doc()->SetModifiedFlag(false);
           return true;
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_EQ(cut, std::vector<std::string>{});
  EXPECT_EQ(name, "ALU");
  EXPECT_FLOAT_EQ(thickness, 35e-6f);
  desktop->Install();
}

// Every template's dialog on the desktop shows its static texts whole.
TEST(DesktopLabels, EveryStaticTextShowsWhole) {
  desktop->Install();
  for (const pf::DialogTemplate* t : pf::DialogTemplates::Instance().All()) {
    auto dialog = t->id != 0 ? std::make_unique<pf::Dialog>(t->id)
                             : std::make_unique<pf::Dialog>(std::string(t->name));
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ(CutLabels(*dialog), std::vector<std::string>{}) << dialog->TemplateLabel();
    dialog->DestroyWindow();
  }
}

}  // namespace
