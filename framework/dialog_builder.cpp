#include "framework/dialog_builder.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextOption>

#include "app/res/app_icon.h"
#include "framework/dialog_units.h"

namespace {

QString ControlName(int nId) {
    return QStringLiteral("control_%1").arg(nId);
}

bool Has(const DialogControl& control, ControlStyle style) {
    return (control.uStyle & style) != 0;
}

QWidget* CreateEdit(QWidget* pDialog, const DialogControl& control) {
    const QString strText = QString::fromUtf8(control.pszText);
    if (!Has(control, MultiLine)) {
        auto* pEdit = new QLineEdit(strText, pDialog);
        pEdit->setReadOnly(Has(control, ReadOnly));
        pEdit->setFrame(Has(control, Border));
        return pEdit;
    }
    auto* pEdit = new QPlainTextEdit(strText, pDialog);
    pEdit->setReadOnly(Has(control, ReadOnly));
    if (!Has(control, Border)) {
        pEdit->setFrameShape(QFrame::NoFrame);
    }
    // Without a scroll-bar style an edit has none; a horizontally scrolling edit does not
    // wrap its lines.
    pEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pEdit->setLineWrapMode(Has(control, AutoHScroll) ? QPlainTextEdit::NoWrap
                                                     : QPlainTextEdit::WidgetWidth);
    if (Has(control, RightAligned)) {
        QTextOption option = pEdit->document()->defaultTextOption();
        option.setAlignment(Qt::AlignRight);
        pEdit->document()->setDefaultTextOption(option);
    }
    if (Has(control, ReadOnly)) {
        // Read-only edits show the dialog's face, not the white of an input field.
        pEdit->viewport()->setBackgroundRole(QPalette::Window);
    }
    return pEdit;
}

QWidget* CreateControl(QWidget* pDialog, const DialogControl& control) {
    const QString strText = QString::fromUtf8(control.pszText);
    switch (control.kind) {
        case GroupBox:
            return new QGroupBox(strText, pDialog);
        case RadioButton:
            return new QRadioButton(strText, pDialog);
        case PushButton: {
            auto* pButton = new QPushButton(strText, pDialog);
            pButton->setDefault(Has(control, DefaultButton));
            return pButton;
        }
        case Edit:
            return CreateEdit(pDialog, control);
        case StaticText: {
            auto* pLabel = new QLabel(strText, pDialog);
            pLabel->setTextFormat(Qt::PlainText);
            pLabel->setAlignment((Has(control, RightAligned) ? Qt::AlignRight : Qt::AlignLeft) |
                                 Qt::AlignTop);
            return pLabel;
        }
        case Icon: {
            auto* pLabel = new QLabel(pDialog);
            pLabel->setPixmap(QPixmap(g_ppszIcon32));
            return pLabel;
        }
    }
    return nullptr;
}

// Tab enters a radio group at its checked button: a group with a tab stop moves it along
// with the choice.
void FollowCheckedButton(QButtonGroup* pGroup) {
    QObject::connect(
        pGroup, &QButtonGroup::buttonToggled, pGroup,
        [pGroup](QAbstractButton* pButton, bool bChecked) {
            const QList<QAbstractButton*> buttons = pGroup->buttons();
            const bool bHasTabStop =
                std::any_of(buttons.begin(), buttons.end(), [](const QAbstractButton* pOther) {
                    return pOther->focusPolicy() == Qt::StrongFocus;
                });
            if (!bChecked || !bHasTabStop) {
                return;
            }
            for (QAbstractButton* pOther : buttons) {
                pOther->setFocusPolicy(pOther == pButton ? Qt::StrongFocus : Qt::ClickFocus);
            }
        });
}

}  // namespace

QSize BuildDialogControls(QWidget* pDialog, const DialogTemplate& dlg) {
    pDialog->setFont(DialogFont(dlg.pszFont, dlg.nPointSize));
    if (dlg.pszCaption != nullptr) {
        pDialog->setWindowTitle(QString::fromUtf8(dlg.pszCaption));
    }
    const CDialogUnits units(pDialog->font());

    QButtonGroup* pRadioGroup = nullptr;
    QWidget* pPreviousFocusable = nullptr;
    for (const DialogControl& control : dlg.controls) {
        if (Has(control, GroupStart)) {
            pRadioGroup = nullptr;
        }
        QWidget* pControl = CreateControl(pDialog, control);
        pControl->setObjectName(ControlName(control.nId));
        if (control.kind == Icon) {
            // An icon control takes the icon's own size, whatever the template says.
            pControl->setGeometry(
                QRect(QPoint(units.X(control.x), units.Y(control.y)), pControl->sizeHint()));
        } else {
            pControl->setGeometry(units.Rect(control.x, control.y, control.cx, control.cy));
        }
        if (control.kind == GroupBox) {
            // Group boxes only frame their neighbours: keep them beneath, out of the way of
            // the controls' clicks.
            pControl->lower();
        }

        if (control.kind == RadioButton) {
            if (pRadioGroup == nullptr) {
                pRadioGroup = new QButtonGroup(pDialog);
                FollowCheckedButton(pRadioGroup);
            }
            pRadioGroup->addButton(static_cast<QAbstractButton*>(pControl), control.nId);
        }

        if (control.kind == RadioButton || control.kind == PushButton || control.kind == Edit) {
            pControl->setFocusPolicy(Has(control, TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            if (pPreviousFocusable != nullptr) {
                QWidget::setTabOrder(pPreviousFocusable, pControl);
            }
            pPreviousFocusable = pControl;
        } else {
            pControl->setFocusPolicy(Qt::NoFocus);
        }
    }
    return units.Size(dlg.cx, dlg.cy);
}

QWidget* ControlById(const QWidget* pDialog, int nId) {
    return pDialog->findChild<QWidget*>(ControlName(nId), Qt::FindDirectChildrenOnly);
}
