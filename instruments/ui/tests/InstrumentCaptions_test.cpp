// An instrument's window bears the name of its instrument from the first opening: the window that
// opens as the symbol is dragged into the circuit names it as the circuit does ("VNA1", not the
// kind's "VNA"), and so does every later opening; a second of a kind bears its own number.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "pf/headless.h"
#include "pf/profile.h"
#include "resources/ScopeIds.h"

namespace {

// The instruments whose window shows their name, by element type: the modal dialog that opens
// on placing (0 for the analyser, whose panel opens and stays open), the window that opening the
// placed symbol shows (0: the analyser's panel), and the names of two placed in turn. A new
// plotter is set up first, its window shown on the next opening.
struct Kind {
  int type;
  int placing;
  int window;
  std::vector<std::string> names;
};

const Kind kKinds[] = {
    {31, 0, 0, {"VNA1"}},  // a circuit takes one analyser
    {40, specana_ids::kTemplate, specana_ids::kTemplate, {"Spec1", "Spec2"}},
    {41, oszi_ids::kTemplate, oszi_ids::kTemplate, {"Oszi1", "Oszi2"}},
    {51, plotter_ids::kSetUpTemplate, plotter_ids::kTemplate, {"Plot1", "Plot2"}},
};

TEST(InstrumentCaptions, AWindowNamesItsInstrumentFromTheFirstOpening) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.type);
    pf::Headless headless;
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
    CVostraneApp app({}, [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    auto& view =
        dynamic_cast<CVostraneView&>(*app.GetMainFrame()->MdiGetActive()->GetActiveView());
    for (size_t i = 0; i < kind.names.size(); ++i) {
      // The captions of the instrument's window at each opening.
      std::vector<std::string> captions;
      const auto note = [&captions](pf::DialogDriver& d) {
        captions.push_back(d.GetDialog().GetWindowText());
      };
      if (kind.placing != 0) {
        headless.ExpectDialog(kind.placing, [&](pf::DialogDriver& d) {
          if (kind.placing == kind.window) note(d);
          d.Ok();
        });
      }
      view.SetElementType(kind.type);
      const int y = 100 + 100 * static_cast<int>(i);
      headless.MouseDown(view, {100, y});
      headless.MouseMove(view, {200, y});
      headless.MouseUp(view, {200, y});
      NetSymbol* placed = view.GetDocument()->FindSymbolByName(MyStrng(kind.names[i].c_str()));
      ASSERT_NE(placed, nullptr) << kind.names[i] << " not placed";
      const auto* panel = dynamic_cast<MessGeraetSymbol*>(placed);
      if (kind.window != 0) {
        headless.ExpectDialog(kind.window, [&](pf::DialogDriver& d) {
          note(d);
          d.Close();
        });
      } else {
        ASSERT_TRUE(panel != nullptr && panel->GetWindow() != nullptr);
        captions.push_back(panel->GetWindow()->GetWindowText());
      }
      view.OpenSymbol(*placed);
      if (kind.window == 0) captions.push_back(panel->GetWindow()->GetWindowText());
      const size_t openings = kind.placing == kind.window ? 2 : 1;
      EXPECT_EQ(captions, std::vector<std::string>(openings, kind.names[i]));
    }
    view.GetDocument()->SetModifiedFlag(false);
  }
}

}  // namespace
