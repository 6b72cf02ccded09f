#include "framework/recent_file_list.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "framework/file_dialog.h"
#include "framework/settings_store.h"
#include "tests/support/qt_application.h"

namespace {

TEST(RecentFileListTest, NewestFirstWithoutRepeatsAndAtMostFour) {
    CRecentFileList list(4);
    for (const char* pszPath :
         {"/a/1.bin", "/a/2.bin", "/a/3.bin", "/a/1.bin", "/a/4.bin", "/a/5.bin"}) {
        list.Add(pszPath);
    }
    ASSERT_EQ(list.Size(), 4);
    EXPECT_EQ(list.Entry(0), "/a/5.bin");
    EXPECT_EQ(list.Entry(1), "/a/4.bin");
    EXPECT_EQ(list.Entry(2), "/a/1.bin");
    EXPECT_EQ(list.Entry(3), "/a/3.bin");
    list.Remove(1);
    EXPECT_EQ(list.Entry(1), "/a/1.bin");
    // A relative name is kept as the absolute path it stood for.
    list.Add("rel/../x.bin");
    EXPECT_EQ(list.Entry(0), (std::filesystem::current_path() / "x.bin").string());
}

TEST(RecentFileListTest, DisplayNameKeepsTheFileNameWithinThirtyCharacters) {
    const struct {
        const char* pszPath;
        const char* pszShown;
    } cases[] = {
        {"/home/ann/rom.bin", "/home/ann/rom.bin"},
        {"/home/ann/projects/eproms/boot_loader_v2.bin", "/home/.../boot_loader_v2.bin"},
        {"/home/ann/projects/e/x/boot.bin", "/home/.../e/x/boot.bin"},
        {"/h/a_name_that_alone_is_far_too_long_for_it.bin", "a_name_that_al...ng_for_it.bin"},
        {"/verylongfoldername/anotherlongfolder/file_abcdefghijklmnop.bin",
         ".../file_abcdefghijklmnop.bin"},
    };
    for (const auto& testCase : cases) {
        const QString strShown = CRecentFileList::DisplayName(testCase.pszPath, 30);
        EXPECT_LE(strShown.size(), 30) << testCase.pszPath;
        EXPECT_EQ(strShown.toStdString(), testCase.pszShown);
    }
}

TEST(RecentFileListTest, ListSurvivesTheSettingsByteForByte) {
    EnsureQtApplication();
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    CSettingsStore settings;
    settings.SetRegistryKey("Local AppWizard-Generated Applications", "morvex");
    CRecentFileList written(4);
    written.Add("/tmp/plain.bin");
    written.Add("/tmp/bad \xff\xfe.bin");
    written.Add("/tmp/Prüfung.bin");
    written.WriteList(settings);
    std::string strError;
    ASSERT_TRUE(settings.Flush(strError)) << strError;

    CRecentFileList read(4);
    read.ReadList(settings);
    ASSERT_EQ(read.Size(), 3);
    for (int nIndex = 0; nIndex < 3; ++nIndex) {
        EXPECT_EQ(read.Entry(nIndex), written.Entry(nIndex));
    }
    EXPECT_EQ(settings.GetProfileString("Recent File List", "File1"), "/tmp/Prüfung.bin");
    EXPECT_FALSE(settings.GetProfileValue("Recent File List", "File4").isValid());
}

TEST(FileDialogTest, OpenAndSaveAsOfferAllFiles) {
    EnsureQtApplication();
    for (const FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::SaveAs}) {
        const std::unique_ptr<QFileDialog> pDialog = CreateFileDialog(nullptr, kind, "");
        EXPECT_EQ(pDialog->windowTitle(), kind == FileDialogKind::Open ? "Open" : "Save As");
        EXPECT_EQ(pDialog->nameFilters(), QStringList{"All Files (*.*) (*)"});
        EXPECT_TRUE(pDialog->testOption(QFileDialog::HideNameFilterDetails));
        EXPECT_EQ(pDialog->acceptMode(),
                  kind == FileDialogKind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    }
}

}  // namespace
