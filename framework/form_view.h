#pragma once

// A form view: the view whose window is built from a dialog template and whose members are
// tied to the template's controls by data exchange. Clicks on its buttons and radio
// buttons are commands with the control's id, routed like menu commands, so they reach the
// form's own command table first.

#include <QString>
#include <QWidget>
#include <map>
#include <vector>

#include "framework/command_table.h"

class CFrameWindow;
class QAbstractButton;
struct DialogTemplate;

class CFormView : public QWidget, public CCommandTarget {
  public:
    CFormView(const DialogTemplate& dialogTemplate, QWidget* pParent);

    QWidget* Control(int nId) const;
    void SetControlText(int nId, const QString& strText);
    QString ControlText(int nId) const;

    // Exchange from the controls into the members (true) or towards the controls (false).
    // There are no validation rules, so it never fails.
    void UpdateData(bool bSaveAndValidate);
    // The framework's (re-)initialisation of the view: exchange towards the controls.
    virtual void OnInitialUpdate();

    void SetFrame(CFrameWindow* pFrame) { m_pFrame = pFrame; }

  protected:
    struct CDataExchange {
        bool bSaveAndValidate;
    };
    virtual void DoDataExchange(CDataExchange& dx) = 0;
    // The radio group that starts at nIdFirst: the index of the checked button (-1 when
    // none is) or the button to check.
    void DDX_Radio(const CDataExchange& dx, int nIdFirst, int& nValue);
    void DDX_Text(const CDataExchange& dx, int nId, QString& strValue);

  private:
    // The radio buttons of the group that starts at nIdFirst, in template order: the walk
    // runs up to the next control that starts a group and skips other kinds of control.
    std::vector<QAbstractButton*> RadioGroup(int nIdFirst) const;
    void RouteControlCommand(int nId);

    const DialogTemplate& m_template;
    std::map<int, QWidget*> m_controls;
    CFrameWindow* m_pFrame = nullptr;
};
