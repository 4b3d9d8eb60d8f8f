#include <gtest/gtest.h>

#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "lines/models/Register.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"

namespace {

// The error queue and the reader in use are process state: every test starts without them.
class ResetProcessState : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    VS_Error::ResetQueue();
    NetContext::Reset();
  }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  RegisterBasicsClasses();
  RegisterSimulatorElements();
  RegisterLineModels();
  testing::UnitTest::GetInstance()->listeners().Append(new ResetProcessState);
  return RUN_ALL_TESTS();
}
