#include "hardware/expander_link.h"

#include <functional>

#include "tests/support/port_fixture.h"

namespace {

struct TransactionCase {
    const char* pszName;
    std::function<void()> transaction;
    std::vector<PortAccess> expected;
};

class ExpanderLinkTest : public RecordedPortTest {};

TEST_F(ExpanderLinkTest, WriteTypeTransactionsIssueTheirSixRegisterWrites) {
    const std::vector<TransactionCase> cases = {
        {"ExpWrite(0, 0)",
         [] { ExpWrite(0, 0); },
         {{'W', 0x378, 5},
          {'W', 0x37A, 0x0F},
          {'W', 0x378, 4},
          {'W', 0x37A, 0x0B},
          {'W', 0x378, 5},
          {'W', 0x378, 7}}},
        {"ExpWrite(6, 3)",
         [] { ExpWrite(6, 3); },
         {{'W', 0x378, 3},
          {'W', 0x37A, 0x0D},
          {'W', 0x378, 2},
          {'W', 0x37A, 0x08},
          {'W', 0x378, 3},
          {'W', 0x378, 7}}},
        {"ExpAnd(5, 0x0B)",
         [] { ExpAnd(5, 0x0B); },
         {{'W', 0x378, 3},
          {'W', 0x37A, 0x06},
          {'W', 0x378, 2},
          {'W', 0x37A, 0x00},
          {'W', 0x378, 3},
          {'W', 0x378, 7}}},
        {"ExpOr(5, 4)",
         [] { ExpOr(5, 4); },
         {{'W', 0x378, 3},
          {'W', 0x37A, 0x02},
          {'W', 0x378, 2},
          {'W', 0x37A, 0x0F},
          {'W', 0x378, 3},
          {'W', 0x378, 7}}},
    };
    for (const TransactionCase& testCase : cases) {
        m_port.Clear();
        testCase.transaction();
        EXPECT_EQ(m_port.Accesses(), testCase.expected) << testCase.pszName;
    }
}

TEST_F(ExpanderLinkTest, ReadOnLpt2ReleasesTheBusAfterTheStrobeAndUndoesTheInversion) {
    SelectLpt2();
    m_port.ScriptReads({0xCE});
    EXPECT_EQ(ExpRead(1), 5);
    const std::vector<PortAccess> expected = {{'W', 0x278, 5}, {'W', 0x27A, 0x0A}, {'W', 0x278, 4},
                                              {'W', 0x27A, 4}, {'R', 0x27A, 0xCE}, {'W', 0x278, 5},
                                              {'W', 0x278, 7}};
    EXPECT_EQ(m_port.Accesses(), expected);
}

TEST_F(ExpanderLinkTest, IndexZeroAndFourSendTheSameInstructionToDifferentExpanders) {
    ExpWrite(0, 9);
    const std::vector<PortAccess> portA = m_port.Accesses();
    m_port.Clear();
    ExpWrite(4, 9);
    const std::vector<PortAccess> portB = m_port.Accesses();
    EXPECT_EQ(portA[1], portB[1]);
    EXPECT_EQ(portA[3], portB[3]);
    EXPECT_EQ(portA[0].byValue, 5);
    EXPECT_EQ(portA[2].byValue, 4);
    EXPECT_EQ(portB[0].byValue, 3);
    EXPECT_EQ(portB[2].byValue, 2);
}

TEST_F(ExpanderLinkTest, SwitchingPortsWritesNothingAndMovesTheNextTransaction) {
    SelectLpt2();
    EXPECT_TRUE(m_port.Accesses().empty());
    EXPECT_EQ(g_wPortBase, 0x278);
    ExpWrite(2, 1);
    for (const PortAccess& access : m_port.Accesses()) {
        EXPECT_TRUE(access.dwPort == 0x278 || access.dwPort == 0x27A) << access.dwPort;
    }
    m_port.Clear();
    SelectLpt1();
    EXPECT_TRUE(m_port.Accesses().empty());
    EXPECT_EQ(g_wPortBase, 0x378);
}

}  // namespace
