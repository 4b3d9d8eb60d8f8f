#include "pf/clipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(Clipboard, KeepsTextBytesOrABitmapUntilReplacedAndYieldsToAnInstalledOne) {
  pf::Clipboard& memory = pf::TheClipboard();
  memory.Empty();
  const std::string bytes("R1 1 2 1k\r\n\0\xff\xc3\xa4\n", 16);
  EXPECT_TRUE(memory.SetText(bytes));
  EXPECT_EQ(memory.GetText(), bytes);
  memory.SetText("");
  EXPECT_EQ(memory.GetText(), "");  // empty text is still text
  const pf::Bitmap picture(3, 2, pf::Rgb(1, 2, 3));
  EXPECT_FALSE(memory.SetBitmap(pf::Bitmap()));
  EXPECT_TRUE(memory.SetBitmap(picture));
  EXPECT_EQ(memory.GetBitmap(), picture);
  EXPECT_EQ(memory.GetText(), std::nullopt) << "a bitmap replaces the text";
  memory.SetText("");
  EXPECT_EQ(memory.GetBitmap(), std::nullopt);

  pf::Clipboard own;
  pf::InstallClipboard(&own);
  pf::TheClipboard().SetText("neu");
  pf::InstallClipboard(nullptr);
  EXPECT_EQ(own.GetText(), "neu");
  EXPECT_EQ(pf::TheClipboard().GetText(), "");
  pf::TheClipboard().Empty();
  EXPECT_EQ(pf::TheClipboard().GetText(), std::nullopt);
}

}  // namespace
