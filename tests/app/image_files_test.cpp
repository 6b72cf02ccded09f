#include <sys/stat.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/res/resource.h"
#include "framework/recent_file_list.h"
#include "tests/app/desktop_fixture.h"

namespace {

std::string ReadBytes(const std::string& strPath) {
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ImageFilesTest : public DesktopTest {
  protected:
    // File Open with the dialog answering strPath.
    void OpenThroughDialog(const std::string& strPath) {
        m_dialogAnswers.push_back(strPath);
        Command(ID_FILE_OPEN);
    }
    // Reads a blank 27C256 from the recorder's board into the image.
    void ReadBlank27C256() {
        Command(IDC_27C256);
        Command(ID_OPTION_READ);
        ASSERT_EQ(g_dwLastOffset, 0x7FFFu);
    }
    const CRecentFileList& Recent() const { return *m_pApp->RecentFileList(); }
};

TEST_F(ImageFilesTest, OpenLoadsFilesUpTo64KiB) {
    const struct {
        std::size_t nBytes;
        DWORD dwLastOffset;
    } cases[] = {{0, 0}, {1, 0}, {100, 99}, {65536, 0xFFFF}};
    ASSERT_TRUE(Start());
    for (const auto& testCase : cases) {
        const std::string strName = "image" + std::to_string(testCase.nBytes) + ".bin";
        const std::string strPath = MakeFile(strName, testCase.nBytes);
        OpenThroughDialog(strPath);
        EXPECT_EQ(m_events.back(), "dialog: Open");
        EXPECT_EQ(StatusField().toStdString(), std::to_string(testCase.nBytes) + " bytes");
        EXPECT_EQ(View()->m_strStatus, StatusField());
        EXPECT_EQ(InfoField().toStdString(), strPath);
        EXPECT_EQ(View()->m_strInfo, InfoField());
        EXPECT_EQ(g_dwLastOffset, testCase.dwLastOffset);
        EXPECT_EQ(Frame()->windowTitle().toStdString(), "morvex - " + strName);
        EXPECT_EQ(Recent().Entry(0), strPath);
    }
    // A one-byte image counts as empty.
    OpenThroughDialog(FilePath("image1.bin"));
    m_events.clear();
    Command(ID_VIEW_BUFFERVIEW);
    Command(ID_FILE_SAVE);
    EXPECT_EQ(m_events, (std::vector<std::string>{"box: buffer empty !",
                                                  "box: empty buffer --> nothings do write!"}));
}

TEST_F(ImageFilesTest, RefusedOpensChangeNothing) {
    const std::string strLoaded = MakeFile("loaded.bin", 300);
    const std::string strTooLong = MakeFile("big.bin", 65537);
    std::filesystem::create_directory(FilePath("folder"));
    const struct {
        std::string strPath;
        std::string strMessage;
    } cases[] = {
        {strTooLong, "box: -> " + strTooLong + " \ngreater 64KB \n(65537 Bytes)"},
        {FilePath("missing.bin"),
         "box: Fehler-> " + FilePath("missing.bin") + " kann nicht geöffnet werden!"},
        {FilePath("folder"),
         "box: Fehler-> " + FilePath("folder") + " kann nicht geöffnet werden!"},
        // Opens, but its first byte cannot be read (nothing is mapped at address 0).
        {"/proc/self/mem", "box: Fehler-> /proc/self/mem kann nicht geöffnet werden!"},
    };
    ASSERT_TRUE(Start());
    OpenThroughDialog(strLoaded);
    for (const auto& testCase : cases) {
        m_events.clear();
        OpenThroughDialog(testCase.strPath);
        EXPECT_EQ(m_events, (std::vector<std::string>{"dialog: Open", testCase.strMessage}));
        EXPECT_EQ(Frame()->windowTitle(), "morvex - loaded.bin");
        EXPECT_EQ(StatusField(), "300 bytes");
        EXPECT_EQ(InfoField().toStdString(), strLoaded);
        EXPECT_EQ(g_strImagePath, strLoaded);
        EXPECT_EQ(g_dwLastOffset, 299u);
        EXPECT_EQ(Recent().Size(), 1);
    }
}

TEST_F(ImageFilesTest, LockFailureDuringOpenFailsTheWholeOpen) {
    const std::string strFirst = MakeFile("first.bin", 16);
    const std::string strSecond = MakeFile("second.bin", 32);
    ASSERT_TRUE(Start());
    OpenThroughDialog(strFirst);
    m_events.clear();
    SetGlobalLockFails(true);
    OpenThroughDialog(strSecond);
    SetGlobalLockFails(false);
    EXPECT_EQ(m_events, (std::vector<std::string>{"dialog: Open", "box: bufferaccess failed..!"}));
    EXPECT_EQ(g_strImagePath, strFirst);
    EXPECT_EQ(Frame()->windowTitle(), "morvex - first.bin");
    EXPECT_EQ(StatusField(), "16 bytes");
    EXPECT_EQ(g_dwLastOffset, 15u);
    EXPECT_EQ(Recent().Entry(0), strFirst);
}

TEST_F(ImageFilesTest, ReopeningPicksUpChangesOnDisk) {
    const std::string strPath = MakeFile("changing.bin", 10, 0x11);
    ASSERT_TRUE(Start());
    OpenThroughDialog(strPath);
    ASSERT_EQ(g_pImage[0], 0x11);
    MakeFile("changing.bin", 20, 0x22);
    OpenThroughDialog(strPath);
    EXPECT_EQ(StatusField(), "20 bytes");
    EXPECT_EQ(g_dwLastOffset, 19u);
    BYTE* pImage = LockImage();
    EXPECT_EQ(pImage[0], 0x22);
    EXPECT_EQ(pImage[19], 0x22);
    UnlockImage();
}

TEST_F(ImageFilesTest, RecentFilesOpenFromTheMenuAndADeletedOneIsRemoved) {
    const std::string strKept = MakeFile("kept.bin", 40);
    const std::string strGone = MakeFile("a rather long file name for the menu.bin", 50);
    ASSERT_TRUE(Start());
    OpenThroughDialog(strKept);
    OpenThroughDialog(strGone);
    ASSERT_EQ(Recent().Size(), 2);

    // The File menu lists both, newest first, each shortened to at most 30 characters.
    QMenu* pFileMenu = Frame()->menuBar()->actions().front()->menu();
    QMetaObject::invokeMethod(pFileMenu, "aboutToShow");
    QStringList recentTexts;
    for (const QAction* pAction : pFileMenu->actions()) {
        if (pAction->text().startsWith('&') && pAction->text().at(1).isDigit()) {
            recentTexts.push_back(pAction->text());
            EXPECT_LE(pAction->text().size() - 3, 30) << pAction->text().toStdString();
        }
    }
    ASSERT_EQ(recentTexts.size(), 2);
    EXPECT_TRUE(recentTexts[0].startsWith("&1 ") && recentTexts[0].endsWith("menu.bin"));
    EXPECT_TRUE(recentTexts[1].endsWith("kept.bin"));

    Command(ID_FILE_MRU_FILE2);
    EXPECT_EQ(Frame()->windowTitle(), "morvex - kept.bin");
    EXPECT_EQ(Recent().Entry(0), strKept);
    std::filesystem::remove(strGone);
    m_events.clear();
    Command(ID_FILE_MRU_FILE2);
    EXPECT_EQ(m_events.size(), 1u);
    EXPECT_EQ(Recent().Size(), 1);
    EXPECT_EQ(Recent().Entry(0), strKept);
    EXPECT_EQ(Frame()->windowTitle(), "morvex - kept.bin");

    // The list outlives the run.
    Restart();
    ASSERT_EQ(Recent().Size(), 1);
    EXPECT_EQ(Recent().Entry(0), strKept);
}

TEST_F(ImageFilesTest, CommandLineFileIsLoadedOnceTheFormExists) {
    const std::string strPath = MakeFile("boot rom.bin", 2048, 0x3C);
    StartupOptions options;
    options.imageFile = strPath;
    ASSERT_TRUE(Start(options));
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(Frame()->windowTitle(), "morvex - boot rom.bin");
    EXPECT_EQ(StatusField(), "2048 bytes");
    EXPECT_EQ(InfoField().toStdString(), strPath);
    EXPECT_EQ(g_dwLastOffset, 2047u);
    EXPECT_TRUE(Frame()->isVisible());
}

TEST_F(ImageFilesTest, CommandLineFileThatIsRefusedEndsWithoutAWindow) {
    const std::string strTooLong = MakeFile("big.bin", 70000);
    for (const std::string& strPath : {FilePath("missing.bin"), strTooLong}) {
        m_events.clear();
        m_port.Clear();
        StartupOptions options;
        options.imageFile = strPath;
        EXPECT_FALSE(Start(options));
        ASSERT_EQ(m_events.size(), 1u);
        EXPECT_NE(m_events[0].find(strPath), std::string::npos);
        EXPECT_EQ(m_pApp->MainFrame(), nullptr);
        EXPECT_TRUE(QApplication::topLevelWidgets().empty() ||
                    std::none_of(QApplication::topLevelWidgets().begin(),
                                 QApplication::topLevelWidgets().end(),
                                 [](const QWidget* pWidget) { return pWidget->isVisible(); }));
        // The form was made and went again: the board ends with its control lines idle.
        ASSERT_GE(m_port.Accesses().size(), 6u);
        EXPECT_EQ(m_port.Accesses()[m_port.Accesses().size() - 3].byValue, CTRL_IDLE ^ 0x0B);
        Stop();
    }
}

TEST_F(ImageFilesTest, SaveAsAfterARead) {
    const std::string strOpened = MakeFile("opened.bin", 8);
    const struct {
        bool bOpenFirst;
        std::string strInfo;
    } cases[] = {{false, ""}, {true, strOpened}};
    for (const auto& testCase : cases) {
        g_strImagePath.clear();
        ASSERT_TRUE(Start());
        if (testCase.bOpenFirst) {
            OpenThroughDialog(strOpened);
        }
        ReadBlank27C256();
        const std::string strTarget = FilePath("saved.bin");
        m_dialogAnswers.push_back(strTarget);
        m_events.clear();
        Command(ID_FILE_SAVE_AS);
        EXPECT_EQ(m_events, std::vector<std::string>{"dialog: Save As"});
        EXPECT_EQ(ReadBytes(strTarget), std::string(32768, '\xFF'));
        EXPECT_EQ(StatusField(), "Buffer saved");
        EXPECT_EQ(InfoField().toStdString(), testCase.strInfo);
        EXPECT_EQ(View()->m_strInfo.toStdString(), testCase.strInfo);
        EXPECT_EQ(Frame()->windowTitle(), "morvex - saved.bin");

        // Save now writes to the same file without asking.
        std::filesystem::remove(strTarget);
        m_events.clear();
        QApplication::setActiveWindow(Frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(m_events.empty());
        EXPECT_EQ(std::filesystem::file_size(strTarget), 32768u);
        Stop();
    }
}

TEST_F(ImageFilesTest, SaveFailuresAreReportedAndNothingIsRenamed) {
    ASSERT_TRUE(Start());
    ReadBlank27C256();
    const QString strStatus = StatusField();
    const QString strInfo = InfoField();
    const struct {
        std::string strPath;
        std::vector<std::string> expected;
    } cases[] = {
        {FilePath("no/such/folder/x.bin"), {"dialog: Save As", "box: error found: can not save!"}},
        {m_filesDir.path().toStdString(), {"dialog: Save As", "box: error found: can not save!"}},
        {"/dev/full", {"dialog: Save As", "beep", "box: error by saving!"}},
    };
    for (const auto& testCase : cases) {
        m_events.clear();
        m_dialogAnswers.push_back(testCase.strPath);
        Command(ID_FILE_SAVE_AS);
        EXPECT_EQ(m_events, testCase.expected) << testCase.strPath;
        EXPECT_EQ(Frame()->windowTitle(), "morvex - Untitled");
        EXPECT_EQ(StatusField(), strStatus) << "a failed save leaves both fields as they were";
        EXPECT_EQ(InfoField(), strInfo);
        EXPECT_TRUE(Document()->GetPathName().empty());
    }
    EXPECT_EQ(Recent().Size(), 0);
}

TEST_F(ImageFilesTest, AnyBytesLinuxAllowsInANameOpenAndSave) {
    const std::string names[] = {
        "with blanks in it.bin",
        "Prüfung äöü €.bin",
        std::string("not utf8 \xff\xfe\x80.bin"),
        std::string(200, 'n') + ".bin",
    };
    ASSERT_TRUE(Start());
    for (const std::string& strName : names) {
        const std::string strPath = MakeFile(strName, 64, 0x42);
        OpenThroughDialog(strPath);
        EXPECT_EQ(StatusField(), "64 bytes") << strName;
        EXPECT_EQ(g_strImagePath, strPath);
        EXPECT_EQ(Recent().Entry(0), strPath);
        const std::string strCopy = strPath + ".copy";
        m_dialogAnswers.push_back(strCopy);
        Command(ID_FILE_SAVE_AS);
        EXPECT_EQ(ReadBytes(strCopy), std::string(64, '\x42')) << strName;
        EXPECT_EQ(Document()->GetPathName(), strCopy);
    }
    // The list keeps names that are not valid UTF-8 byte for byte across runs.
    Restart();
    EXPECT_EQ(Recent().Entry(1), FilePath(names[3]));
    EXPECT_EQ(Recent().Entry(2), FilePath(names[2]) + ".copy");
    EXPECT_EQ(Recent().Entry(3), FilePath(names[2]));
}

TEST_F(ImageFilesTest, BufferViewOpensOnAnImage) {
    ASSERT_TRUE(Start());
    m_events.clear();
    Command(ID_VIEW_BUFFERVIEW);
    EXPECT_EQ(m_events, std::vector<std::string>{"box: buffer empty !"});
    OpenThroughDialog(MakeFile("page.bin", 300));
    QString strCaption;
    QTimer::singleShot(0, [&strCaption] {
        QWidget* pDialog = QApplication::activeModalWidget();
        ASSERT_NE(pDialog, nullptr);
        strCaption = pDialog->windowTitle();
        QTest::keyClick(pDialog, Qt::Key_Escape);
    });
    Command(ID_VIEW_BUFFERVIEW);
    EXPECT_EQ(strCaption, "BufferView");
    EXPECT_EQ(g_dwLastOffset, 299u);
}

}  // namespace
