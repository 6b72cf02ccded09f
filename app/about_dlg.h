#pragma once

// The About box: the program's icon, name and version, and an OK button that closes it.

#include <QDialog>

class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* pParent);
};
