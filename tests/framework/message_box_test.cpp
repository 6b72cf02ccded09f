#include "framework/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "tests/support/qt_application.h"

namespace {

TEST(MessageBoxTest, OneOkButtonExclamationIconAndTheProgramsCaption) {
    EnsureQtApplication();
    QString strCaption;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    // The box is real here; a timer reads it and presses its button, as a person would.
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(pBox, nullptr);
        strCaption = pBox->windowTitle();
        strText = pBox->text();
        icon = pBox->icon();
        buttons = pBox->standardButtons();
        pBox->button(QMessageBox::Ok)->click();
    });
    ShowMessageBox(nullptr, QStringLiteral("Fehler-> x kann nicht geöffnet werden!"));
    EXPECT_EQ(strCaption, "morvex");
    EXPECT_EQ(strText, "Fehler-> x kann nicht geöffnet werden!");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

}  // namespace
