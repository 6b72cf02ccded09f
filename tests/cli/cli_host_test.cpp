#include "cli/cli_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string Contents(std::FILE* pFile) {
    std::fflush(pFile);
    std::rewind(pFile);
    std::string strText;
    for (int c = 0; (c = std::fgetc(pFile)) != EOF;) {
        strText += static_cast<char>(c);
    }
    return strText;
}

// What a compare that finds a difference shows, on a terminal or not.
void RunFailedCompare(CCliHost& host) {
    host.BeginWaitCursor();
    host.ShowProgress("0", 0, 0xFFFF);
    host.ShowProgress("8000", 0x8000, 0xFFFF);
    host.Beep();
    host.MessageBox("error at adr:8001\nread: 0\tdifferent to: ff");
    host.SetFieldText(IDC_STATUS, "compare-error");
    host.ExchangeFromControls();
    host.InvalidateField(IDC_STATUS);
    host.RepaintFormNow();
    host.EndWaitCursor();
    host.SetStatusText("Buffer saved");
    host.SetInfoText("");
}

TEST(CliHostTest, FieldTextsGoToStandardOutputMessagesToStandardError) {
    FilePtr pOut(std::tmpfile());
    FilePtr pErr(std::tmpfile());
    CCliHost host(pOut.get(), pErr.get(), false);
    RunFailedCompare(host);
    EXPECT_EQ(Contents(pOut.get()), "compare-error\nBuffer saved\n\n");
    EXPECT_EQ(Contents(pErr.get()), "error at adr:8001\nread: 0\tdifferent to: ff\n")
        << "no bell and no progress bar when standard error is not a terminal";
}

TEST(CliHostTest, TerminalGetsBellAndAProgressBarThatIsClearedBeforeTexts) {
    FilePtr pOut(std::tmpfile());
    FilePtr pErr(std::tmpfile());
    CCliHost host(pOut.get(), pErr.get(), true);
    RunFailedCompare(host);
    EXPECT_EQ(Contents(pOut.get()), "compare-error\nBuffer saved\n\n");
    const std::string strErr = Contents(pErr.get());
    EXPECT_NE(strErr.find("\r[................................] 0 / ffff  0.0 s"),
              std::string::npos)
        << strErr;
    EXPECT_NE(strErr.find("\r[################................] 8000 / ffff"), std::string::npos);
    EXPECT_NE(strErr.find("\r\033[K\aerror at adr:8001\n"), std::string::npos)
        << "the bar is erased before the bell and the message";
}

}  // namespace
