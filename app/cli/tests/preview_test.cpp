// The print preview played by `vostrane-cli ui-script`: the page it shows is the page that
// `vostrane-cli print` writes, drawn smaller.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/cli/tests/page_match.h"

namespace {

const std::string kDir = VOSTRANE_PREVIEW_SCRATCH;
const std::string kCircuit = VOSTRANE_PREVIEW_CIRCUIT;

// Runs a shell command; its output goes to run.log.
int Shell(const std::string& command) {
  const int rc = std::system((command + " >" + kDir + "/run.log 2>&1").c_str());
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string Log() {
  std::ifstream in(kDir + "/run.log");
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The page of a preview window: the box inside the frame that stands on the ground, which
// shows at the bottom left corner, below the button bar.
pf::Rect PageOf(const pf::CairoDc& preview) {
  const pf::ColorRef ground = preview.GetPixel(0, preview.Height() - 1);
  int top = preview.Height() - 1;
  while (top > 0 && preview.GetPixel(0, top - 1) == ground) --top;
  pf::Rect frame{preview.Width(), preview.Height(), 0, 0};
  for (int y = top; y < preview.Height(); ++y) {
    for (int x = 0; x < preview.Width(); ++x) {
      if (preview.GetPixel(x, y) == ground) continue;
      frame = {std::min(frame.left, x), std::min(frame.top, y), std::max(frame.right, x + 1),
               std::max(frame.bottom, y + 1)};
    }
  }
  return {frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
}

TEST(PrintPreview, ShowsThePrintedPageScaledToTheWindow) {
  if (Shell("command -v pdftoppm") != 0) GTEST_SKIP() << "pdftoppm not found";
  const std::string script = kDir + "/preview.txt";
  std::ofstream(script) << "open " << kCircuit << "\n"
                        << "menu \"&Datei/Sei&tenansicht\"\n"
                        << "png " << kDir << "/preview.png\n"
                        << "key Escape\n"
                        << "menu \"&Datei/Sei&tenansicht\"\n"
                        << "print " << kDir << "/preview.pdf\n";
  ASSERT_EQ(Shell(std::string(VOSTRANE_CLI) + " ui-script " + script), 0) << Log();
  EXPECT_EQ(Log(), "");  // the menu takes input again once the preview has closed
  ASSERT_EQ(Shell(std::string(VOSTRANE_CLI) + " print " + kCircuit + " " + kDir + "/cli.pdf"), 0);

  const auto preview = page_match::ReadPng(kDir + "/preview.png");
  ASSERT_NE(preview, nullptr);
  const pf::Rect page = PageOf(*preview);
  ASSERT_GT(page.Width(), 100);
  // The preview's own print is the command line's page.
  for (const char* pdf : {"cli", "preview"}) {
    SCOPED_TRACE(pdf);
    const std::string stem = kDir + "/" + pdf + "-page";
    ASSERT_EQ(Shell("pdftoppm -scale-to-x " + std::to_string(page.Width()) + " -scale-to-y " +
                    std::to_string(page.Height()) + " -png -singlefile " + kDir + "/" + pdf +
                    ".pdf " + stem),
              0);
    const auto printed = page_match::ReadPng(stem + ".png");
    ASSERT_NE(printed, nullptr);
    ASSERT_EQ(printed->Width(), page.Width());
    ASSERT_EQ(printed->Height(), page.Height());
    auto shown = pf::CairoDc::CreateImage(page.Width(), page.Height());
    ASSERT_TRUE(shown->BitBlt(0, 0, page.Width(), page.Height(), *preview, page.left, page.top));
    shown->WritePng(kDir + "/shown-page.png");
    // Poppler and Cairo shade thin lines and letters apart; a page drawn at another scale or
    // place leaves most of its lines unmatched.
    EXPECT_LE(page_match::Unmatched(*shown, *printed), page.Width() * page.Height() / 400)
        << "see " << kDir << "/shown-page.png and " << stem << ".png";
  }
}

}  // namespace
