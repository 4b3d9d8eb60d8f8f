#include "pf/clipboard.h"

#include <gtest/gtest.h>

namespace {

class ClipboardTest : public testing::Test {
 protected:
  void SetUp() override { pf::TheClipboard().Empty(); }
  void TearDown() override {
    pf::InstallClipboard(nullptr);
    pf::TheClipboard().Empty();
  }
};

TEST_F(ClipboardTest, KeepsTextBytesUnchanged) {
  EXPECT_EQ(pf::TheClipboard().GetText(), std::nullopt);
  const std::string bytes("R1 1 2 1k\r\n\0\xff\xc3\xa4\n", 16);
  EXPECT_TRUE(pf::TheClipboard().SetText(bytes));
  EXPECT_EQ(pf::TheClipboard().GetText(), bytes);
  EXPECT_TRUE(pf::TheClipboard().SetText(""));
  EXPECT_EQ(pf::TheClipboard().GetText(), "");  // empty text is still text
  pf::TheClipboard().Empty();
  EXPECT_EQ(pf::TheClipboard().GetText(), std::nullopt);
}

TEST_F(ClipboardTest, InstalledClipboardReplacesTheMemoryOne) {
  pf::TheClipboard().SetText("alt");
  pf::Clipboard own;
  pf::InstallClipboard(&own);
  pf::TheClipboard().SetText("neu");
  EXPECT_EQ(own.GetText(), "neu");
  pf::InstallClipboard(nullptr);
  EXPECT_EQ(pf::TheClipboard().GetText(), "alt");
}

}  // namespace
