#include "simulator/NetLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/SymbolTable.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

struct ExpectCase {
  const char* line;
  const char* key;
  bool found;
  const char* after;  // the line afterwards
  std::vector<std::string> messages;
};

TEST(NetLineTest, ExpectLabel) {
  const ExpectCase cases[] = {
      // The key is found as plain text: inside TER first, which is followed by
      // '='.
      {"TER = 5 ER = 4", "ER", true, "5 ER = 4", {}},
      {"H 5", "H", false, "H 5", {"H 5 = fehlt "}},
      {"X = 5", "R", false, "X = 5", {"X = 5 R fehlt "}},
      // The line loses everything up to its first '=', not the key's.
      {"W = 1mm L = 2mm", "L", true, "1mm L = 2mm", {}},
      {"R   =50", "R", true, "50", {}},
  };
  for (const ExpectCase& c : cases) {
    VS_Error::ResetQueue();
    NetLine line(c.line);
    EXPECT_EQ(ExpectLabel(line, c.key), c.found) << c.line;
    EXPECT_STREQ(line.GetBuffer(), c.after) << c.line;
    EXPECT_EQ(QueuedMessages(), c.messages) << c.line;
    EXPECT_EQ(line.GetErrorCode(), c.found ? 0 : 4) << c.line;
  }
  // A line with an earlier error is left alone.
  NetLine line("R = 5 C = 1pF");
  EXPECT_FALSE(ExpectLabel(line, "L"));
  EXPECT_TRUE(ExpectLabel(line, "R"));
  EXPECT_STREQ(line.GetBuffer(), "R = 5 C = 1pF");
}

// The key may be sought behind a part of the line that must not count (a DATA entry's name).
TEST(NetLineTest, ExpectLabelFromAPosition) {
  VS_Error::ResetQueue();
  NetLine line("HF1: MS H=1mm ER=4");
  EXPECT_TRUE(ExpectLabel(line, "H", 5));
  EXPECT_STREQ(line.GetBuffer(), "1mm ER=4");
  NetLine whole("HF1: MS H=1mm ER=4");
  EXPECT_FALSE(ExpectLabel(whole, "H"));
  EXPECT_EQ(QueuedMessages(), std::vector<std::string>{"HF1: MS H=1mm ER=4 = fehlt "});
}

// The name a line element's line ends in: the substrate names of the substrate dialog, and no
// name where the line ends in a key's value or a word that is no name.
TEST(NetLineTest, GetTrailingName) {
  const std::pair<const char*, const char*> cases[] = {
      {"TRL 1 2 W=1mm P=10mm FR-4", "FR-4"},
      {"TRL 1 2 W=1mm P=10mm RO4003C", "RO4003C"},
      {"OST 3 W=1mm P=4mm Duroid_5880  ", "Duroid_5880"},
      {"SST 3 W=1mm P=4mm Al2O3.99", "Al2O3.99"},
      {"SLTS 1 Approx W=0.1mm P=5mm OPEN HF1", "HF1"},
      {"CPLL 1 2 W=1mm S=0.5mm P=10mm a+b", "a+b"},
      {"TRL 1 2 W=1mm P=10mm NO_SUB", "NO_SUB"},
      // Values of keys, with or without blanks, labels included, are no names.
      {"TRL 1 2 Z=50ohm P=0.1m K=2.2 A=0.5", ""},
      {"TRL 1 2 Z=50ohm P=0.1m K=2.2 A=-3", ""},
      {"TRL 1 2 Z=50ohm P=0.1m K=2.2 A = ALOSS", ""},
      // A word that does not begin with a letter is no DATA name.
      {"TRL 1 2", ""},
      {"OST 3 W=1mm P=4mm 4003", ""},
      {"OST 3 W=1mm P=4mm -x", ""},
      {"", ""},
  };
  for (const auto& [line, name] : cases) {
    EXPECT_STREQ(GetTrailingName(MyStrng(line)).GetBuffer(), name) << line;
  }
}

TEST(NetLineTest, GetNextValueReplacesLabels) {
  SymbolTable labels;
  labels.Insert("RL", "50");
  struct Case {
    const char* line;
    const char* value;
    std::vector<std::string> messages;
  } cases[] = {
      {"4.0GHz R = 5", "4.0GHz", {}},
      {"RL C = 5", "50", {}},
      {"RX", "NOT_FOUND", {"RX Label nicht gefunden"}},
      {"", "", {}},
  };
  for (const Case& c : cases) {
    VS_Error::ResetQueue();
    NetLine line(c.line);
    MyStrng value;
    line.GetNextValue(value, labels);
    EXPECT_STREQ(value.GetBuffer(), c.value) << c.line;
    EXPECT_STREQ(line.GetBuffer(), c.line) << "the line is not changed";
    EXPECT_EQ(QueuedMessages(), c.messages) << c.line;
  }
}

// Fewer numbers than ports leave ports without nodes: refused.
TEST(NetLineTest, CheckNodeList) {
  struct Case {
    const char* list;
    int ports;
    int result;
  } cases[] = {{"1 2", 2, 0}, {"1 0 2 0", 2, 0}, {"1 2 3", 2, 1}, {"0", 2, 1},
               {"", 2, 1},    {"  ", 1, 1},      {"00", 1, 1},    {"3", 1, 0},
               {"3 5", 1, 0}, {"1 2 3", 3, 0},   {"1", 2, 1},     {"1 2 3", 4, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(CheckNodeList(c.list, c.ports), c.result) << '"' << c.list << "\" " << c.ports;
  }
}

TEST(NetLineTest, NodeListsStopAtTheirBounds) {
  EXPECT_STREQ(GetNodeList("12 0 R= 5").GetBuffer(), "12 0 ");
  EXPECT_STREQ(GetNodeList("R=5").GetBuffer(), "");
  EXPECT_EQ(GetNodeList(std::string(100, '7').c_str()).GetLength(), 81);
  int nodes[3] = {};
  EXPECT_EQ(ReadNodes("4 5 6 7 8", nodes, 3), 3);
  EXPECT_EQ(nodes[2], 6);
  EXPECT_EQ(ReadNodes("  ", nodes, 3), 0);
  EXPECT_EQ(ReadNodes("99999999999", nodes, 3), 1);
  EXPECT_EQ(nodes[0], 2147483647) << "saturates";
}

}  // namespace
