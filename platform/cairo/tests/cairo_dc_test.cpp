#include "pf/cairo_dc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pf/cairo_recording_dc.h"
#include "platform/core/tests/full_disk.h"
#include "platform/core/tests/temp_dir.h"

namespace pf {
namespace {

using test::ReadFile;

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);

std::unique_ptr<CairoDc> NewImage(int w = 64, int h = 64) {
  auto dc = CairoDc::CreateImage(w, h);
  EXPECT_TRUE(dc);
  return dc;
}

int Darkness(ColorRef c) { return 255 - (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3; }

// Bounding box of every pixel that is not white; empty when there is none.
Rect InkBounds(const CairoDc& dc) {
  Rect box{dc.Width(), dc.Height(), 0, 0};
  for (int y = 0; y < dc.Height(); ++y)
    for (int x = 0; x < dc.Width(); ++x)
      if (dc.GetPixel(x, y) != kWhite)
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
  return box;
}

bool Within(const Rect& ink, const Rect& box) {
  return ink.left >= box.left && ink.top >= box.top && ink.right <= box.right &&
         ink.bottom <= box.bottom;
}

Font LabelFont(int escapement) { return Font{"Arial", 12, 0, escapement, 300}; }

TEST(CairoDc, LinesLeaveOutTheirEndPixelAndAxisAlignedOnesStayCrisp) {
  const std::pair<Point, Point> cases[] = {
      {{5, 10}, {15, 10}}, {{15, 10}, {5, 10}}, {{10, 5}, {10, 15}}, {{10, 15}, {10, 5}}};
  for (const auto& [from, to] : cases) {
    auto dc = NewImage(24, 24);
    dc->MoveTo(from);
    dc->LineTo(to);
    const int dx = (to.x > from.x) - (to.x < from.x);
    const int dy = (to.y > from.y) - (to.y < from.y);
    for (Point p = from; p != to; p = p + Point{dx, dy})
      EXPECT_EQ(dc->GetPixel(p.x, p.y), kBlack) << p.x << "," << p.y;
    EXPECT_EQ(dc->GetPixel(to.x, to.y), kWhite);
    EXPECT_EQ(dc->GetPixel(from.x - dx, from.y - dy), kWhite);
    // Nothing beside the line: no half-covered neighbours.
    EXPECT_EQ(dc->GetPixel(from.x + dy, from.y + dx), kWhite);
    EXPECT_EQ(dc->GetPixel(from.x - dy, from.y - dx), kWhite);
  }

  auto diagonal = NewImage(24, 24);
  diagonal->MoveTo(2, 2);
  diagonal->LineTo(12, 12);
  EXPECT_GT(Darkness(diagonal->GetPixel(11, 11)), 128);
  EXPECT_EQ(diagonal->GetPixel(12, 12), kWhite);

  auto poly = NewImage(24, 24);
  const Point points[] = {{2, 2}, {10, 2}, {10, 10}};
  poly->Polyline(points);
  EXPECT_EQ(poly->GetPixel(10, 2), kBlack);  // the corner
  EXPECT_EQ(InkBounds(*poly), (Rect{2, 2, 11, 10}));
}

// The fill leaves out right and bottom, the pen's outline covers them; a polygon's outline
// covers its points.
TEST(CairoDc, ShapesExcludeRightAndBottom) {
  enum Shape { kRectangle, kEllipse, kPolygon };
  const struct {
    Shape shape;
    bool pen;
    Rect expected;  // the ink of the shape drawn in (10, 10, 31, 25)
  } cases[] = {{kRectangle, true, {10, 10, 31, 25}}, {kRectangle, false, {10, 10, 30, 24}},
               {kEllipse, true, {10, 10, 31, 25}},   {kEllipse, false, {10, 10, 30, 24}},
               {kPolygon, true, {10, 10, 32, 26}},   {kPolygon, false, {10, 10, 31, 25}}};
  const Point corners[] = {{10, 10}, {31, 10}, {31, 25}, {10, 25}};
  for (const auto& c : cases) {
    auto dc = NewImage(40, 40);
    dc->SelectStockObject(StockObject::BlackBrush);
    if (!c.pen) dc->SelectStockObject(StockObject::NullPen);
    if (c.shape == kRectangle) dc->Rectangle({10, 10, 31, 25});
    if (c.shape == kEllipse) dc->Ellipse({10, 10, 31, 25});
    if (c.shape == kPolygon) dc->Polygon(corners);
    const Rect& e = c.expected;
    EXPECT_EQ(InkBounds(*dc), e) << c.shape << c.pen;
    // The middle of every edge is solid.
    const int mx = (e.left + e.right) / 2, my = (e.top + e.bottom) / 2;
    for (Point p : {Point{e.left, my}, {e.right - 1, my}, {mx, e.top}, {mx, e.bottom - 1}})
      EXPECT_GT(Darkness(dc->GetPixel(p.x, p.y)), 200) << c.shape << c.pen;
  }
}

TEST(CairoDc, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  auto dc = NewImage(40, 40);
  dc->SelectObject(Pen{PenStyle::Solid, 1, Rgb(255, 0, 0)});
  dc->SelectObject(Brush{BrushStyle::Solid, Rgb(0, 0, 255)});
  dc->Rectangle({10, 10, 20, 20});
  EXPECT_EQ(dc->GetPixel(19, 15), Rgb(255, 0, 0));
  EXPECT_EQ(dc->GetPixel(18, 18), Rgb(0, 0, 255));
  EXPECT_EQ(dc->GetPixel(20, 15), kWhite);

  dc->FillRect({25, 26, 35, 29}, StockBrush(StockObject::BlackBrush));
  EXPECT_EQ(InkBounds(*dc), (Rect{10, 10, 35, 29}));
  EXPECT_EQ(dc->GetBrush(), (Brush{BrushStyle::Solid, Rgb(0, 0, 255)}));  // selection untouched
}

TEST(CairoDc, ArcsRunCounterClockwise) {
  const Point east{60, 30}, north{30, 0}, west{0, 30};
  struct Case {
    Point start, end;
    bool inked[4];  // quadrants: upper right, upper left, lower left, lower right
  } cases[] = {
      {east, north, {true, false, false, false}},
      {north, east, {false, true, true, true}},
      {west, east, {false, false, true, true}},
      {east, {60, 31}, {true, true, true, true}},  // the same ray: the whole ellipse
  };
  // Probes on the circle at 45 degrees in each quadrant.
  const Point probes[] = {{44, 16}, {16, 16}, {16, 44}, {44, 44}};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    auto dc = NewImage(64, 64);
    dc->Arc({10, 10, 51, 51}, cases[i].start, cases[i].end);
    for (int q = 0; q < 4; ++q) {
      int ink = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          ink = std::max(ink, Darkness(dc->GetPixel(probes[q].x + dx, probes[q].y + dy)));
      EXPECT_EQ(ink > 100, cases[i].inked[q]) << "case " << i << " quadrant " << q;
    }
  }
}

TEST(CairoDc, TheLabelFontsHaveTheirCellHeightAndTurnTheText) {
  auto dc = NewImage(120, 120);
  dc->SetBkMode(BkMode::Transparent);
  dc->SelectObject(LabelFont(0));
  const Size extent = dc->GetTextExtent("R. Voskar");
  // Arial's advances (4.39 em) at the em of a 12 pixel cell (10.74 pixels).
  EXPECT_EQ(extent, (Size{47, 12}));
  dc->TextOut(10, 10, "R. Voskar");
  const Rect flat = InkBounds(*dc);
  EXPECT_PRED2(Within, flat, (Rect{10, 10, 11 + extent.cx, 22}));

  auto turned = NewImage(120, 120);
  turned->SetBkMode(BkMode::Transparent);
  turned->SelectObject(LabelFont(900));
  EXPECT_EQ(turned->GetTextExtent("R. Voskar"), extent);  // the extent is unturned
  turned->TextOut(50, 100, "R. Voskar");
  // Turned counter-clockwise: the text runs upwards from (50, 100), its cell right of x = 50.
  const Rect up = InkBounds(*turned);
  EXPECT_PRED2(Within, up, (Rect{50, 99 - extent.cx, 62, 100}));
  EXPECT_EQ(up.Height(), flat.Width());
}

TEST(CairoDc, TextExtentsAreTheSameOnEverySurface) {
  const std::string dir = testing::TempDir();
  auto image = NewImage();
  auto svg = CairoDc::CreateSvg(dir + "/extent.svg", 100, 100);
  auto pdf = CairoDc::CreatePdf(dir + "/extent.pdf", 100, 100);
  ASSERT_TRUE(svg && pdf);
  for (CairoDc* dc : {image.get(), svg.get(), pdf.get()}) {
    dc->SelectObject(LabelFont(0));
    EXPECT_EQ(dc->GetTextExtent("Kollegstiftung Morvaburg am Sund"),
              image->GetTextExtent("Kollegstiftung Morvaburg am Sund"));
    dc->TextOut(5, 5, "R. Voskar");
  }
  EXPECT_TRUE(svg->Finish());
  EXPECT_TRUE(pdf->Finish());
  EXPECT_NE(ReadFile(dir + "/extent.svg").find("<svg"), std::string::npos);
  EXPECT_EQ(ReadFile(dir + "/extent.pdf").rfind("%PDF", 0), 0u);
}

// The recording context measures its texts as the surfaces do, in the font selected, while it
// records what is drawn.
TEST(CairoRecordingDc, MeasuresTextsAsTheSurfacesDo) {
  auto image = NewImage();
  CairoRecordingDc recording;
  for (const Font& font : {LabelFont(0), Font{"MS Sans Serif", -11, 0, 0, kFontWeightNormal}}) {
    image->SelectObject(font);
    recording.SelectObject(font);
    EXPECT_EQ(recording.GetTextExtent("Kollegstiftung Morvaburg am Sund"),
              image->GetTextExtent("Kollegstiftung Morvaburg am Sund"));
  }
  EXPECT_NE(recording.GetTextExtent("iii"), recording.GetTextExtent("WWW"));
  recording.TextOut(5, 7, "R. Voskar");
  EXPECT_EQ(recording.Log(), std::vector<std::string>{"TextOut 5 7 R. Voskar"});
}

// A small file fails only when its last buffer is written: Finish must see that too. The
// device that is always full stands for a full disk, reached through a link.
TEST(CairoDc, VectorFilesOnAFullDiskFailToFinish) {
  std::error_code ec;
  if (!std::filesystem::is_character_file("/dev/full", ec)) GTEST_SKIP() << "no /dev/full";
  const std::string link = testing::TempDir() + "/full.vector";
  std::filesystem::remove(link, ec);
  std::filesystem::create_symlink("/dev/full", link);
  const struct {
    const char* kind;
    std::unique_ptr<CairoDc> (*make)(const std::string&);
  } cases[] = {
      {"svg", [](const std::string& p) { return CairoDc::CreateSvg(p, 20, 20); }},
      {"pdf", [](const std::string& p) { return CairoDc::CreatePdf(p, 20, 20); }},
      {"pdf pages", [](const std::string& p) { return CairoDc::CreatePdfPages(p, 20, 20, 72); }},
  };
  for (const auto& c : cases) {
    std::unique_ptr<CairoDc> dc = c.make(link);
    ASSERT_TRUE(dc) << c.kind;
    dc->Rectangle({2, 2, 10, 10});
    EXPECT_FALSE(dc->Finish()) << c.kind;
  }
  std::filesystem::remove(link, ec);
}

// On a full disk a picture overwrites nothing: the previous file stays and no part of the new
// one is left beside it.
TEST(CairoDc, FilesOnAFullDiskKeepThePreviousFile) {
  const test::TempDir dir;
  const struct {
    const char* name;
    bool (*write)(const std::string&);
  } cases[] = {
      {"out.png", [](const std::string& p) { return NewImage(200, 200)->WritePng(p); }},
      {"out.svg",
       [](const std::string& p) {
         auto dc = CairoDc::CreateSvg(p, 20, 20);
         return dc && dc->Finish();
       }},
      {"out.pdf",
       [](const std::string& p) {
         auto dc = CairoDc::CreatePdfPages(p, 20, 20, 72);
         if (!dc) return false;
         dc->Rectangle({2, 2, 10, 10});
         return dc->Finish();
       }},
  };
  for (const auto& c : cases) {
    const std::string path = dir.WriteFile(c.name, "previous");
    {
      const test::FullDisk full;
      EXPECT_FALSE(c.write(path)) << c.name;
    }
    EXPECT_EQ(ReadFile(path), "previous") << c.name;
    EXPECT_TRUE(c.write(path)) << c.name;
    EXPECT_NE(ReadFile(path), "previous") << c.name;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            3);
}

TEST(CairoDc, OpaqueTextFillsItsCellAndStrayBytesReadAsLatin1) {
  auto dc = NewImage(80, 30);
  dc->SelectObject(LabelFont(0));
  dc->SetBkColor(Rgb(0, 255, 0));
  dc->SetTextColor(Rgb(0, 0, 255));
  dc->TextOut(5, 5, "ab");
  const Size extent = dc->GetTextExtent("ab");
  EXPECT_EQ(dc->GetPixel(5, 5), Rgb(0, 255, 0));
  EXPECT_EQ(dc->GetPixel(5 + extent.cx - 1, 5 + extent.cy - 1), Rgb(0, 255, 0));
  EXPECT_EQ(dc->GetPixel(5 + extent.cx, 5), kWhite);
  EXPECT_EQ(dc->GetPixel(5, 5 + extent.cy), kWhite);
  // Bytes that are not UTF-8 read as Latin-1.
  EXPECT_EQ(dc->GetTextExtent("\xB5" "F"), dc->GetTextExtent("\xC2\xB5" "F"));
  dc->TextOut(0, 0, "\xE2\x82");  // a cut-off sequence does not spoil the font
  EXPECT_GT(dc->GetTextExtent("ok").cx, 0);
}

TEST(CairoDc, PixelsAreReadOnImagesOnlyAndAbsurdSurfacesRefused) {
  auto dc = NewImage(10, 10);
  EXPECT_EQ(dc->SetPixel(3, 4, Rgb(1, 2, 3)), Rgb(1, 2, 3));
  EXPECT_EQ(dc->GetPixel(3, 4), Rgb(1, 2, 3));
  EXPECT_EQ(dc->GetPixel(10, 0), kInvalidColor);
  EXPECT_EQ(dc->GetPixel(-1, 0), kInvalidColor);
  EXPECT_EQ(dc->SetPixel(0, 10, kBlack), kInvalidColor);

  auto svg = CairoDc::CreateSvg(testing::TempDir() + "/pixels.svg", 10, 10);
  ASSERT_TRUE(svg);
  EXPECT_EQ(svg->GetPixel(1, 1), kInvalidColor);
  EXPECT_FALSE(svg->ReadBitmap({0, 0, 2, 2}));

  EXPECT_FALSE(CairoDc::CreateImage(0, 10));
  EXPECT_FALSE(CairoDc::CreateImage(10, CairoDc::kMaxSide + 1));
  EXPECT_FALSE(CairoDc::CreatePdf("/nonexistent-dir/x.pdf", 10, 10));
  EXPECT_FALSE(CairoDc::ForImageSurface(nullptr));
}

TEST(CairoDc, BitBltCopiesPixelsBetweenContextsAndFromBitmaps) {
  auto src = NewImage(20, 20);
  src->SetPixel(2, 3, Rgb(10, 20, 30));
  src->SetPixel(5, 5, Rgb(40, 50, 60));
  auto dst = NewImage(20, 20);
  ASSERT_TRUE(dst->BitBlt(10, 10, 4, 4, *src, 2, 3));
  EXPECT_EQ(dst->GetPixel(13, 12), Rgb(40, 50, 60));
  EXPECT_EQ(InkBounds(*dst), (Rect{10, 10, 14, 13}));

  Bitmap bitmap(3, 2, Rgb(9, 9, 9));
  bitmap.SetPixel(2, 1, Rgb(200, 100, 0));
  ASSERT_TRUE(dst->BitBlt(0, 0, 3, 2, bitmap, 0, 0));
  EXPECT_EQ(dst->GetPixel(2, 1), Rgb(200, 100, 0));
  EXPECT_EQ(dst->GetPixel(3, 1), kWhite);

  const std::optional<Bitmap> read = dst->ReadBitmap({1, 0, 4, 2});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Width(), 3);
  EXPECT_EQ(read->GetPixel(1, 1), Rgb(200, 100, 0));
}

TEST(CairoDc, AFocusRectangleDrawnTwiceLeavesNoTrace) {
  auto dc = NewImage(30, 30);
  dc->FillRect({0, 0, 30, 15}, StockBrush(StockObject::BlackBrush));
  const std::optional<Bitmap> before = dc->ReadBitmap({0, 0, 30, 30});
  dc->DrawFocusRect({5, 5, 25, 25});
  EXPECT_EQ(dc->GetPixel(5, 5), kWhite);  // inverted black
  EXPECT_EQ(dc->GetPixel(6, 5), kBlack);
  EXPECT_EQ(dc->GetPixel(24, 24), kBlack);  // (24 - 5) + (24 - 5) is even
  EXPECT_EQ(dc->GetPixel(23, 24), kWhite);
  EXPECT_EQ(dc->GetPixel(25, 23), kWhite);  // right edge exclusive
  EXPECT_EQ(dc->GetPixel(15, 20), kWhite);  // inside untouched
  dc->DrawFocusRect({5, 5, 25, 25});
  EXPECT_EQ(dc->ReadBitmap({0, 0, 30, 30}), before);
}

TEST(CairoDc, AnisotropicMappingScalesTheDrawingForPrinting) {
  auto dc = NewImage(64, 64);
  dc->SetMapMode(MapMode::Anisotropic);
  dc->SetWindowExt(300, 300);
  dc->SetViewportExt(900, 900);
  EXPECT_EQ(dc->GetTextExtent("ab").cy, 16);
  dc->SelectStockObject(StockObject::BlackBrush);
  dc->SelectStockObject(StockObject::NullPen);
  dc->Rectangle({2, 2, 12, 7});  // without pen one device pixel less
  dc->SelectObject(LabelFont(0));
  EXPECT_EQ(dc->GetTextExtent("ab").cy, 12);  // logical units
  dc->SetMapMode(MapMode::Text);  // pixels are read in logical units
  EXPECT_EQ(InkBounds(*dc), (Rect{6, 6, 35, 20}));
}

TEST(CairoDc, StockPensStayOnePixelWideAtAnyScaleWhileOthersGrow) {
  auto dc = NewImage(64, 64);
  dc->SetMapMode(MapMode::Anisotropic);
  dc->SetWindowExt(1, 1);
  dc->SetViewportExt(3, 3);
  dc->MoveTo(1, 1);
  dc->LineTo(10, 1);  // device (3, 3) to (30, 3)
  dc->SelectObject(Pen{PenStyle::Solid, 1, kBlack});
  dc->MoveTo(1, 10);
  dc->LineTo(10, 10);  // device y = 30, three pixels wide
  dc->SetMapMode(MapMode::Text);
  for (int y = 2; y <= 4; ++y) EXPECT_EQ(dc->GetPixel(10, y) == kBlack, y == 3) << y;
  for (int y = 28; y <= 32; ++y) EXPECT_EQ(dc->GetPixel(15, y) == kBlack, y >= 29 && y <= 31) << y;
}

TEST(CairoDc, DottedPenGapsTakeTheBackgroundWhenOpaque) {
  auto dc = NewImage(40, 10);
  dc->SelectObject(Pen{PenStyle::Dot, 1, Rgb(7, 0, 0)});
  dc->SetBkColor(Rgb(0, 200, 0));
  dc->MoveTo(0, 5);
  dc->LineTo(30, 5);
  EXPECT_EQ(dc->GetPixel(2, 5), Rgb(7, 0, 0));
  EXPECT_EQ(dc->GetPixel(3, 5), Rgb(0, 200, 0));
  EXPECT_EQ(dc->GetPixel(6, 5), Rgb(7, 0, 0));

  dc->SetBkMode(BkMode::Transparent);
  dc->MoveTo(0, 7);
  dc->LineTo(30, 7);
  EXPECT_EQ(dc->GetPixel(3, 7), kWhite);
}

TEST(CairoDc, DrawsOnASurfaceThatTheCallerKeeps) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 8);
  CairoDc::ForImageSurface(surface)->SetPixel(1, 2, Rgb(0, 0, 255));
  // Still usable after the first context.
  EXPECT_EQ(CairoDc::ForImageSurface(surface)->GetPixel(1, 2), Rgb(0, 0, 255));
  cairo_surface_destroy(surface);
}

}  // namespace
}  // namespace pf
