// An instrument's window bears the name of its instrument from the first opening: the window that
// opens as the symbol is dragged into the circuit names it as the circuit does ("VNA1", not the
// kind's "VNA"), and a second of a kind its own number.

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

// The instruments whose window shows their name, by element type: the modal window that opens
// on placing (0 for the analyser's panel, which stays open) and the names of two placed in turn.
struct Kind {
  int type;
  int window;
  std::vector<std::string> names;
};

const Kind kKinds[] = {
    {31, 0, {"VNA1"}},  // a circuit takes one analyser
    {40, specana_ids::kTemplate, {"Spec1", "Spec2"}},
    {41, oszi_ids::kTemplate, {"Oszi1", "Oszi2"}},
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
      std::string caption;
      if (kind.window != 0) {
        headless.ExpectDialog(kind.window, [&caption](pf::DialogDriver& d) {
          caption = d.GetDialog().GetWindowText();
          d.Ok();
        });
      }
      view.SetElementType(kind.type);
      const int y = 100 + 100 * static_cast<int>(i);
      headless.MouseDown(view, {100, y});
      headless.MouseMove(view, {200, y});
      headless.MouseUp(view, {200, y});
      MessGeraetSymbol* placed = nullptr;
      view.GetDocument()->Symbols().ForEach(
          [&placed](NetSymbol* s) { placed = dynamic_cast<MessGeraetSymbol*>(s); });
      ASSERT_NE(placed, nullptr);
      if (kind.window == 0) {
        ASSERT_NE(placed->GetWindow(), nullptr);
        caption = placed->GetWindow()->GetWindowText();
      }
      EXPECT_EQ(caption, kind.names[i]);
      EXPECT_EQ(std::string(placed->elementName.ToCString()), kind.names[i]);
    }
    view.GetDocument()->SetModifiedFlag(false);
  }
}

}  // namespace
