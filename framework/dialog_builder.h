#pragma once

// Builds the controls of a dialog template onto a widget: one child per control, placed in
// dialog units of the template's font, in template order, which is also the tab order.

#include <QSize>

#include "app/res/dialog_layouts.h"

class QWidget;

// Creates the controls as children of pDialog (its font and, where the template has one,
// its caption are set too) and returns the template's size in pixels.
// - Radio buttons are exclusive within their group (from a control that starts a group to
//   the next one), kept in a QButtonGroup whose button ids are the control ids.
// - A control with a tab stop takes focus by Tab and by click; other buttons and edits by
//   click only. In a radio group the tab stop moves to the checked button, so Tab enters a
//   group at its choice.
// - Edits are read-only; multi-line edits have no scroll bars.
QSize BuildDialogControls(QWidget* pDialog, const DialogTemplate& dlg);

// The control with id nId that BuildDialogControls created, or nullptr.
QWidget* ControlById(const QWidget* pDialog, int nId);
