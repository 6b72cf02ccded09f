#pragma once

// Waits until the window system has exposed a top-level widget's window for the first time:
// the moment the user first sees it.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

inline void WaitForFirstExpose(QWidget* pWidget) {
    class CExposeWatcher : public QObject {
      public:
        bool eventFilter(QObject*, QEvent* pEvent) override {
            m_bExposed = m_bExposed || pEvent->type() == QEvent::Expose;
            return false;
        }
        bool m_bExposed = false;
    } watcher;
    QWindow* pWindow = pWidget->windowHandle();
    pWindow->installEventFilter(&watcher);
    while (!watcher.m_bExposed && !pWindow->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    pWindow->removeEventFilter(&watcher);
}
