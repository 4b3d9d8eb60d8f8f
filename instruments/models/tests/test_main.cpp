#include <gtest/gtest.h>

#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "instruments/models/Register.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"

namespace {

// The error queue and the simulator's run context are process state: every test starts clean.
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
  RegisterInstrumentModels();
  testing::UnitTest::GetInstance()->listeners().Append(new ResetProcessState);
  return RUN_ALL_TESTS();
}
