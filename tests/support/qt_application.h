#pragma once

// One QApplication for a whole test program. Tests never open a real window for a person:
// without a platform named in the environment they run on the offscreen one. What Qt keeps
// between runs (the file dialogs remember their folder) goes to a configuration folder of
// the test program's own, never into that of the user who runs the tests.

#include <QApplication>
#include <QTemporaryDir>

inline void EnsureQtApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QTemporaryDir s_configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(s_configHome.path()));
    static int s_nArgc = 1;
    static char s_szName[] = "morvex_tests";
    static char* s_argv[] = {s_szName, nullptr};
    new QApplication(s_nArgc, s_argv);
}
