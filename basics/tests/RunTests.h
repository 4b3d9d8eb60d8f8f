#pragma once
// The main of every test program: gtest set up, the program's registrations run, and the
// process state reset before each test (the error queue, and whatever resetExtra clears).

#include <gtest/gtest.h>

#include <initializer_list>

#include "basics/VS_Error.h"

inline int RunTests(int argc, char** argv, std::initializer_list<void (*)()> registrations,
                    void (*resetExtra)() = nullptr) {
  class ResetProcessState : public testing::EmptyTestEventListener {
   public:
    explicit ResetProcessState(void (*extra)()) : extra(extra) {}
    void OnTestStart(const testing::TestInfo&) override {
      VS_Error::ResetQueue();
      if (extra != nullptr) extra();
    }

   private:
    void (*extra)();
  };
  testing::InitGoogleTest(&argc, argv);
  for (void (*registration)() : registrations) registration();
  testing::UnitTest::GetInstance()->listeners().Append(new ResetProcessState(resetExtra));
  return RUN_ALL_TESTS();
}
