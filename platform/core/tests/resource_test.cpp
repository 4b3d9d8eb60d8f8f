#include "pf/resource.h"

#include <gtest/gtest.h>

namespace {

using pf::Rgb;

constexpr pf::PixelColour kPalette[] = {{'.', Rgb(255, 255, 255)}, {'k', Rgb(0, 0, 0)}};
constexpr const char* kGood[] = {"k..", ".k."};
constexpr const char* kUneven[] = {"k..", ".k"};
constexpr const char* kUnknownKey[] = {"k.x"};
constexpr pf::PixelMapTemplate kMaps[] = {
    {9001, kPalette, kGood}, {9002, kPalette, kUneven}, {9003, kPalette, kUnknownKey}};
constexpr pf::StringTemplate kStrings[] = {{9001, "Druckt das Dokument\nDrucken"},
                                           {9002, "Nur ein Hinweis"}};

TEST(Resources, PixelMapsLoadOnlyWhenWellFormed) {
  pf::ResourceTable<pf::PixelMapTemplate>::Instance().Register(kMaps);
  const pf::Bitmap good = pf::LoadBitmap(9001);
  EXPECT_EQ(good.Width(), 3);
  EXPECT_EQ(good.Height(), 2);
  EXPECT_EQ(good.GetPixel(1, 1), Rgb(0, 0, 0));
  EXPECT_EQ(good.GetPixel(2, 1), Rgb(255, 255, 255));
  for (const int id : {9002, 9003, 9004}) EXPECT_TRUE(pf::LoadBitmap(id).IsEmpty()) << id;
}

TEST(Resources, CommandStringsSplitIntoPromptAndToolTip) {
  pf::ResourceTable<pf::StringTemplate>::Instance().Register(kStrings);
  const constexpr pf::StringTemplate kClash[] = {{9001, "anders"}};
  EXPECT_FALSE(pf::ResourceTable<pf::StringTemplate>::Instance().Register(kClash));
  EXPECT_EQ(pf::CommandPrompt(9001), "Druckt das Dokument");
  EXPECT_EQ(pf::CommandToolTip(9001), "Drucken");
  EXPECT_EQ(pf::CommandPrompt(9002), "Nur ein Hinweis");
  EXPECT_EQ(pf::CommandToolTip(9002), "");
  EXPECT_EQ(pf::LoadString(9999), "");
}

TEST(Resources, MenuLabelsDropMnemonicsAndAccelerators) {
  EXPECT_EQ(pf::MenuLabel("&Öffnen...\tStrg+O"), "Öffnen...");
  EXPECT_EQ(pf::MenuLabel("Sei&tenansicht"), "Seitenansicht");
  EXPECT_EQ(pf::MenuLabel("R && L&"), "R & L");
}

}  // namespace
