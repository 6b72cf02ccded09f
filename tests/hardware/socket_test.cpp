#include "hardware/socket.h"

#include "tests/support/port_fixture.h"

namespace {

class SocketTest : public RecordedPortTest {
  protected:
    // The nibbles written by ExpWrite transactions, in order, as (index, value) pairs.
    std::vector<std::pair<int, int>> WrittenNibbles() const {
        std::vector<std::pair<int, int>> nibbles;
        const auto& accesses = m_port.Accesses();
        for (std::size_t i = 0; i + 5 < accesses.size(); i += 6) {
            const int nInstruction = (accesses[i + 1].byValue ^ 0x0B) & 0x0F;
            const int nIndex = (nInstruction & 3) + (accesses[i].byValue == 3 ? 4 : 0);
            nibbles.emplace_back(nIndex, (accesses[i + 3].byValue ^ 0x0B) & 0x0F);
        }
        return nibbles;
    }
};

struct AddressCase {
    WORD wType;
    DWORD dwAddress;
    std::vector<std::pair<int, int>> expected;
};

TEST_F(SocketTest, SetAddressWritesFourNibblesWithTheA14RuleOfTheSmallTypes) {
    const std::vector<AddressCase> cases = {
        {TYPE_27C64, 0x1FFF, {{2, 0xF}, {3, 0xF}, {4, 0xF}, {5, 0x5}}},
        {TYPE_27C512, 0x1FFF, {{2, 0xF}, {3, 0xF}, {4, 0xF}, {5, 0x1}}},
        {TYPE_27C256, 0x7FFF, {{2, 0xF}, {3, 0xF}, {4, 0xF}, {5, 0x7}}},
        {TYPE_27C128, 0x0000, {{2, 0x0}, {3, 0x0}, {4, 0x0}, {5, 0x4}}},
        {TYPE_27C128, 0x3FFF, {{2, 0xF}, {3, 0xF}, {4, 0xF}, {5, 0x7}}},
        // Bits above 15 never reach the socket.
        {TYPE_27C512, 0x1ABCD, {{2, 0xD}, {3, 0xC}, {4, 0xB}, {5, 0xA}}},
    };
    for (const AddressCase& testCase : cases) {
        m_port.Clear();
        SelectType(testCase.wType);
        g_dwAddress = testCase.dwAddress;
        SetAddress();
        EXPECT_EQ(m_port.Accesses().size(), 24u);
        EXPECT_EQ(WrittenNibbles(), testCase.expected)
            << "type " << testCase.wType << " address " << std::hex << testCase.dwAddress;
    }
}

TEST_F(SocketTest, WriteDataByteSendsLowNibbleFirst) {
    WriteDataByte(0xA5);
    EXPECT_EQ(WrittenNibbles(), (std::vector<std::pair<int, int>>{{0, 0x5}, {1, 0xA}}));
}

TEST_F(SocketTest, ReadDataByteSelectsReadModeThenReadsHighBeforeLow) {
    // High data lines 0xC, low lines 0x3, as the port shows them (inverted bits 0, 1, 3).
    m_port.ScriptReads({static_cast<BYTE>(0xC ^ 0x0B), static_cast<BYTE>(0x3 ^ 0x0B)});
    EXPECT_EQ(ReadDataByte(), 0xC3);
    std::vector<PortAccess> expected = WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_READ);
    for (BYTE byIndex : {NIB_DATA_HI, NIB_DATA_LO}) {
        const std::vector<PortAccess> read = {
            {'W', 0x378, 5},
            {'W', 0x37A, static_cast<BYTE>(byIndex ^ 0x0B)},
            {'W', 0x378, 4},
            {'W', 0x37A, 4},
            {'R', 0x37A, byIndex == NIB_DATA_HI ? BYTE(0xC ^ 0x0B) : BYTE(0x3 ^ 0x0B)},
            {'W', 0x378, 5},
            {'W', 0x378, 7}};
        expected.insert(expected.end(), read.begin(), read.end());
    }
    EXPECT_EQ(m_port.Accesses(), expected);
}

TEST_F(SocketTest, PulseDelayReadsTheControlRegisterTwicePerCountAndNeverWrites) {
    PulseDelay(0);
    EXPECT_TRUE(m_port.Accesses().empty());
    PulseDelay(1);
    EXPECT_EQ(m_port.Accesses(), (std::vector<PortAccess>{{'R', 0x37A, 0xFF}, {'R', 0x37A, 0xFF}}));
    m_port.Clear();
    PulseDelay(32767);
    EXPECT_EQ(m_port.Accesses().size(), 65534u);
}

TEST_F(SocketTest, ProgramPulseTakesPgmLowOnlyOnTheSmallTypes) {
    for (WORD wType : {TYPE_27C64, TYPE_27C128, TYPE_27C256, TYPE_27C512}) {
        m_port.Clear();
        SelectType(wType);
        ProgramPulse(0x3C);
        const bool bPgm = wType < TYPE_27C256;
        std::vector<PortAccess> expected;
        auto append = [&expected](const std::vector<PortAccess>& part) {
            expected.insert(expected.end(), part.begin(), part.end());
        };
        append(WriteSequence(NIB_DATA_LO, OP_WRITE, 0xC));
        append(WriteSequence(NIB_DATA_HI, OP_WRITE, 0x3));
        if (bPgm) {
            append(WriteSequence(NIB_ADDR_3, OP_AND, 0x0B));
        }
        append(WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_PULSE));
        append({{'R', 0x37A, 0xFF}, {'R', 0x37A, 0xFF}});
        if (bPgm) {
            append(WriteSequence(NIB_ADDR_3, OP_OR, 0x4));
        }
        append(WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_PULSE_END));
        append(WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_READ));
        ASSERT_GE(m_port.Accesses().size(), expected.size()) << "type " << wType;
        const std::vector<PortAccess> head(m_port.Accesses().begin(),
                                           m_port.Accesses().begin() + expected.size());
        EXPECT_EQ(head, expected) << "type " << wType;
        // The verifying read's two ExpRead transactions follow: 9 or 7 transactions in all
        // (the read counting as three) plus the two delay reads.
        const std::size_t nTransactions = bPgm ? 9 : 7;
        EXPECT_EQ(m_port.Accesses().size(), (nTransactions - 2) * 6 + 2 + 2 * 7);
    }
}

TEST_F(SocketTest, PowerOnSequenceZeroesTheSocketAndIdlesTheControlLines) {
    g_dwAddress = 0x1234;
    PowerOnSequence();
    EXPECT_EQ(g_dwAddress, 0u);
    EXPECT_EQ(WrittenNibbles(),
              (std::vector<std::pair<int, int>>{
                  {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 3}, {7, 0}}));
}

TEST_F(SocketTest, TypeChoiceSendsNothingAndShowsAtTheNextSetAddress) {
    SelectType(TYPE_27C64);
    EXPECT_TRUE(m_port.Accesses().empty());
    EXPECT_EQ(g_wType, TYPE_27C64);
    EXPECT_EQ(DeviceLastAddress(TYPE_27C64), 0x1FFFu);
    EXPECT_EQ(DeviceLastAddress(TYPE_27C128), 0x3FFFu);
    EXPECT_EQ(DeviceLastAddress(TYPE_27C256), 0x7FFFu);
    EXPECT_EQ(DeviceLastAddress(TYPE_27C512), 0xFFFFu);
}

}  // namespace
