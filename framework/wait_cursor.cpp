#include "framework/wait_cursor.h"

#include <QApplication>
#include <QCursor>

void BeginWaitCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}
