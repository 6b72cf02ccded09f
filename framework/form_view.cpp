#include "framework/form_view.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/res/dialog_layouts.h"
#include "framework/dialog_builder.h"
#include "framework/frame_window.h"

CFormView::CFormView(const DialogTemplate& dialogTemplate, QWidget* pParent)
    : QWidget(pParent), m_template(dialogTemplate) {
    setMinimumSize(BuildDialogControls(this, dialogTemplate));
    // Looked up once: the chip operations reach the status field 32 times a read.
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* pControl = ControlById(this, control.nId);
        if (pControl == nullptr) {
            continue;
        }
        m_controls.emplace(control.nId, pControl);
        auto* pButton = qobject_cast<QAbstractButton*>(pControl);
        if (pButton != nullptr && (control.kind == RadioButton || control.kind == PushButton)) {
            const int nId = control.nId;
            connect(pButton, &QAbstractButton::clicked, this,
                    [this, nId] { RouteControlCommand(nId); });
        }
    }
}

QWidget* CFormView::Control(int nId) const {
    const auto found = m_controls.find(nId);
    return found != m_controls.end() ? found->second : nullptr;
}

void CFormView::SetControlText(int nId, const QString& strText) {
    QWidget* pControl = Control(nId);
    if (auto* pLine = qobject_cast<QLineEdit*>(pControl)) {
        pLine->setText(strText);
    } else if (auto* pPlain = qobject_cast<QPlainTextEdit*>(pControl)) {
        pPlain->setPlainText(strText);
    }
}

QString CFormView::ControlText(int nId) const {
    QWidget* pControl = Control(nId);
    if (auto* pLine = qobject_cast<QLineEdit*>(pControl)) {
        return pLine->text();
    }
    if (auto* pPlain = qobject_cast<QPlainTextEdit*>(pControl)) {
        return pPlain->toPlainText();
    }
    return QString();
}

void CFormView::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx{bSaveAndValidate};
    DoDataExchange(dx);
}

void CFormView::OnInitialUpdate() {
    UpdateData(false);
}

void CFormView::DDX_Radio(const CDataExchange& dx, int nIdFirst, int& nValue) {
    const std::vector<QAbstractButton*> group = RadioGroup(nIdFirst);
    if (dx.bSaveAndValidate) {
        nValue = -1;
        for (std::size_t nIndex = 0; nIndex < group.size(); ++nIndex) {
            if (group[nIndex]->isChecked()) {
                nValue = static_cast<int>(nIndex);
            }
        }
        return;
    }
    for (std::size_t nIndex = 0; nIndex < group.size(); ++nIndex) {
        group[nIndex]->setChecked(static_cast<int>(nIndex) == nValue);
    }
}

void CFormView::DDX_Text(const CDataExchange& dx, int nId, QString& strValue) {
    if (dx.bSaveAndValidate) {
        strValue = ControlText(nId);
    } else {
        SetControlText(nId, strValue);
    }
}

std::vector<QAbstractButton*> CFormView::RadioGroup(int nIdFirst) const {
    std::vector<QAbstractButton*> group;
    bool bInGroup = false;
    for (const DialogControl& control : m_template.controls) {
        if (bInGroup && (control.uStyle & GroupStart) != 0) {
            break;
        }
        bInGroup = bInGroup || control.nId == nIdFirst;
        if (bInGroup && control.kind == RadioButton) {
            if (auto* pButton = qobject_cast<QAbstractButton*>(Control(control.nId))) {
                group.push_back(pButton);
            }
        }
    }
    return group;
}

void CFormView::RouteControlCommand(int nId) {
    if (m_pFrame != nullptr) {
        m_pFrame->RouteCommand(nId);
    } else {
        OnCmdMsg(nId);
    }
}
