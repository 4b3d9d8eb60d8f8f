#include "basics/VS_Error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

MyStrng Numbered(int i) { return MyStrng(("Meldung " + std::to_string(i)).c_str()); }

TEST(VS_ErrorQueue, KeepsTheFirstTwentyInOrder) {
  VS_Error reporter;
  for (int i = 1; i <= 25; ++i) reporter.Error(Numbered(i), i);
  EXPECT_EQ(VS_Error::MessageCount(), 20);
  EXPECT_EQ(VS_Error::GetFirstMessage(), Numbered(1));
  EXPECT_EQ(VS_Error::Message(19), Numbered(20));
  EXPECT_EQ(VS_Error::Message(20), "");
  EXPECT_EQ(VS_Error::Message(-1), "");
  EXPECT_EQ(reporter.GetErrorCode(), 25);  // the code is stored even when the text is dropped
  VS_Error::PushDefaultError();
  EXPECT_EQ(VS_Error::MessageCount(), 20);
}

TEST(VS_ErrorQueue, ClearEmptiesTheCountButKeepsTexts) {
  VS_Error line;
  VS_Error element;
  line.Error("erste", 4);
  element.Error("zweite", 2);
  EXPECT_EQ(line.GetErrorCode(), 4);
  VS_Error::ClearQueue();
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "erste");

  VS_Error::PushDefaultError();
  EXPECT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Default Error");
  EXPECT_EQ(VS_Error::Message(1), "zweite");
}

}  // namespace
