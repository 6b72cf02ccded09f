#include "framework/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "app/res/resource.h"
#include "app/res/string_table.h"

namespace {

std::function<void(const QString&)>& MessageBoxHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

std::function<void()>& BeepHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void ShowMessageBox(QWidget* pParent, const QString& strText) {
    if (MessageBoxHook()) {
        MessageBoxHook()(strText);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(LoadResourceString(AFX_IDS_APP_TITLE)),
                    strText, QMessageBox::Ok, pParent);
    box.exec();
}

void MessageBeep() {
    if (BeepHook()) {
        BeepHook()();
        return;
    }
    QApplication::beep();
}

void SetMessageBoxHook(std::function<void(const QString&)> hook) {
    MessageBoxHook() = std::move(hook);
}

void SetBeepHook(std::function<void()> hook) {
    BeepHook() = std::move(hook);
}
