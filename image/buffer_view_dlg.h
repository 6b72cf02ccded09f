#pragma once

// The buffer view: a modal dialog that pages through the image 256 bytes at a time with
// its own vertical scroll bar, showing addresses, hexadecimal and characters. It only
// reads the image.

#include <QDialog>
#include <QString>
#include <string_view>

#include "image/buffer_view_page.h"

class QScrollBar;

// The character column's bytes as display text: the image holds Windows-1252 text, so
// 0x80 to 0x9F become their Windows-1252 characters and 0xA0 to 0xFF their Latin-1 ones.
QString Windows1252ToDisplay(std::string_view strBytes);

class CBufferViewDlg : public QDialog, private CBufferViewPage {
    Q_OBJECT

  public:
    // Opens at offset 0 every time: the first page is built before the window exists.
    explicit CBufferViewDlg(OperationHost& host, QWidget* pParent = nullptr);

    // A message of the vertical scroll bar (SB_ codes; nThumbPosition for SB_THUMBPOSITION).
    void OnVScroll(int nCode, int nThumbPosition);

    QScrollBar* VerticalScrollBar() const { return m_pScrollBar; }

  protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;

  private:
    void ExchangeToControls();
    void OnScrollBarAction(int nAction);

    QScrollBar* m_pScrollBar;
};

// The View menu's command: an empty image is refused with "buffer empty !", otherwise the
// view runs modally over pParent.
void RunBufferView(QWidget* pParent, OperationHost& host);
