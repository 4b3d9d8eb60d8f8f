#include <gtest/gtest.h>

#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "resources/Resources.h"

namespace {

// The error queue is process state: every test starts with an empty one.
class ResetProcessState : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { VS_Error::ResetQueue(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  RegisterBasicsClasses();
  RegisterResources();
  testing::UnitTest::GetInstance()->listeners().Append(new ResetProcessState);
  return RUN_ALL_TESTS();
}
