#include "sim/simulated_board.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "hardware/expander_link.h"
#include "hardware/socket.h"

namespace {

constexpr DWORD DATA = 0x378;
constexpr DWORD CONTROL = 0x37A;

// The board installed as the port back end, driven by the real link and socket code.
class SimulatedBoardTest : public ::testing::Test {
  protected:
    void TearDown() override { SetPortBackEnd(nullptr); }

    // A board with an erased chip of wChipType in the socket, and the program's type
    // chosen as wProgramType, powered on as the program does at start.
    CSimulatedBoard& Insert(WORD wChipType, WORD wProgramType) {
        m_board = std::make_unique<CSimulatedBoard>(wChipType);
        SetPortBackEnd(m_board.get());
        g_wPortBase = LPT1_BASE;
        SelectType(wProgramType);
        PowerOnSequence();
        return *m_board;
    }
    CSimulatedBoard& Insert(WORD wType) { return Insert(wType, wType); }

    static void Program(DWORD dwAddress, BYTE byData) {
        ExpWrite(NIB_CONTROL, CTRL_PROG_SETUP);
        g_dwAddress = dwAddress;
        SetAddress();
        ProgramPulse(byData);
        IdleControlLines();
    }

    static BYTE Read(DWORD dwAddress) {
        g_dwAddress = dwAddress;
        SetAddress();
        return ReadDataByte();
    }

    std::unique_ptr<CSimulatedBoard> m_board;
};

TEST_F(SimulatedBoardTest, EveryByteValueComesBackThroughBothBusInversions) {
    Insert(TYPE_27C512);
    for (DWORD dwValue = 0; dwValue < 0x100; ++dwValue) {
        Program(0x1200 + dwValue, static_cast<BYTE>(dwValue));
    }
    for (DWORD dwValue = 0; dwValue < 0x100; ++dwValue) {
        ASSERT_EQ(Read(0x1200 + dwValue), dwValue);
        ASSERT_EQ(m_board->ChipCells()[0x1200 + dwValue], dwValue);
    }
}

TEST_F(SimulatedBoardTest, WriteOrAndChangeTheExpanderLatch) {
    struct LatchCase {
        void (*transaction)(BYTE, BYTE);
        BYTE byValue;
        BYTE byExpected;
    };
    const LatchCase cases[] = {
        {ExpWrite, 0x3, 0x3}, {ExpOr, 0x8, 0xB},  {ExpAnd, 0x6, 0x2},
        {ExpOr, 0x5, 0x7},    {ExpAnd, 0x0, 0x0}, {ExpWrite, 0xA, 0xA},
    };
    CSimulatedBoard& board = Insert(TYPE_27C512);
    for (const LatchCase& testCase : cases) {
        testCase.transaction(NIB_CONTROL, testCase.byValue);
        EXPECT_EQ(board.ControlNibble(), testCase.byExpected) << "value " << int(testCase.byValue);
    }
}

TEST_F(SimulatedBoardTest, EachTypeProgramsAndReadsBackAWholeChip) {
    for (WORD wType : {TYPE_27C64, TYPE_27C128, TYPE_27C256, TYPE_27C512}) {
        CSimulatedBoard& board = Insert(wType);
        const DWORD dwLast = DeviceLastAddress(wType);
        auto pattern = [](DWORD dwAddress) {
            return static_cast<BYTE>(dwAddress * 7 ^ dwAddress >> 8);
        };
        ExpWrite(NIB_CONTROL, CTRL_PROG_SETUP);
        for (g_dwAddress = 0; g_dwAddress <= dwLast; ++g_dwAddress) {
            SetAddress();
            ASSERT_EQ(ProgramPulse(pattern(g_dwAddress)), pattern(g_dwAddress))
                << "type " << wType << " address " << std::hex << g_dwAddress;
        }
        IdleControlLines();
        ExpWrite(NIB_CONTROL, CTRL_READ);
        for (g_dwAddress = 0; g_dwAddress <= dwLast; ++g_dwAddress) {
            SetAddress();
            ASSERT_EQ(ReadDataByte(), pattern(g_dwAddress))
                << "type " << wType << " address " << std::hex << g_dwAddress;
            ASSERT_EQ(board.ChipCells()[g_dwAddress], pattern(g_dwAddress));
        }
        EXPECT_EQ(board.ControlNibble(), CTRL_READ);
    }
}

TEST_F(SimulatedBoardTest, A14IsPgmOnTheSmallChipsAndAnAddressLineOnTheLargeOnes) {
    struct A14Case {
        WORD wChipType;
        WORD wProgramType;
        DWORD dwAddress;
        long nProgrammedCell;  // -1: the chip must stay erased
    };
    const A14Case cases[] = {
        {TYPE_27C64, TYPE_27C64, 0x1FFF, 0x1FFF},
        {TYPE_27C128, TYPE_27C128, 0x3FFF, 0x3FFF},
        {TYPE_27C256, TYPE_27C256, 0x7FFF, 0x7FFF},
        {TYPE_27C256, TYPE_27C256, 0x3FFF, 0x3FFF},
        {TYPE_27C512, TYPE_27C512, 0xFFFF, 0xFFFF},
        {TYPE_27C512, TYPE_27C512, 0xBFFF, 0xBFFF},
        // A large type selected: A14 follows the address, so PGM is high above 0x3FFF and
        // the small chip is never pulsed; below it PGM stays low and the chip programs.
        {TYPE_27C64, TYPE_27C512, 0x4123, -1},
        {TYPE_27C128, TYPE_27C256, 0x7FFF, -1},
        {TYPE_27C64, TYPE_27C512, 0x0123, 0x0123},
        // A small type selected on a large chip: the pulse begins with A14 taken low, so it
        // lands on the cell asked for, though every read looks at the one with A14 high.
        {TYPE_27C256, TYPE_27C64, 0x0123, 0x0123},
        {TYPE_27C512, TYPE_27C128, 0x2000, 0x2000},
    };
    for (const A14Case& testCase : cases) {
        CSimulatedBoard& board = Insert(testCase.wChipType, testCase.wProgramType);
        Program(testCase.dwAddress, 0x00);
        std::vector<DWORD> programmed;
        for (DWORD dwCell = 0; dwCell < board.ChipCells().size(); ++dwCell) {
            if (board.ChipCells()[dwCell] != 0xFF) {
                programmed.push_back(dwCell);
            }
        }
        const std::vector<DWORD> expected =
            testCase.nProgrammedCell < 0 ? std::vector<DWORD>{}
                                         : std::vector<DWORD>{DWORD(testCase.nProgrammedCell)};
        EXPECT_EQ(programmed, expected)
            << "chip " << testCase.wChipType << " program type " << testCase.wProgramType
            << " address " << std::hex << testCase.dwAddress;
    }
}

TEST_F(SimulatedBoardTest, ASmallChipRepeatsInALargerAddressSpace) {
    CSimulatedBoard& board = Insert(TYPE_27C64, TYPE_27C512);
    board.ChipCells()[0x0005] = 0x5A;
    for (DWORD dwAddress : {0x0005u, 0x2005u, 0x6005u, 0xE005u}) {
        EXPECT_EQ(Read(dwAddress), 0x5A) << std::hex << dwAddress;
    }
}

TEST_F(SimulatedBoardTest, TheBoardAnswersOnEitherLogicalBase) {
    Insert(TYPE_27C512);
    Program(0x0777, 0xA5);
    SelectLpt2();
    EXPECT_EQ(Read(0x0777), 0xA5);
    Program(0x0778, 0x5A);
    SelectLpt1();
    EXPECT_EQ(Read(0x0778), 0x5A);
    EXPECT_EQ(DlPortReadPortUchar(0x379), 0xFF) << "the status register is not wired";
}

TEST_F(SimulatedBoardTest, ProgrammingOnlyClearsBits) {
    CSimulatedBoard& board = Insert(TYPE_27C256);
    Program(0x10, 0x0F);
    Program(0x10, 0xF3);
    EXPECT_EQ(board.ChipCells()[0x10], 0x03);
    EXPECT_EQ(Read(0x10), 0x03);
    EXPECT_EQ(Read(0x11), 0xFF) << "erased bytes read 0xFF";
}

TEST_F(SimulatedBoardTest, TheChipDrivesTheDataLinesOnlyInReadMode) {
    CSimulatedBoard& board = Insert(TYPE_27C512);
    board.ChipCells()[0x0042] = 0x00;
    g_dwAddress = 0x0042;
    SetAddress();
    for (BYTE byControl : {CTRL_PROG_SETUP, CTRL_IDLE, CTRL_PULSE_END}) {
        ExpWrite(NIB_CONTROL, byControl);
        EXPECT_EQ(ExpRead(NIB_DATA_HI), 0xF) << "control " << int(byControl);
        EXPECT_EQ(ExpRead(NIB_DATA_LO), 0xF) << "control " << int(byControl);
    }
    ExpWrite(NIB_CONTROL, CTRL_READ);
    EXPECT_EQ(ExpRead(NIB_DATA_HI), 0x0);
}

TEST_F(SimulatedBoardTest, AReadThatDoesNotReleaseTheBusSeesBothDrivers) {
    CSimulatedBoard& board = Insert(TYPE_27C512);
    board.ChipCells()[0] = 0x5C;
    ExpWrite(NIB_CONTROL, CTRL_READ);
    // The read of D4..D7 with the instruction nibble (0x1) left on the bus instead of the
    // released value 4: the lines are open collector, so the low bits of both show.
    for (auto [dwPort, byValue] :
         std::vector<std::pair<DWORD, BYTE>>{{DATA, 5}, {CONTROL, 0x1 ^ 0x0B}, {DATA, 4}}) {
        DlPortWritePortUchar(dwPort, byValue);
    }
    EXPECT_EQ(DlPortReadPortUchar(CONTROL), ((0x1 & 0x5) ^ 0x0B) | 0xC0);
    DlPortWritePortUchar(CONTROL, 4);
    EXPECT_EQ(DlPortReadPortUchar(CONTROL), (0x5 ^ 0x0B) | 0xC0);
    DlPortWritePortUchar(DATA, 5);
    DlPortWritePortUchar(DATA, 7);
    EXPECT_EQ(DlPortReadPortUchar(CONTROL), (0xF ^ 0x0B) | 0xC0) << "the expander let go";
}

// A program pulse the board must refuse, started after CTRL_PROG_SETUP, the address and
// the data 0x00 are in place.
struct RefusedPulseCase {
    const char* pszName;
    WORD wChipType;
    std::function<void()> pulse;
    bool bProgrammed;
};

void Registers(const std::vector<std::pair<DWORD, BYTE>>& writes) {
    for (auto [dwPort, byValue] : writes) {
        DlPortWritePortUchar(dwPort, byValue);
    }
}

// Control nibble CTRL_PULSE written to expander B, port P6: instruction 0x6, value 0xA.
constexpr BYTE PULSE_INSTRUCTION = 0x6 ^ 0x0B;
constexpr BYTE PULSE_VALUE = CTRL_PULSE ^ 0x0B;

TEST_F(SimulatedBoardTest, SequencesTheBoardWouldNotAcceptDoNotProgram) {
    const std::vector<RefusedPulseCase> cases = {
        {"the full sequence", TYPE_27C512,
         [] {
             Registers({{DATA, 3},
                        {CONTROL, PULSE_INSTRUCTION},
                        {DATA, 2},
                        {CONTROL, PULSE_VALUE},
                        {DATA, 3},
                        {DATA, 7}});
         },
         true},
        {"PROG fell before the chip was selected", TYPE_27C512,
         [] {
             Registers({{CONTROL, PULSE_INSTRUCTION},
                        {DATA, 6},
                        {DATA, 2},
                        {CONTROL, PULSE_VALUE},
                        {DATA, 3},
                        {DATA, 7}});
         },
         false},
        {"select and PROG fell together", TYPE_27C512,
         [] {
             Registers({{CONTROL, PULSE_INSTRUCTION},
                        {DATA, 2},
                        {CONTROL, PULSE_VALUE},
                        {DATA, 3},
                        {DATA, 7}});
         },
         false},
        {"deselected before PROG rose", TYPE_27C512,
         [] {
             Registers({{DATA, 3},
                        {CONTROL, PULSE_INSTRUCTION},
                        {DATA, 2},
                        {CONTROL, PULSE_VALUE},
                        {DATA, 6},
                        {DATA, 7}});
         },
         false},
        {"PROG rose as the chip was deselected", TYPE_27C512,
         [] {
             Registers({{DATA, 3},
                        {CONTROL, PULSE_INSTRUCTION},
                        {DATA, 2},
                        {CONTROL, PULSE_VALUE},
                        {DATA, 7}});
         },
         false},
        {"the other expander selected", TYPE_27C512,
         [] {
             Registers({{DATA, 5},
                        {CONTROL, PULSE_INSTRUCTION},
                        {DATA, 4},
                        {CONTROL, PULSE_VALUE},
                        {DATA, 5},
                        {DATA, 7}});
         },
         false},
        {"27C64 pulse with PGM high", TYPE_27C64,
         [] {
             ExpWrite(NIB_CONTROL, CTRL_PULSE);
             ExpWrite(NIB_CONTROL, CTRL_PULSE_END);
         },
         false},
        {"27C128 PGM low without the pulse nibble", TYPE_27C128,
         [] {
             ExpAnd(NIB_ADDR_3, 0x0B);
             ExpWrite(NIB_CONTROL, CTRL_PULSE_END);
             ExpWrite(NIB_CONTROL, CTRL_IDLE);
             ExpOr(NIB_ADDR_3, 0x04);
         },
         false},
        {"27C512 with the pulse end value only", TYPE_27C512,
         [] { ExpWrite(NIB_CONTROL, CTRL_PULSE_END); }, false},
        {"27C64 with PGM and the pulse nibble", TYPE_27C64,
         [] {
             ExpAnd(NIB_ADDR_3, 0x0B);
             ExpWrite(NIB_CONTROL, CTRL_PULSE);
         },
         true},
    };
    for (const RefusedPulseCase& testCase : cases) {
        CSimulatedBoard& board = Insert(testCase.wChipType);
        ExpWrite(NIB_CONTROL, CTRL_PROG_SETUP);
        g_dwAddress = 0x0123;
        SetAddress();
        WriteDataByte(0x00);
        testCase.pulse();
        EXPECT_EQ(board.ChipCells()[0x0123], testCase.bProgrammed ? 0x00 : 0xFF)
            << testCase.pszName;
    }
}

TEST_F(SimulatedBoardTest, AnEmptySocketFloatsHighAndKeepsNothing) {
    CSimulatedBoard& board = Insert(TYPE_27C512);
    board.ChipCells()[0x0100] = 0x00;
    board.SetNoChip(true);
    EXPECT_EQ(Read(0x0100), 0xFF);
    g_dwAddress = 0x0200;
    SetAddress();
    EXPECT_EQ(ProgramPulse(0x00), 0xFF);
    board.SetNoChip(false);
    EXPECT_EQ(board.ChipCells()[0x0200], 0xFF);
    EXPECT_EQ(Read(0x0100), 0x00);
}

TEST_F(SimulatedBoardTest, WithoutABoardTheControlLinesReadAsThePortDrivesThem) {
    CSimulatedBoard& board = Insert(TYPE_27C512);
    board.ChipCells()[0x0100] = 0x00;
    board.SetNoBoard(true);
    for (BYTE byWritten : {0x04, 0x00, 0x0B, 0x3F}) {
        DlPortWritePortUchar(CONTROL, byWritten);
        EXPECT_EQ(DlPortReadPortUchar(CONTROL), (byWritten & 0x3F) | 0xC0)
            << "written " << int(byWritten);
    }
    EXPECT_EQ(Read(0x0100), 0xFF);
    Program(0x0200, 0x00);
    EXPECT_EQ(board.ChipCells()[0x0200], 0xFF);
}

TEST_F(SimulatedBoardTest, WeakCellsTakeTheDataOnlyAfterTheirPulses) {
    CSimulatedBoard& board = Insert(TYPE_27C128);
    board.SetPulsesNeeded(3);
    g_dwAddress = 0x0300;
    ExpWrite(NIB_CONTROL, CTRL_PROG_SETUP);
    SetAddress();
    EXPECT_EQ(ProgramPulse(0x12), 0xFF);
    EXPECT_EQ(ProgramPulse(0x12), 0xFF);
    EXPECT_EQ(ProgramPulse(0x12), 0x12);
    g_dwAddress = 0x0301;
    SetAddress();
    EXPECT_EQ(ProgramPulse(0x34), 0xFF) << "each cell counts its own pulses";
}

TEST_F(SimulatedBoardTest, StuckBitsReadTheirLevelWhateverTheCellHolds) {
    CSimulatedBoard& board = Insert(TYPE_27C256);
    board.SetStuckBit(0x0400, 0x01, true);
    board.SetStuckBit(0x0401, 0x80, false);
    Program(0x0400, 0x00);
    EXPECT_EQ(board.ChipCells()[0x0400], 0x00);
    EXPECT_EQ(Read(0x0400), 0x01);
    EXPECT_EQ(Read(0x0401), 0x7F);
    EXPECT_EQ(Read(0x8401), 0x7F) << "the stuck cell repeats with the chip";
    EXPECT_EQ(Read(0x0402), 0xFF);
}

class SimulatedChipFileTest : public ::testing::Test {
  protected:
    std::string PathOf(const char* pszName) const { return m_dir.PathOf(pszName); }

    CTempDir m_dir;
};

TEST_F(SimulatedChipFileTest, ContentsSurviveASaveAndALoad) {
    CSimulatedBoard saved(TYPE_27C64);
    saved.ChipCells()[0] = 0x00;
    saved.ChipCells()[0x1FFF] = 0x3C;
    std::string strError;
    ASSERT_TRUE(saved.SaveChipFile(PathOf("chip.bin"), &strError)) << strError;
    saved.ChipCells()[1] = 0x11;
    ASSERT_TRUE(saved.SaveChipFile(PathOf("chip.bin"), &strError)) << strError;
    EXPECT_EQ(std::filesystem::file_size(PathOf("chip.bin")), 0x2000u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}), 1)
        << "the file is replaced, nothing is left beside it";

    CSimulatedBoard loaded(TYPE_27C64);
    ASSERT_TRUE(loaded.LoadChipFile(PathOf("chip.bin"), &strError)) << strError;
    EXPECT_TRUE(std::equal(saved.ChipCells().begin(), saved.ChipCells().end(),
                           loaded.ChipCells().begin(), loaded.ChipCells().end()));

    loaded.ChipCells()[5] = 0x00;
    ASSERT_TRUE(loaded.LoadChipFile(PathOf("missing.bin"), &strError)) << strError;
    EXPECT_EQ(loaded.ChipCells()[0], 0xFF) << "a missing file is an erased chip";
    EXPECT_EQ(loaded.ChipCells()[5], 0xFF);
}

// The new contents go to a file that the save itself creates: a link left under a name
// beside the chip file is not followed, and the chip file keeps its permissions.
TEST_F(SimulatedChipFileTest, ReplacementFollowsNoPlantedLinkAndKeepsThePermissions) {
    const std::string strChip = PathOf("chip.bin");
    const std::string strVictim = PathOf("victim.txt");
    std::ofstream(strVictim) << "keep me";
    std::ofstream(strChip, std::ios::binary) << std::string(0x2000, '\xFF');
    ASSERT_EQ(::chmod(strChip.c_str(), 0600), 0);
    for (const char* pszSuffix : {".morvex-new", ".tmp", "~"}) {
        std::filesystem::create_symlink(strVictim, strChip + pszSuffix);
    }

    CSimulatedBoard board(TYPE_27C64);
    board.ChipCells()[3] = 0x33;
    std::string strError;
    ASSERT_TRUE(board.SaveChipFile(strChip, &strError)) << strError;

    std::ifstream victim(strVictim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), {}), "keep me");
    ASSERT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(strChip)));
    EXPECT_EQ(std::filesystem::file_size(strChip), 0x2000u);
    EXPECT_EQ(std::filesystem::status(strChip).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    CSimulatedBoard loaded(TYPE_27C64);
    ASSERT_TRUE(loaded.LoadChipFile(strChip, &strError)) << strError;
    EXPECT_EQ(loaded.ChipCells()[3], 0x33);
}

TEST_F(SimulatedChipFileTest, FailuresNameTheFileAndTheReason) {
    std::ofstream(PathOf("short.bin"), std::ios::binary) << "abc";
    std::filesystem::create_directory(PathOf("dir"));
    struct FileCase {
        bool bSave;
        std::string strPath;
        std::string strReason;
    };
    const std::vector<FileCase> cases = {
        {false, PathOf("short.bin"), "holds 3 bytes, but the chip in the socket holds 32768"},
        {false, PathOf("dir"), std::strerror(EISDIR)},
        {true, "/dev/full", std::strerror(ENOSPC)},
        {true, PathOf("dir"), std::strerror(EISDIR)},
        {true, PathOf("no/such/dir/chip.bin"), std::strerror(ENOENT)},
    };
    for (const FileCase& testCase : cases) {
        CSimulatedBoard board(TYPE_27C256);
        board.ChipCells()[7] = 0x07;
        std::string strError;
        const bool bDone = testCase.bSave ? board.SaveChipFile(testCase.strPath, &strError)
                                          : board.LoadChipFile(testCase.strPath, &strError);
        EXPECT_FALSE(bDone) << testCase.strPath;
        EXPECT_NE(strError.find("\"" + testCase.strPath + "\""), std::string::npos) << strError;
        EXPECT_NE(strError.find(testCase.strReason), std::string::npos) << strError;
        EXPECT_EQ(board.ChipCells()[7], 0x07) << "a failed load leaves the chip as it was";
    }
}

TEST_F(SimulatedChipFileTest, ALongerFileIsRefused) {
    std::ofstream(PathOf("long.bin"), std::ios::binary) << std::string(0x2001, '\0');
    CSimulatedBoard board(TYPE_27C64);
    std::string strError;
    EXPECT_FALSE(board.LoadChipFile(PathOf("long.bin"), &strError));
    EXPECT_NE(strError.find("more than 8192 bytes"), std::string::npos) << strError;
    EXPECT_EQ(board.ChipCells()[0], 0xFF);
}

}  // namespace
