#include "framework/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "tests/support/qt_application.h"

namespace {

TEST(SettingsStoreTest, AFailedWriteNamesTheFileAndTheReason) {
    EnsureQtApplication();
    // A regular file where the settings folder should be: nothing can be created below it.
    QTemporaryDir settingsDir;
    const QString strBlocked = settingsDir.filePath("blocked");
    QFile blocker(strBlocked);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, strBlocked);
    CSettingsStore settings;
    settings.SetRegistryKey("Local AppWizard-Generated Applications", "morvex");
    settings.WriteProfileInt("Window size", "Lpt", 1);
    std::string strError;
    EXPECT_FALSE(settings.Flush(strError));
    EXPECT_NE(strError.find(QFile::encodeName(strBlocked).toStdString() +
                            "/Local AppWizard-Generated Applications/morvex.conf"),
              std::string::npos)
        << strError;
    EXPECT_NE(strError.find("Not a directory"), std::string::npos) << strError;
}

}  // namespace
