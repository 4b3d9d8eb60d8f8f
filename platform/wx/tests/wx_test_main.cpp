// The desktop tests run on a display (under xvfb-run in the test suite): one toolkit for all.

#include <gtest/gtest.h>

#include <cstdio>

#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "pf/desktop.h"
#include "resources/Resources.h"
#include "wx_test.h"

namespace pf::test {

Desktop* desktop = nullptr;

namespace {

class ResetProcessState : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { VS_Error::ResetQueue(); }
};

}  // namespace
}  // namespace pf::test

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  RegisterBasicsClasses();
  RegisterResources();
  pf::Desktop desktop(argc, argv);
  if (!desktop.IsReady()) {
    std::fputs("no display\n", stderr);
    return 1;
  }
  pf::test::desktop = &desktop;
  testing::UnitTest::GetInstance()->listeners().Append(new pf::test::ResetProcessState);
  return RUN_ALL_TESTS();
}
