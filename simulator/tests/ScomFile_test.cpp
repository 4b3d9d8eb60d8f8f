#include "simulator/ScomFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "simulator/NetContext.h"
#include "simulator/NonLinearUsrNet.h"
#include "simulator/UsrDefNet.h"
#include "simulator/tests/ReaderHarness.h"
#include "simulator/tests/TestElements.h"

namespace {

struct CorpusCase {
  const char* file;
  bool ready;  // the networks are ready for a run
  std::vector<std::string> messages;
  const char* structure;  // as ReaderHarness::Describe writes it; null: not compared
};

void PrintTo(const CorpusCase& c, std::ostream* os) { *os << c.file; }

class CorpusTest : public testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusTest, ReadsNetlist) {
  const CorpusCase& c = GetParam();
  ReaderHarness harness;
  const std::vector<std::string> text = ReaderHarness::LoadNetlist(c.file);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(harness.Run(text), c.ready);
  EXPECT_EQ(ReaderHarness::QueuedMessages(), c.messages);
  if (c.structure != nullptr) {
    EXPECT_EQ(harness.Describe(), c.structure);
  }
}

// clang-format off
const char* const kEmptyTop = "net TOP 1POR 1: (1,0) nodes 1\n";

const CorpusCase kCorpus[] = {
    {"all_blocks.net", true,
     {},
     R"(labels: RL=50; RG=75ohm; TAB=1 2 3; TAB1=1GHz 0.5 10; TAB2=2GHz 0.4 20; LEN=1mm; CV=22pF;
data: SUB1=MS H=0.625mm ER=2.33 MET1 = CU 17um TAND=0.0002; T1=S 2; T11=1GHz 0.5 10; T12=2GHz 0.4 20; T2=S 1; T21=1GHz 0.9 10 0.1 20 0.1 30 0.8 40; W0=1mm;
objects: SUB1 Substrate/0 T1 OnePortTable/2 T2 TwoPortTable/1
sweep: L 1e+09 2e+10 101
out: S 'Betrag/Phase'
net TOP 2POR 1 2 RG1 = 50ohm RG2 = 50ohm: (1,0) (2,0) nodes 1 3 2 4
  TestRes RES (1,0) [50]
  TestRes RES (1,3) [10]
  TestCap CAP (3,0) [22pF]
  TestTwo TWO (1,0) (2,0)
  TestBip BIP (1,0) (2,0) [+ H11=5] [+ H21=50]
  TestTee TEE (1,0) (2,0) (3,0)
  TestCpl CPL (1,0) (2,0) (3,0) (4,0)
  TestSyue SYUE (1,0) (2,0) (3,0)
  TestOne ONE (2,0) [T1]
  TestLine TRL (1,0) (2,0) [50]
  TestMicrostrip TRL (1,0) (2,0) [1mm] [SUB1]
)"},
    {"blk_blanks.net", false, {" BLK SYN_ERR Symboltabelle kein Buchstabe"}, ""},
    {"data_missing.net", false,
     {"Daten für Eintor nicht vorhanden", "ONE 1 T1Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     kEmptyTop},
    {"data_tables.net", true,
     {},
     R"(data: NARROW=S 2; NARROW1=1GHz 0.5 10; NARROW2=2GHz 0.4 20 0.1 0 0.1 0 0.3 40; NARROWX=5; WIDE=S 1; WIDE1=1GHz 0.9 10 0.1 20 0.1 30 0.8 40; EMPTY=S 0;
objects: NARROW OnePortTable/2 WIDE TwoPortTable/1
net TOP 1POR 1: (1,0) nodes 1
  TestOne ONE (1,0) [NARROW]
)"},
    {"empty_block.net", true,
     {"Definiertes Netzwerk enthält keine Elemente"},
     R"(net EMPTY 1POR 1: (1,0) nodes 1
)"},
    {"err_data_element.net", false,
     {"Datensegment: keine Schaltsymbole"},
     R"(data: SUB=MS H=1mm ER=4.4 MET1 = CU 35um TAND=0.02;
)"},
    {"err_def_duplicate.net", false, {"SUB Symbol bereits vorhanden"}, ""},
    {"err_def_keyword.net", false, {"Syntaxfehler: UsrNet falsch definiert"}, ""},
    {"err_def_kind.net", false, {"UsrNet falsch definiert nur 1POR oder 2POR erlaubt"}, ""},
    {"err_def_name.net", false,
     {"1TOP: 1POR 1 SYN_ERR Symboltabelle kein Buchstabe", "Syntaxfehler: UsrNet falsch definiert"},
     ""},
    {"err_def_nodes.net", false, {"UsrDefNet: Falsche Knotenanzahl"}, ""},
    // A two-port needs a node for each port.
    {"err_def_one_node.net", false, {"UsrDefNet: Falsche Knotenanzahl"}, ""},
    {"err_def_none.net", false, {"Syntaxfehler: Keine N-Definition"}, ""},
    {"err_def_por.net", false, {"Schlüsselwort POR nicht vorhanden"}, ""},
    {"err_def_two.net", false, {"Syntaxfehler: Zuviele Definitionen"}, ""},
    {"err_dreipol.net", false,
     {"Dreipole haben gleichen Bezugspunkt", "BIP 1 3 2 4Syntaxfehler"},
     R"(net TOP 2POR 1 2: (1,0) (2,0) nodes 1 3 2
  TestBip BIP (1,3) (2,3)
)"},
    {"err_element_unknown.net", false,
     {"IQU 1Syntaxfehler", "SLTL 1 2Syntaxfehler"},
     R"(net TOP 1POR 1: (1,0) nodes 1
  TestRes RES (1,0) [50]
)"},
    {"err_freq_log_zero.net", false, {"Syntaxfehler: Frequenzbereich falsch definiert"}, ""},
    {"err_fuenfpol.net", false,
     {"Fünfpole haben gleichen Bezugspunkt", "CPL 1 5 2 5 3 5 4 5Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     kEmptyTop},
    // An instance of a network defined further down is read as a definition without ':'.
    {"err_instance_later.net", false,
     {"LATER 1 SYN_ERR Symboltabelle kein Doppelpunkt", "Syntaxfehler: UsrNet falsch definiert"},
     ""},
    {"err_key_equals.net", false,
     {"R 50 = fehlt ", "RES 1 R 50Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     kEmptyTop},
    {"err_key_missing.net", false,
     {"X = 5 R fehlt ", "RES 1 X = 5Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     kEmptyTop},
    {"err_label_colon.net", false, {"R1 50 SYN_ERR Symboltabelle kein Doppelpunkt"}, ""},
    {"err_label_duplicate.net", false,
     {"R1 Symbol bereits vorhanden"},
     R"(labels: R1=50;
)"},
    {"err_label_letter.net", false,
     {"1GHz 0.5 10 SYN_ERR Symboltabelle kein Buchstabe"},
     R"(labels: R1=50;
)"},
    {"err_label_symbol.net", false, {" : 50 SYN_ERR Symboltabelle Kein Symbol"}, ""},
    {"err_label_unknown.net", false,
     {"RL Label nicht gefunden", "RES 1 R = RLSyntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     kEmptyTop},
    {"err_label_value.net", false,
     {"R1: <--SYN_ERR  Kein Wert"},
     R"(labels: R1=NO_VALUE;
)"},
    {"err_nested.net", false, {"Syntaxfehler z.B. kein End"}, ""},
    {"err_no_end.net", false, {"Syntaxfehler z.B. kein End"}, ""},
    {"err_node_list.net", false,
     {"0 R = 50 SYN_ERR Knoten ", "RES 0 R = 50Syntaxfehler", "1 SYN_ERR Knoten ", "TWO 1Syntaxfehler", "1 2 3 R = 5 SYN_ERR Knoten ", "RES 1 2 3 R = 5Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     R"(net TOP 2POR 1 2: (1,0) (2,0) nodes 1 2
)"},
    {"err_out_in_blk.net", false,
     {"Syntaxfehler z.B. kein End"},
     R"(out: S ''
)"},
    {"err_port_nodes.net", false,
     {"Identische Knoten in einem Zweig", "RES 4 4 R = 50Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     R"(net TOP 1POR 4: (4,0) nodes 4
)"},
    {"err_ports_identical.net", false,
     {"Tore0 und 1 identisch", "TWO 1 1Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     kEmptyTop},
    {"err_substrate_check.net", false,
     {"CHIP: MS H=1mm ER=4.4 MET1 = CU 35um TAND=0.02 = fehlt ", "Substrat nicht vorhanden", "TRL 1 0 2 0 W = 1mm CHIPSyntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     R"(data: CHIP=MS H=1mm ER=4.4 MET1 = CU 35um TAND=0.02;
net TOP 2POR 1 2: (1,0) (2,0) nodes 1 2
)"},
    {"err_table_row.net", false,
     {"Syntaxfehler in Datentabelle", "Datenpointer für Eintor nicht vorhanden", "ONE 1 T1Syntaxfehler", "Definiertes Netzwerk enthält keine Elemente"},
     R"(data: T1=S 3; T11=1GHz 0.5 10; T12=2GHz 0.4; T13=3GHz 0.3 30;
net TOP 1POR 1: (1,0) nodes 1
)"},
    {"err_rd_freq_mode.net", false, {"Syntaxfehler: Frequenzbereich falsch definiert"}, ""},
    {"err_rd_self.net", false,
     {"Netzwerk verwendet sich selbst: SUB"},
     R"(net SUB 1POR 1 RG1 = 50ohm: (1,0) nodes 1
  TestRes RES (1,0) [50ohm]
net TOP 1POR 1 RG1 = 50ohm: (1,0) nodes 1
  UsrDefEinTor SUB (1,0)
)"},
    {"err_too_many_objects.net", false,
     {"Datensegment: mehr als 20 Datenobjekte", "Definiertes Netzwerk enthält keine Elemente"},
     nullptr},
    {"freq_fexp.net", true,
     {},
     R"(sweep: E 1e+09 1e+10 250
net TOP 1POR 1: (1,0) nodes 1
  TestRes RES (1,0) [50]
)"},
    {"freq_fstep_min.net", true,
     {},
     R"(sweep: L 1e+09 2e+09 2
net TOP 1POR 1: (1,0) nodes 1
  TestRes RES (1,0) [50]
)"},
    {"instances.net", true,
     {},
     R"(net SUB1 1POR 5 RG1 = 50ohm: (5,0) nodes 5
  TestRes RES (5,0) [50]
net SUB2 2POR 1 2 RG1 = 50ohm RG2 = 50ohm: (1,0) (2,0) nodes 1 2
  TestTwo TWO (1,0) (2,0)
net TOP 1POR 1 RG1 = 50ohm: (1,0) nodes 1 2
  UsrDefEinTor SUB1 (1,0)
  UsrDefZweiTor SUB2 (1,0) (2,0)
  TestRes RES (2,0) [10]
)"},
    {"labels_rows.net", true,
     {},
     R"(labels: A=1; A1=100 200; A2=-3 4; A3=.5 6; B=x; B1=7 8; C=y: z; D=NONAME; D1=9 10;
net N 1POR 1: (1,0) nodes 1
  TestRes RES (1,0) [1]
)"},
    {"long_node_list.net", true,
     {"Knoten in Netzwerkdefinition nicht vorhanden"},
     R"(net TOP 1POR 1: (1,0) nodes 2147483647 1
  TestCap CAP (2147483647,0) [1111111111111111111]
)"},
    {"nonlinear.net", true,
     {},
     R"(net LIN 1POR 1: (1,0) nodes 1
  TestRes RES (1,0) [50]
dc net DIODE nodes 1 2
  TestRes RES (1,2) [1k]
  TestDiode HLD (2,0)
)"},
    {"rd_data_rows.net", true,
     {},
     R"(data: T11=MS H=0.635mm ER=9.8 MET1 = CU 17um TAND=0.0002; T1=S 2; T11=1GHz 0.5 10; T12=2GHz 0.4 20; T12=MS H=1mm ER=4.4 MET1 = CU 35um TAND=0.02;
objects: T11 Substrate/0 T1 OnePortTable/2 T12 Substrate/0
sweep: L 1e+09 2e+09 3
net TOP 2POR 1 2 RG1 = 50ohm RG2 = 50ohm: (1,0) (2,0) nodes 1 2
  TestOne ONE (1,0) [T1]
  TestMicrostrip TRL (1,0) (2,0) [0.6mm] [T11]
  TestMicrostrip TRL (1,0) (2,0) [2mm] [T12]
)"},
    {"tabs.net", true,
     {},
     R"(net TOP 1POR 1: (1,0) nodes 1 2
  TestRes RES (1,0) [50]
  TestTwo TWO (1,0) (2,0)
)"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Netlists, CorpusTest, testing::ValuesIn(kCorpus),
                         [](const testing::TestParamInfo<CorpusCase>& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

TEST(ScomFileTest, BlockKeywordLinesStartAtTheFirstCharacter) {
  ReaderHarness harness;
  EXPECT_TRUE(harness.Run({"BLK ", "TOP: 1POR 1", "END  "}));
  EXPECT_EQ(harness.reader.GetBlkCount(), 1);
  EXPECT_FALSE(harness.Run({"blk", "TOP: 1POR 1", "end"}));
}

TEST(ScomFileTest, ARefusedSweepLeavesTheSweepAlone) {
  ReaderHarness harness;
  harness.sweep.SetCount(51);
  harness.sweep.Prepare();
  EXPECT_FALSE(harness.Run({"FREQ", "FEXP 2GHz 101 1GHz", "END", "BLK", "T: 1POR 1", "END"}));
  EXPECT_EQ(harness.sweep.start, 1e9);
  EXPECT_EQ(harness.sweep.stop, 2e10);
  EXPECT_EQ(harness.sweep.count, 51);
  EXPECT_EQ(harness.sweep.mode, 'E') << "the mode is taken before the range is judged";
  EXPECT_EQ(harness.sweep.previousMode, 'L');
  EXPECT_FALSE(harness.reader.HasFreq());
}

TEST(ScomFileTest, ATakenSweepIsPrepared) {
  ReaderHarness harness;
  ASSERT_TRUE(harness.Run({"FREQ", "FSTEP 1GHz 101 20GHz", "END", "BLK", "T: 1POR 1", "END"}));
  EXPECT_EQ(harness.sweep.GetFrequency(50), 10.5e9);
  EXPECT_EQ(harness.sweep.count, 101);
}

TEST(ScomFileTest, OutBlockKeepsAnUnknownKind) {
  ReaderHarness harness;
  ASSERT_TRUE(harness.Run({"OUT", "Q  dB", "END", "BLK", "T: 1POR 1", "END"}));
  EXPECT_EQ(harness.reader.GetOutKind(), 'S');
  EXPECT_STREQ(harness.reader.GetOutputFormat().GetBuffer(), "dB");
  ASSERT_TRUE(harness.Run({"OUT", "Z", "END", "BLK", "T: 1POR 1", "END"}));
  EXPECT_EQ(harness.reader.GetOutKind(), 'Z');
}

TEST(ScomFileTest, EachReadingJudgesOnlyItsOwnText) {
  ReaderHarness harness;
  EXPECT_FALSE(harness.Run({"BLK", "T: 1POR 1"}));
  EXPECT_EQ(harness.reader.GetErrorCode(), 4);
  harness.reader.Reset();
  EXPECT_EQ(harness.reader.GetErrorCode(), 4) << "Reset leaves the code to the owner";
  EXPECT_TRUE(harness.Run({"BLK", "T: 1POR 1", "END"}));
}

// An owner stops at the syntax check; driven on, the reader still reads each line once.
TEST(ScomFileTest, AnUnterminatedBlockEndsAtTheNextBlock) {
  ReaderHarness harness;
  EXPECT_FALSE(harness.Run({"BLK", "A: 1POR 1", "RES 1 R = 50", "DATA", "X: 1", "BLK",
                           "B: 1POR 1", "RES 1 R = 5", "END"}));
  EXPECT_FALSE(harness.reader.ReadBlocks());
  harness.reader.BuildDataObjects();
  harness.reader.BuildNets();
  EXPECT_EQ(ReaderHarness::QueuedMessages(),
            (std::vector<std::string>{"Syntaxfehler z.B. kein End",
                                      "Datensegment: keine Schaltsymbole"}));
  EXPECT_EQ(harness.Describe(),
            "data: X=1;\n"
            "net A 1POR 1: (1,0) nodes 1\n  TestRes RES (1,0) [50]\n"
            "net B 1POR 1: (1,0) nodes 1\n  TestRes RES (1,0) [5]\n");
}

// A line of a block that is no element, no instance of an earlier network and no comment is
// a definition: without ':' it is told by the label rule, then as a bad definition, and the
// block's count of definitions is not told beside it.
TEST(ScomFileTest, ABlockLineWithoutColonIsABadDefinition) {
  struct Case {
    std::vector<std::string> text;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {{"BLK", "AMP 2POR 1 2", "RES 1 2 R = 75", "END"},
       {"AMP 2POR 1 2 SYN_ERR Symboltabelle kein Doppelpunkt",
        "Syntaxfehler: UsrNet falsch definiert"}},
      {{"BLK", "NET7: 1POR 4", "XFMR 4 0 N = 3", "RES 4 R = 10", "END"},
       {"XFMR 4 0 N = 3 SYN_ERR Symboltabelle kein Doppelpunkt",
        "Syntaxfehler: UsrNet falsch definiert"}},
      {{"BLK", "2ND 1 R = 5", "Q: 1POR 1", "END"},
       {"2ND 1 R = 5 SYN_ERR Symboltabelle kein Buchstabe",
        "Syntaxfehler: UsrNet falsch definiert"}},
      // Every block is read; an instance of an earlier network stays an instance.
      {{"BLK", "INNER: 1POR 2", "RES 2 R = 1k", "END", "BLK", "OUTER: 1POR 3", "INNER 3",
        "LOAD 3", "END", "BLK", "LAST: 1POR 1", "OUTER 1", "PAD 1", "END"},
       {"LOAD 3 SYN_ERR Symboltabelle kein Doppelpunkt", "Syntaxfehler: UsrNet falsch definiert",
        "PAD 1 SYN_ERR Symboltabelle kein Doppelpunkt", "Syntaxfehler: UsrNet falsch definiert"}},
  };
  for (const Case& c : cases) {
    ReaderHarness harness;
    EXPECT_FALSE(harness.Run(c.text)) << c.text[1];
    EXPECT_EQ(ReaderHarness::QueuedMessages(), c.messages) << c.text[1];
    EXPECT_EQ(harness.reader.GetUsrNetCount(), 0) << c.text[1];
  }
}

// "IQU" is a keyword that makes no element: its line is refused as an element line.
TEST(ScomFileTest, AKeywordWithoutElementIsNoLabelNorDefinition) {
  ReaderHarness harness;
  EXPECT_FALSE(harness.Run({"IQU: 3", "BLK", "N: 1POR 2", "IQU 2", "RES 2 R = 9", "END"}));
  EXPECT_EQ(ReaderHarness::QueuedMessages(), std::vector<std::string>{"IQU 2Syntaxfehler"});
  EXPECT_EQ(harness.reader.GetLabels().Lookup("IQU"), SymbolTable::kNotFound);
  EXPECT_FALSE(harness.Run({"BLK", "N: 1POR 2", "RES 2 R = 9", "END", "DATA", "IQU 1", "END"}));
  EXPECT_EQ(ReaderHarness::QueuedMessages(),
            std::vector<std::string>{"Datensegment: keine Schaltsymbole"});
}

TEST(ScomFileTest, ReadBlocksFailsWhenALabelLineFails) {
  ReaderHarness harness;
  LineFile lines;
  lines.AddLine("R1 50").AddLine("BLK").AddLine("T: 1POR 1").AddLine("END");
  harness.reader.SetLines(lines);
  ASSERT_TRUE(harness.reader.CheckSyntax());
  EXPECT_FALSE(harness.reader.ReadBlocks());
  EXPECT_EQ(harness.reader.GetErrorCode(), 0) << "a label line reports on itself";
}

TEST(ScomFileTest, NetworksAreComputedInBlockOrder) {
  ReaderHarness harness;
  ASSERT_TRUE(harness.Run(ReaderHarness::LoadNetlist("instances.net")));
  ScomFile& reader = harness.reader;
  ASSERT_EQ(reader.GetUsrNetCount(), 3);
  EXPECT_EQ(reader.GetUsrNet(3), nullptr);
  EXPECT_EQ(reader.FindUsrNet("SUB2"), reader.GetUsrNet(1));
  EXPECT_EQ(reader.FindUsrNet("sub2"), nullptr);

  EXPECT_TRUE(reader.ComputeAt(2e9f));
  const auto* res = dynamic_cast<const TestModel*>(reader.GetUsrNet(0)->FindElement("RES"));
  ASSERT_NE(res, nullptr);
  EXPECT_EQ(res->fills, 1);
  EXPECT_EQ(res->lastFrequency, 2e9f);
}

TEST(ScomFileTest, OperatingPointNetworksStartWithADcSupplyOnly) {
  ReaderHarness harness;
  ASSERT_TRUE(harness.Run(ReaderHarness::LoadNetlist("nonlinear.net")));
  ASSERT_EQ(harness.reader.GetNonLinearNetCount(), 1);
  EXPECT_EQ(harness.reader.GetNonLinearNet(0)->StartDcSweep(), 0);
  EXPECT_TRUE(harness.reader.StartDcSweeps());
}

TEST(ScomFileTest, TwentyDataObjectsAtMost) {
  ReaderHarness harness;
  EXPECT_FALSE(harness.Run(ReaderHarness::LoadNetlist("err_too_many_objects.net")));
  EXPECT_EQ(harness.reader.GetDataObjectCount(), 20);
  EXPECT_NE(harness.reader.FindDataObject("S20"), nullptr);
  EXPECT_EQ(harness.reader.FindDataObject("S21"), nullptr);
}

TEST(ScomFileTest, ReadsTrimmedLinesFromAFile) {
  ScomFile reader;
  EXPECT_FALSE(reader.ReadFile("/nonexistent/netlist.net"));
  ASSERT_TRUE(reader.ReadFile(
      (std::filesystem::path(VOSTRANE_NETLIST_CORPUS) / "blk_blanks.net").c_str()));
  // The file's " BLK" loses its blank: the text now has two blocks, one left open.
  EXPECT_STREQ(reader.GetLines().back().GetBuffer(), "BLK");
  EXPECT_FALSE(reader.CheckSyntax());
}

TEST(ScomFileTest, DestroyedReaderIsNoLongerInUse) {
  auto reader = std::make_unique<ScomFile>();
  NetContext::SetReaderInUse(reader.get());
  reader.reset();
  EXPECT_EQ(NetContext::ReaderInUse(), nullptr);
}

}  // namespace
