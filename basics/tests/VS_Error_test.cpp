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
  EXPECT_EQ(reporter.GetErrorCode(), 25);  // the code is stored even when the text is dropped

  VS_Error::PushDefaultError();
  EXPECT_EQ(VS_Error::MessageCount(), 20);
}

TEST(VS_ErrorQueue, ClearEmptiesTheCountButKeepsTexts) {
  VS_Error reporter;
  reporter.Error("erste", 4);
  reporter.Error("zweite", 4);
  VS_Error::ClearQueue();
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "erste");

  reporter.Error("dritte", 2);
  EXPECT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "dritte");
  EXPECT_EQ(VS_Error::Message(1), "zweite");
}

TEST(VS_ErrorQueue, EachReporterKeepsItsOwnCode) {
  VS_Error line;
  VS_Error element;
  line.Error("Syntaxfehler", 4);
  element.Error("Modellfehler", 2);
  EXPECT_EQ(line.GetErrorCode(), 4);
  EXPECT_EQ(element.GetErrorCode(), 2);
  EXPECT_EQ(VS_Error::Message(0), "Syntaxfehler");
  EXPECT_EQ(VS_Error::Message(1), "Modellfehler");
  line.ClearErrorCode();
  EXPECT_EQ(line.GetErrorCode(), 0);
}

TEST(VS_ErrorQueue, StartStateAndDefaultError) {
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "");
  VS_Error::PushDefaultError();
  EXPECT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Default Error");
  EXPECT_EQ(VS_Error::Message(-1), "");
  EXPECT_EQ(VS_Error::Message(20), "");
}

// A subclass can observe reports through the virtual operation.
TEST(VS_ErrorQueue, ErrorIsVirtual) {
  struct Counting : VS_Error {
    int calls = 0;
    void Error(const MyStrng& message, int errorCode) override {
      ++calls;
      VS_Error::Error(message, errorCode);
    }
  } counting;
  VS_Error& base = counting;
  base.Error("x", 4);
  EXPECT_EQ(counting.calls, 1);
  EXPECT_EQ(VS_Error::MessageCount(), 1);
}

}  // namespace
