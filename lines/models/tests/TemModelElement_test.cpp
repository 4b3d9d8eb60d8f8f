#include "lines/models/TemModelElement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "basics/LineFile.h"
#include "lines/models/CCoplanarLineLine.h"
#include "lines/models/SlotLineLine.h"
#include "simulator/ElementRegistry.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/ScomFile.h"

namespace {

// The reader in use, with labels and substrates; Build runs one element line through its
// check and read passes and gives null when the line is refused.
class Board {
 public:
  Board() {
    LineFile lines;
    for (const char* line :
         {"WS: 0.1mm", "DATA", "ALU: MS H=0.635mm ER=9.8 MET1 = AU 5um TAND=0.001",
          "RT: MS H=0.787mm ER=2.22 MET1 = CU 17um TAND=0.0009",
          "XX25: MS H=1mm ER=25 MET1 = CU 17um TAND=0", "T1: S 1", "1GHz 0.5 10", "END"}) {
      lines.AddLine(line);
    }
    reader.SetLines(lines);
    NetContext::SetReaderInUse(&reader);
    EXPECT_TRUE(reader.CheckSyntax());
    EXPECT_TRUE(reader.ReadBlocks());
    reader.BuildDataObjects();
  }

  std::unique_ptr<NetElement> Build(const char* text) {
    const NetLine line(text);
    std::unique_ptr<NetElement> e(ElementRegistry::Global().Find(line.GetNextToken(), false)(line));
    NetLine check(line);
    e->LinkReferences(check);
    if (check.GetErrorCode() != 0 || e->GetErrorCode() != 0) return nullptr;
    e->ParseLine(reader.GetLabels());
    if (e->GetLine().GetErrorCode() != 0 || e->GetErrorCode() != 0) return nullptr;
    return e;
  }

  ScomFile reader;
};

Cmplx Y(const NetElement& e, int row, int col) { return e.GetPortMatrix()->GetAt(row, col); }

std::string FirstMessage() { return VS_Error::GetFirstMessage().GetBuffer(); }

// Line sections are reciprocal and symmetric.
TEST(TemModelElement, LineSectionsAreSymmetric) {
  Board board;
  for (const char* text : {"SLTL 1 2 Approx W=0.1mm P=5mm ALU", "SLTL 1 0 2 0 Cohn W=WS P=7mm ALU",
                           "CPLL 1 2 W=1mm S=0.5mm P=10mm RT"}) {
    SCOPED_TRACE(text);
    auto e = board.Build(text);
    ASSERT_NE(e, nullptr);
    e->FillMatrix(5e9f);
    EXPECT_GT(Y(*e, 1, 2).Abs(), 0.0);
    EXPECT_EQ(Y(*e, 1, 1).re, Y(*e, 2, 2).re);
    EXPECT_EQ(Y(*e, 1, 1).im, Y(*e, 2, 2).im);
    EXPECT_EQ(Y(*e, 1, 2).re, Y(*e, 2, 1).re);
    EXPECT_EQ(Y(*e, 1, 2).im, Y(*e, 2, 1).im);
  }
}

TEST(TemModelElement, StubsByModelAndEndWord) {
  // Short stubs: capacitive when open, inductive when short-circuited.
  struct Case {
    const char* line;
    bool open;
    bool lossless;
  };
  const Case cases[] = {
      {"SLTS 1 Cohn W=0.1mm P=5mm OPEN ALU", true, true},  // Cohn computes no attenuation
      {"SLTS 1 Approx W=0.1mm P=5mm SHORT ALU", false, false},
      {"SLTS 1 Other W=0.1mm P=5mm OPNE ALU", false, false},  // the closed form, a short end
      {"CPLS 1 W=0.5mm S=0.5mm P=3.1mm OPEN RT", true, true},
      {"CPLS 1 W=0.5mm S=0.5mm P=3.1mm short RT", false, true},
  };
  Board board;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    auto e = board.Build(c.line);
    ASSERT_NE(e, nullptr);
    e->FillMatrix(5e9f);
    const Cmplx y = Y(*e, 1, 1);
    EXPECT_EQ(y.im > 0.0, c.open);
    EXPECT_EQ(std::fabs(y.re) < 1e-12 * std::fabs(y.im), c.lossless);
  }
}

// A value that fails to read is not used, and a DATA entry that is no substrate binds
// nothing: the element is refused as well.
TEST(TemModelElement, RefusesFaultyLines) {
  struct Case {
    const char* line;
    const char* message;  // the first queued message, if fixed
  };
  const Case cases[] = {
      {"SLTL 1 2 Approx W=0.1mm 5mm ALU", "0.1mm 5mm ALU P fehlt "},
      {"CPLL 1 2 W=1mm 0.5mm P=10mm RT", "1mm 0.5mm P=10mm RT S fehlt "},
      {"CPLS 1 W=1mm S=0.5mm P=10mm OPEN NOSUB", "Substrat not found"},
      {"SLTL 1 2 3 4 Approx W=0.1mm P=5mm ALU", "Dreipole haben gleichen Bezugspunkt"},
      {"SLTL 1 2 Approx W=-0.1mm P=5mm ALU", nullptr},
      {"CPLL 1 2 W=1mm S=GX P=10mm RT", "GX Label nicht gefunden"},
      {"SLTS 1 Approx W=0.1mm P=5mm OPEN T1", "Substrat not found"},
  };
  Board board;
  for (const Case& c : cases) {
    VS_Error::ResetQueue();
    EXPECT_EQ(board.Build(c.line), nullptr) << c.line;
    EXPECT_GT(VS_Error::MessageCount(), 0) << c.line;
    if (c.message != nullptr) {
      EXPECT_EQ(FirstMessage(), c.message);
    }
  }
}

// Outside the closed form's ranges a slotline reports once and puts no NaN into the network:
// open (zeros) before it ever had line data, Z0 = 9999 with the last line data after.
TEST(TemModelElement, SlotlineOutOfRangeReportsOnce) {
  Board board;
  auto never = board.Build("SLTL 1 2 Approx W=0.1mm P=5mm XX25");
  auto stub = board.Build("SLTS 1 Approx W=0.1mm P=5mm SHORT RT");
  stub->FillMatrix(5e9f);
  const Cmplx inRange = Y(*stub, 1, 1);
  for (float f : {1e5f, 1e5f}) {
    never->FillMatrix(f);
    EXPECT_EQ(Y(*never, 1, 1).Abs() + Y(*never, 1, 2).Abs(), 0.0);
    stub->FillMatrix(f);
    EXPECT_TRUE(std::isfinite(Y(*stub, 1, 1).Abs()));
  }
  EXPECT_NE(Y(*stub, 1, 1).im, inRange.im);
  EXPECT_EQ(static_cast<SlotLineStub&>(*stub).GetModel().Z0, SlotLineModell::kOutOfRange);
  EXPECT_EQ(VS_Error::MessageCount(), 2);
  EXPECT_EQ(FirstMessage(), "Schlitzleitung außerhalb des Gültigkeitsbereichs");
}

}  // namespace
