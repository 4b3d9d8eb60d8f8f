#include "basics/ui/ErrorDialog.h"

#include <gtest/gtest.h>

#include "pf/headless.h"
#include "resources/BasicsIds.h"

namespace {

// The program's timer, as the schematic view runs it: open the window for a pending error,
// close it once the user has.
class TimerView : public pf::Window {
 public:
  explicit TimerView(ErrorReportingApp& app) : app_(app) {}

 protected:
  void OnTimer(int) override {
    app_.ShowErrorDialog();
    app_.CloseErrorDialog();
  }

 private:
  ErrorReportingApp& app_;
};

class ErrorDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
    auto main = std::make_unique<pf::Window>();
    main->CreateTopLevel(nullptr, {0, 0, 1280, 1024}, "Vostrane");
    app.SetMainWnd(std::move(main));
    view.CreateChild(*app.GetMainWnd(), 0, {0, 0, 1280, 1000});
    view.SetTimer(101, 500);
  }

  pf::Headless headless;
  ErrorReportingApp app{"Vostrane"};
  TimerView view{app};
};

TEST_F(ErrorDialogTest, QueuedMessageOpensOneCentredWindowAtTheTickAfterIdle) {
  app.ReportError("Erster Fehler");
  headless.Advance(500);
  EXPECT_EQ(app.GetErrorDialog(), nullptr) << "nothing pending before an idle pass";

  headless.RunIdle();
  EXPECT_EQ(app.GetErrorPending(), 1);
  headless.Advance(500);
  ErrorDialog* shown = app.GetErrorDialog();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(app.GetErrorPending(), 0);
  EXPECT_TRUE(shown->IsWindowVisible());
  EXPECT_EQ(shown->GetOwner(), app.GetMainWnd());
  EXPECT_EQ(shown->GetWindowText(), "Error Message");
  EXPECT_EQ(shown->GetDlgItemText(error_ids::kMessage), "Erster Fehler");
  // 186 x 95 dialog units are 279 x 154 pixels, centred on 1280 x 1024.
  EXPECT_EQ(shown->GetWindowRect(), (pf::Rect{501, 435, 780, 589}));

  app.ReportError("Zweiter Fehler");
  headless.RunIdle();
  headless.Advance(500);
  EXPECT_EQ(app.GetErrorDialog(), shown) << "no second window";
  EXPECT_EQ(app.GetErrorPending(), 0);
  EXPECT_EQ(shown->GetDlgItemText(error_ids::kMessage), "Erster Fehler");
  EXPECT_EQ(VS_Error::MessageCount(), 2);
}

TEST_F(ErrorDialogTest, OkAndAbbrechenCloseAndTheNextTickEmptiesTheQueue) {
  for (int button : {pf::kIdOk, pf::kIdCancel}) {
    app.ReportError("Fehler");
    headless.RunIdle();
    headless.Advance(500);
    ASSERT_NE(app.GetErrorDialog(), nullptr);
    app.ReportError("Spaeter");  // never shown

    pf::DialogDriver(headless, *app.GetErrorDialog()).Click(button);
    EXPECT_EQ(app.GetErrorWindowClosed(), 1) << button;
    EXPECT_FALSE(app.GetErrorDialog()->IsWindowVisible());
    EXPECT_EQ(VS_Error::MessageCount(), 2);

    headless.Advance(500);
    EXPECT_EQ(app.GetErrorDialog(), nullptr) << button;
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(app.GetErrorPending(), 0);
    EXPECT_EQ(app.GetErrorWindowClosed(), 0);
  }
}

}  // namespace
