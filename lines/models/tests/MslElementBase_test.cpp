#include "lines/models/MslElementBase.h"

#include <gtest/gtest.h>

#include "simulator/tests/support/ElementBench.h"

namespace {

// The check and read passes of the discontinuity elements refuse what no model can compute.
TEST(MslElementBase, LinesThatAreRefused) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"STEP 1 2 W1=1mm W2=2mm MO=1 S9", "Substrat nicht vorhanden"},
      {"STEP 1 2 W1=1mm W2=2mm MO=3 AL", "MO muß 0, 1 oder 2 sein"},
      {"STEP 1 2 W1=1mm W2=2mm MO=-1 AL", "Ist keine Zahl"},
      {"STEP 1 2 W1=1mm W2=0mm MO=1 AL", "Streifenbreite muß größer 0 sein"},
      {"STEP 1 2 W1=WX W2=2mm MO=1 AL", "WX Label nicht gefunden"},
      {"STEP 1 2 W1=1mm MO=1 AL", "1mm MO=1 AL W2 fehlt "},
      {"STEP 1 2 W1=1mm W2=2mm MO=1 FLAT", "Substrat: H muß größer 0 und ER mindestens 1 sein"},
      // A DATA entry that is no substrate passes the check and fails the binding.
      {"STEP 1 2 W1=1mm W2=2mm MO=1 WV", "Substrat nicht vorhanden"},
      {"STEP 1 0 2 3 W1=1mm W2=2mm MO=1 AL", "Dreipole haben gleichen Bezugspunkt"},
      // Without a form word the check takes the key W1 for it.
      {"BEND 1 2 W1=1mm W2=1mm AL", "=1mm W2=1mm AL W1 fehlt "},
      {"BEND 1 2 CUT W1=0mm W2=1mm AL", "Streifenbreite muß größer 0 sein"},
      {"TEE 1 2 3 W1=1mm W2=1mm W3=x AL", "x Label nicht gefunden"},
      {"TEE 1 2 3 W1=1mm W2=1mm AL", "1mm AL W3 fehlt "},
      {"MSTSL 1 2 3 M=1mm S=0.2mm K=0.99 KNR S9", "Substrat not found"},
      {"MSTSL 1 2 3 M=1mm S=0.2mm K=x9 KNR AL", "x9 Label nicht gefunden"},
  };
  ElementBench bench({"AL: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0",
                      "FLAT: MS H=0mm ER=9.8 MET1 = CU 0um TAND=0", "WV: 1mm"});
  for (const Case& c : cases) EXPECT_TRUE(bench.Refuses({c.line}, c.message)) << c.line;
}

}  // namespace
