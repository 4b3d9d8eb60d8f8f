#include <gtest/gtest.h>

#include "basics/Register.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "lines/ui/Register.h"
#include "resources/Resources.h"
#include "synthesis/Register.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  RegisterBasicsClasses();
  RegisterEditorClasses();
  RegisterLumpedSymbols();
  RegisterLineSymbols();
  RegisterSynthesisCommands();
  RegisterResources();
  return RUN_ALL_TESTS();
}
