#include "app/about_dlg.h"

#include <QPushButton>

#include "app/res/dialog_layouts.h"
#include "app/res/resource.h"
#include "framework/dialog_builder.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent) {
    setFixedSize(BuildDialogControls(this, g_aboutDialog));
    if (auto* pOk = qobject_cast<QPushButton*>(ControlById(this, IDOK))) {
        connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    }
}
