#pragma once

// The desktop program in-process on the offscreen platform: settings in a temporary
// folder, message boxes, beeps and file dialogs recorded instead of shown, and a port
// back end that records every register access.

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/morvex_app.h"
#include "app/morvex_view.h"
#include "framework/document.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "image/image_buffer.h"
#include "operations/stop_request.h"
#include "platform/recording_port_io.h"
#include "tests/support/qt_application.h"

inline void PrintTo(const QString& strText, std::ostream* pStream) {
    *pStream << '"' << strText.toStdString() << '"';
}

class DesktopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureQtApplication();
        ASSERT_TRUE(m_settingsDir.isValid());
        ASSERT_TRUE(m_filesDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        SetMessageBoxHook([this](const QString& strText) {
            m_events.push_back("box: " + strText.toStdString());
            if (m_onMessageBox) {
                m_onMessageBox();
            }
        });
        SetBeepHook([this] { m_events.push_back("beep"); });
        SetFileDialogHook([this](FileDialogKind kind,
                                 const std::string&) -> std::optional<std::string> {
            m_events.push_back(kind == FileDialogKind::Open ? "dialog: Open" : "dialog: Save As");
            if (m_dialogAnswers.empty()) {
                return std::nullopt;
            }
            std::string strAnswer = m_dialogAnswers.front();
            m_dialogAnswers.pop_front();
            return strAnswer;
        });
        // Every nibble the board is asked for reads 0xF: a blank chip that never takes a pulse.
        m_port.SetDefaultReading(0x0F ^ 0x0B);
        SetPortBackEnd(&m_port);
        g_dwLastOffset = 0;
        g_strImagePath.clear();
        ClearOperationStopRequest();
    }

    void TearDown() override {
        Stop();
        SetMessageBoxHook(nullptr);
        SetBeepHook(nullptr);
        SetFileDialogHook(nullptr);
        SetPortBackEnd(nullptr);
        SetGlobalLockFails(false);
        SetGlobalAllocFails(false);
        ClearOperationStopRequest();
        // Names that are not valid UTF-8 are beyond QTemporaryDir's own clean-up.
        std::filesystem::remove_all(m_filesDir.path().toStdString());
    }

    bool Start(StartupOptions options = {}) {
        m_pApp = std::make_unique<CMorvexApp>();
        return m_pApp->InitInstance(options);
    }
    // Closes the program the normal way: frame destruction, then the form, then the list.
    void Stop() {
        if (m_pApp != nullptr) {
            m_pApp->ExitInstance();
            m_pApp.reset();
        }
    }
    void Restart() {
        Stop();
        ASSERT_TRUE(Start());
    }

    CMainFrame* Frame() const { return static_cast<CMainFrame*>(m_pApp->MainFrame()); }
    CMorvexView* View() const { return m_pApp->View(); }
    CDocument* Document() const { return m_pApp->Document(); }
    void Command(int nId) { Frame()->RouteCommand(nId); }
    QString StatusField() const { return View()->ControlText(IDC_STATUS); }
    QString InfoField() const { return View()->ControlText(IDC_INFO); }

    static QSettings StoredSettings() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         QStringLiteral("Local AppWizard-Generated Applications"),
                         QStringLiteral("morvex"));
    }
    static void StoreSetting(const QString& strKey, const QVariant& value) {
        QSettings settings = StoredSettings();
        settings.setValue(strKey, value);
    }

    // A file of nBytes bytes (byFill) in the test's folder; returns its path.
    std::string MakeFile(const std::string& strName, std::size_t nBytes, char byFill = 0x5A) {
        const std::string strPath = FilePath(strName);
        std::ofstream file(strPath, std::ios::binary);
        file << std::string(nBytes, byFill);
        return strPath;
    }
    std::string FilePath(const std::string& strName) const {
        return m_filesDir.path().toStdString() + "/" + strName;
    }

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_filesDir;
    CRecordingPortBackEnd m_port;
    std::unique_ptr<CMorvexApp> m_pApp;
    std::vector<std::string> m_events;
    std::deque<std::string> m_dialogAnswers;
    std::function<void()> m_onMessageBox;
};
