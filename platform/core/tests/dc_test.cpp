#include "pf/dc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "pf/recording_dc.h"

namespace pf {
namespace {

using ::testing::ElementsAre;

TEST(RecordingDc, RecordsLinesAsMoveToLineToPairsInLogicalUnits) {
  RecordingDc dc;
  EXPECT_EQ(dc.MoveTo(3, 4), (Point{0, 0}));
  dc.LineTo(10, 4);
  dc.LineTo(Point{10, 9});
  EXPECT_EQ(dc.MoveTo(Point{1, 1}), (Point{10, 9}));
  const Point points[] = {{0, 0}, {5, 5}, {9, 0}};
  dc.Polyline(points);
  dc.Polygon(points);
  dc.Polyline(std::span(points, 1));  // too few points, like no characters, draw nothing
  dc.TextOut(0, 0, "");
  dc.Arc({0, 0, 20, 20}, {20, 10}, {10, 0});
  dc.TextOut(7, 8, "R1");
  dc.SetPixel(2, 2, Rgb(1, 2, 3));
  dc.DrawFocusRect({0, 0, 4, 4});
  dc.FillRect({1, 1, 2, 2}, StockBrush(StockObject::GrayBrush));
  EXPECT_THAT(dc.Log(),
              ElementsAre("Line 3 4 10 4", "Line 10 4 10 9", "Polyline 0 0 5 5 9 0",
                          "Polygon 0 0 5 5 9 0", "Arc 0 0 20 20 20 10 10 0", "TextOut 7 8 R1",
                          "SetPixel 2 2", "FocusRect 0 0 4 4", "FillRect 1 1 2 2"));
  EXPECT_EQ(dc.GetCurrentPosition(), (Point{1, 1}));  // polylines leave it alone
  EXPECT_EQ(dc.Calls()[6].color, Rgb(1, 2, 3));
  EXPECT_EQ(dc.Calls()[8].brush, StockBrush(StockObject::GrayBrush));
}

TEST(RecordingDc, EachCallCarriesTheStateItWasDrawnWith) {
  RecordingDc dc;
  const GdiObject oldBrush = dc.SelectStockObject(StockObject::LightGrayBrush);
  const Pen red{PenStyle::Solid, 1, Rgb(250, 0, 0)};
  const Pen oldPen = dc.SelectObject(red);
  const Font label{"Arial", 12, 0, 900, 300};
  dc.SelectObject(label);
  dc.SetTextColor(Rgb(255, 255, 255));
  dc.SetBkMode(BkMode::Transparent);
  dc.Ellipse({0, 0, 10, 10});
  dc.TextOut(1, 2, "x");
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
  dc.Rectangle({0, 0, 1, 1});

  EXPECT_EQ(dc.Calls()[0].brush, StockBrush(StockObject::LightGrayBrush));
  EXPECT_EQ(dc.Calls()[0].pen, red);
  const DcCall& text = dc.Calls()[1];
  EXPECT_EQ(text.font, label);
  EXPECT_EQ(text.color, Rgb(255, 255, 255));
  EXPECT_EQ(text.bkMode, BkMode::Transparent);
  EXPECT_EQ(dc.Calls()[2].pen, StockPen(StockObject::BlackPen));
  EXPECT_EQ(dc.Calls()[2].brush, StockBrush(StockObject::WhiteBrush));
}

TEST(Dc, MapsLogicalToDeviceUnits) {
  struct MappingCase {
    const char* name;
    MapMode mode;
    Point windowOrg, viewportOrg;
    Size windowExt, viewportExt;
    Point logical, device;
  } cases[] = {
      {"text mode ignores extents", MapMode::Text, {0, 0}, {0, 0}, {1, 2}, {5, 7}, {4, 5}, {4, 5}},
      {"text mode origins", MapMode::Text, {10, 20}, {1, 2}, {1, 1}, {1, 1}, {15, 25}, {6, 7}},
      {"printing", MapMode::Anisotropic, {0, 0}, {0, 0}, {300, 300}, {900, 900}, {1, 2}, {3, 6}},
      {"shrink", MapMode::Anisotropic, {0, 0}, {0, 0}, {4, 4}, {1, 1}, {12, -8}, {3, -2}},
      {"flipped y", MapMode::Anisotropic, {0, 0}, {0, 100}, {1, 1}, {1, -1}, {5, 30}, {5, 70}},
      {"origins and scale", MapMode::Anisotropic, {10, 10}, {5, 5}, {1, 1}, {2, 3}, {12, 11},
       {9, 8}},
  };
  for (const MappingCase& c : cases) {
    RecordingDc dc;
    dc.SetMapMode(c.mode);
    dc.SetWindowOrg(c.windowOrg.x, c.windowOrg.y);
    dc.SetViewportOrg(c.viewportOrg.x, c.viewportOrg.y);
    dc.SetWindowExt(c.windowExt.cx, c.windowExt.cy);
    dc.SetViewportExt(c.viewportExt.cx, c.viewportExt.cy);
    EXPECT_EQ(dc.LogicalToDevice(c.logical), c.device) << c.name;
    EXPECT_EQ(dc.DeviceToLogical(c.device), c.logical) << c.name;
  }
}

TEST(Dc, RoundsRefusesZeroExtentsAndSaturatesFarCoordinates) {
  RecordingDc dc;
  dc.SetMapMode(MapMode::Anisotropic);
  EXPECT_EQ(dc.SetWindowExt(3, 3), (Size{1, 1}));
  EXPECT_EQ(dc.SetViewportExt(9, 9), (Size{1, 1}));
  EXPECT_EQ(dc.DeviceToLogical(Point{31, 29}), (Point{10, 10}));
  dc.Rectangle({1, 2, 3, 4});  // recorded as called
  EXPECT_THAT(dc.Log(), ElementsAre("Rectangle 1 2 3 4"));
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(1000, 1000);
  EXPECT_EQ(dc.SetWindowExt(0, 5), (Size{1, 1}));
  EXPECT_EQ(dc.SetViewportExt(3, 0), (Size{1000, 1000}));
  EXPECT_EQ(dc.LogicalToDevice(Point{INT_MAX, INT_MIN}), (Point{1 << 28, -(1 << 28)}));
  dc.SetMapMode(MapMode::Text);  // 1:1 again
  EXPECT_EQ(dc.LogicalToDevice(Point{7, 8}), (Point{7, 8}));
}

TEST(Dc, BitBltFromABitmapCopiesOnlyThePartOnTheBitmap) {
  RecordingDc dc;
  const Bitmap bitmap(10, 8);
  EXPECT_TRUE(dc.BitBlt(100, 100, 20, 20, bitmap, -2, 5));
  EXPECT_FALSE(dc.BitBlt(0, 0, 5, 5, bitmap, 10, 0));  // nothing of the bitmap
  EXPECT_FALSE(dc.BitBlt(0, 0, 0, 5, bitmap, 0, 0));
  EXPECT_FALSE(dc.BitBlt(INT_MAX, 0, 5, 5, bitmap, 0, 0));
  EXPECT_FALSE(dc.BitBlt(0, 0, 5, 5, Bitmap(), 0, 0));
  EXPECT_THAT(dc.Log(), ElementsAre("BitBlt 102 100 112 103"));
}

TEST(Bitmap, KeepsPixelsInsideAndRefusesAbsurdSizes) {
  Bitmap b(3, 2, Rgb(1, 1, 1));
  EXPECT_TRUE(b.SetPixel(2, 1, Rgb(9, 8, 7)));
  EXPECT_EQ(b.GetPixel(2, 1), Rgb(9, 8, 7));
  EXPECT_FALSE(b.SetPixel(3, 0, 0));
  EXPECT_FALSE(b.SetPixel(0, -1, 0));
  EXPECT_EQ(b.GetPixel(0, 2), kInvalidColor);
  for (const Size s : {Size{0, 5}, Size{5, -1}, Size{Bitmap::kMaxSide + 1, 1}})
    EXPECT_TRUE(Bitmap(s.cx, s.cy).IsEmpty());
}

TEST(Geometry, RectanglesExcludeRightAndBottom) {
  const Rect r{10, 20, 15, 22};
  EXPECT_EQ(r.Width(), 5);
  EXPECT_TRUE(r.Contains({14, 21}));
  EXPECT_FALSE(r.Contains({15, 21}));
  EXPECT_FALSE(r.Contains({14, 22}));
  EXPECT_EQ((Rect{15, 22, 10, 20}).Normalized(), r);
  EXPECT_TRUE((Rect{1, 1, 1, 5}).IsEmpty());
}

}  // namespace
}  // namespace pf
