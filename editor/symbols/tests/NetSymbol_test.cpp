#include "editor/symbols/NetSymbol.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/archive.h"
#include "pf/recording_dc.h"
#include "pf/ui_services.h"

namespace {

void SetPins(NetSymbol& s, Point a, Point b) {
  s.pins[0] = a;
  s.pins[1] = b;
}

TEST(NetSymbolTest, SnapsToTheNearestGridLineTiesUp) {
  for (auto [v, snapped] : {std::pair{12, 0}, {13, 25}, {37, 25}, {38, 50}, {-30, -25}}) {
    EXPECT_EQ(NetSymbol::SnapToGrid(v), snapped) << v;
  }
}

TEST(NetSymbolTest, OrientationFollowsThePinsUntilFixed) {
  struct Case {
    Point a, b;
    char expected;
  };
  for (const Case& c : {Case{{100, 100}, {200, 100}, 'R'}, Case{{200, 100}, {100, 100}, 'L'},
                        Case{{100, 100}, {100, 200}, 'U'}, Case{{100, 200}, {100, 100}, 'O'},
                        Case{{100, 100}, {100, 100}, 'L'}}) {
    NetSymbol s(2);
    SetPins(s, c.a, c.b);
    EXPECT_EQ(s.OrientationFromPins(), c.expected);
    s.orientation = 'U';
    EXPECT_EQ(s.OrientationFromPins(), 'U');
  }
}

TEST(NetSymbolTest, SecondPinMovesClearOfTheBodyExceptOnWires) {
  ZweiPolSymbol part(Point(100, 100), Point(125, 100));
  part.UpdateGeometry();
  EXPECT_EQ(part.pins[1], Point(175, 100));
  EXPECT_EQ(part.GetCentre(), Point(137, 100));

  ZweiPolSymbol wire(Point(100, 100), Point(125, 100));
  wire.classKey = "VERBINDUNG";
  wire.UpdateGeometry();
  EXPECT_EQ(wire.pins[1], Point(125, 100));
}

TEST(NetSymbolTest, HitsAndPinLookups) {
  NetSymbol s(2);
  SetPins(s, {100, 100}, {200, 100});
  s.UpdateGeometry();  // centre (150, 100), 102 x 12
  EXPECT_TRUE(s.Contains(Point(201, 106)));
  EXPECT_FALSE(s.Contains(Point(202, 100)));
  EXPECT_EQ(s.GetPinPoint(7), Point(100, 100));
  EXPECT_EQ(s.GetPinPoint(1), Point(200, 100));

  NetSymbol other(2);
  SetPins(other, {200, 100}, {300, 100});
  EXPECT_TRUE(s.SharesPinWith(other));
  EXPECT_FALSE(s.SharesPinWith(s));
  s.SetPinConnected(0);
  s.SetPinConnected(1);
  EXPECT_FALSE(s.HasOpenPin());
}

TEST(NetSymbolTest, DrawsBodyCornerLinePinMarksAndFocus) {
  struct Case {
    Point a, b;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {{100, 100},
       {200, 100},
       {"FillRect 140 95 160 105", "Line 140 105 160 105", "Line 160 105 160 95",
        "Ellipse 98 98 102 102", "Ellipse 198 98 202 102", "FocusRect 99 94 201 106"}},
  };
  for (const Case& c : cases) {
    NetSymbol s(2);
    SetPins(s, c.a, c.b);
    s.UpdateGeometry();
    s.selected = 1;
    pf::RecordingDc dc;
    s.Draw(dc);
    EXPECT_EQ(dc.Log(), c.log);
    EXPECT_EQ(dc.Calls()[0].brush, pf::StockBrush(pf::StockObject::LightGrayBrush));
    EXPECT_EQ(dc.Calls()[3].brush.color, pf::Rgb(255, 0, 0));
  }
}

TEST(NetSymbolTest, NodeTailsByPinCountAndKey) {
  struct Case {
    int pins;
    const char* key;
    std::array<int32_t, 5> nodes;
    const char* tail;
  };
  const Case cases[] = {
      {2, "WIDERSTAND", {0, 5}, " 5"},
      {2, "WIDERSTAND", {3, 0}, " 3"},
      {2, "WIDERSTAND", {0, 0}, ""},
      {3, "VOLCONVOL", {1, 2, 0}, " 1 0 2 0"},
      {3, "OPAMPLIFIER", {1, 2, 0}, " 1 0 2"},
      {3, "MICTEE", {1, 2, 0}, " 1 2 0"},
      {4, "TRANSFORMATOR", {1, 2, 0, 4}, " 1 0 2 4"},
      {4, "MICCOUPLEDLINE", {1, 2, 3, 0}, " 1 3 0 2"},
      {5, "UserNetSymbol", {1, 0, 3, 0, 5}, " 1 3 5"},
  };
  for (const Case& c : cases) {
    NetSymbol s(c.pins);
    s.classKey = c.key;
    s.nodes = c.nodes;
    s.netLine = "X";
    s.WriteNetLine();
    EXPECT_EQ(s.netLine, (std::string("X") + c.tail).c_str()) << c.key;
  }
}

TEST(NetSymbolTest, DialogLessClassesSayTheyHaveNoDialog) {
  pf::TheScriptedUiServices().Reset();
  NetSymbol s;
  EXPECT_TRUE(s.EditDialog(nullptr));
  ASSERT_EQ(pf::TheScriptedUiServices().Messages().size(), 1u);
  EXPECT_EQ(pf::TheScriptedUiServices().Messages()[0].text,
            "Dialog des Elementes nicht implementiert");
  EXPECT_EQ(pf::TheScriptedUiServices().Messages()[0].caption, "Achtung");
  EXPECT_EQ(pf::TheScriptedUiServices().Beeps().size(), 1u);
}

TEST(SymbolRegistryTest, CreatesRegisteredKeysOnly) {
  SymbolRegistry registry;
  registry.Register<ZweiPolSymbol>("WIDERSTAND");
  EXPECT_TRUE(registry.Create("WIDERSTAND")->IsKindOf(PF_RUNTIME_CLASS(ZweiPolSymbol)));
  EXPECT_EQ(registry.Create("widerstand"), nullptr);
}

// A second registration of a key ends the program (app/startup/tests/Registries_test.cpp).
TEST(SymbolRegistryTest, ListsTheKeysInTheOrderOfTheirRegistration) {
  SymbolRegistry registry;
  registry.Register<ZweiPolSymbol>("WIDERSTAND");
  registry.Register<EinPolSymbol>("GROUND");
  EXPECT_EQ(registry.Keys(), (std::vector<MyStrng>{"WIDERSTAND", "GROUND"}));
  EXPECT_TRUE(registry.Create("GROUND")->IsKindOf(PF_RUNTIME_CLASS(EinPolSymbol)));
}

}  // namespace
