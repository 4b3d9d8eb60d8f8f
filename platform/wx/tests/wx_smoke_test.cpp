// The acceptance run: the main frame with a canvas and the error window on the screen; the
// canvas's pixels on the screen are the headless render of the same drawing.

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/stattext.h>

#include <memory>
#include <string>

#include "basics/ui/ErrorDialog.h"
#include "pf/cairo_dc.h"
#include "pf/frame.h"
#include "pf/headless.h"
#include "pf/path_map.h"
#include "pf/process.h"
#include "resources/BasicsIds.h"
#include "wx_test.h"

namespace pf::test {
namespace {

constexpr Rect kCanvasRect{20, 30, 340, 250};
constexpr char kMessage[] = "Größe ungültig: 50 Ω";

// The pictures a failure leaves for a look lie beside the test program, in the build folder.
std::string Beside(const char* name) { return ProgramDirectory() + "/" + name; }

class Drawing : public Window {
 public:
  std::function<void()> onTimer;

 protected:
  void OnPaint(Dc& dc) override {
    dc.FillRect(GetClientRect(), Brush{BrushStyle::Solid, Rgb(250, 250, 235)});
    dc.SelectObject(Pen{PenStyle::Solid, 1, Rgb(200, 0, 0)});
    dc.SelectObject(Brush{BrushStyle::Solid, Rgb(0, 90, 200)});
    dc.Rectangle({10, 10, 110, 70});
    dc.Ellipse({130, 10, 250, 90});
    const Point triangle[] = {{20, 120}, {120, 100}, {80, 170}};
    dc.Polygon(triangle);
    dc.SelectObject(Pen{PenStyle::Dash, 1, Rgb(0, 0, 0)});
    dc.MoveTo(10, 95);
    dc.LineTo(310, 200);
    dc.SelectObject(Font{"Arial", -16});
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(140, 120, kMessage);
  }
  void OnTimer(int) override { onTimer(); }
};

// The whole screen, taken by the X server's own image of it.
std::unique_ptr<CairoDc> Screenshot(const std::string& path) {
  Process import;
  if (!import.Start({"import", "-window", "root", path}, ".")) return nullptr;
  for (int i = 0; i < 1000 && import.Poll() == Process::State::Running; ++i) usleep(10000);
  if (import.Poll() != Process::State::Exited || import.ExitCode() != 0) return nullptr;
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  auto image = cairo_surface_status(png) == CAIRO_STATUS_SUCCESS ? CairoDc::ForImageSurface(png)
                                                                 : nullptr;
  cairo_surface_destroy(png);
  return image;
}

// The pixels of the expected image that differ on the screen at origin.
int Differences(const CairoDc& screen, const CairoDc& expected, wxPoint origin) {
  int differ = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      differ += screen.GetPixel(origin.x + x, origin.y + y) != expected.GetPixel(x, y);
  return differ;
}

std::unique_ptr<CairoDc> HeadlessRender() {
  Headless headless;
  Window frame;
  frame.CreateTopLevel(nullptr, {0, 0, 400, 300});
  Drawing canvas;
  canvas.CreateChild(frame, 1, kCanvasRect);
  frame.ShowWindow(true);
  auto image = headless.Render(canvas);
  image->WritePng(Beside("wx_smoke_headless.png"));
  return image;
}

class SmokeApp : public ErrorReportingApp {
 public:
  SmokeApp() : ErrorReportingApp("Vostrane") {}

  bool InitInstance() override {
    auto frame = std::make_unique<MdiFrameWnd>();
    frame->CreateTopLevel(nullptr, {0, 0, 400, 300});
    frame->SetBaseTitle("Vostrane");
    title = NativeWindow(*frame)->GetLabel().utf8_string();
    canvas = &frame->AdoptChild(std::make_unique<Drawing>());
    canvas->CreateChild(*frame, 1, kCanvasRect);
    canvas->onTimer = [this] { Step(); };
    frame->ShowWindow(true);
    SetMainWnd(std::move(frame));
    ReportError(kMessage);
    canvas->SetTimer(1, 100);
    return true;
  }

  // The view's timer: open the error window, compare the screen until it shows the drawing,
  // answer the error window with OK, close it, end.
  void Step() {
    if (++ticks > 60) {
      GetMainWnd()->Close();
      return;
    }
    if (GetErrorDialog() == nullptr && !dialogSeen) {
      ShowErrorDialog();
      return;
    }
    dialogSeen = true;
    if (differences != 0) {
      const auto screen = Screenshot(Beside("wx_smoke.png"));
      if (screen == nullptr) return;
      const wxPoint origin = NativeWindow(*canvas)->GetScreenPosition();
      differences = Differences(*screen, *expected, origin);
      if (differences == 0) {
        const auto* label = dynamic_cast<wxStaticText*>(
            NativeWindow(*GetErrorDialog()->GetDlgItem(error_ids::kMessage)));
        messageShown = label != nullptr ? label->GetLabel().utf8_string() : "";
        dialogSize = NativeWindow(*GetErrorDialog())->GetClientSize();
        SendCommand(*GetErrorDialog()->GetDlgItem(pf::kIdOk), wxEVT_BUTTON);
      }
      return;
    }
    CloseErrorDialog();
    if (GetErrorDialog() == nullptr) GetMainWnd()->Close();
  }

  std::unique_ptr<CairoDc> expected;
  std::string title;
  Drawing* canvas = nullptr;
  int ticks = 0;
  bool dialogSeen = false;
  int differences = -1;
  std::string messageShown;
  wxSize dialogSize;
};

TEST(WxSmoke, CanvasOnScreenIsTheHeadlessRender) {
  SmokeApp app;
  app.expected = HeadlessRender();
  ASSERT_EQ(app.expected->Width(), kCanvasRect.Width());
  desktop->Run(app);
  EXPECT_EQ(app.title, "Vostrane");
  EXPECT_TRUE(app.dialogSeen);
  EXPECT_EQ(app.differences, 0) << "see " << Beside("wx_smoke.png") << " and "
                                << Beside("wx_smoke_headless.png");
  EXPECT_EQ(app.messageShown, kMessage);
  EXPECT_EQ(app.dialogSize, wxSize(279, 154));
  // OK closed the error window and emptied the queue.
  EXPECT_EQ(app.GetErrorDialog(), nullptr);
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

}  // namespace
}  // namespace pf::test
