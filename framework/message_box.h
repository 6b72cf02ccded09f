#pragma once

// Message boxes and the beep. Every box of the program has one OK button, an exclamation
// icon and the caption "morvex", and the program never asks a question. Tests replace both
// with recorders so that nothing waits for a person.

#include <QString>
#include <functional>

class QWidget;

// Modal: returns when the user has closed the box.
void ShowMessageBox(QWidget* pParent, const QString& strText);
// The system's default sound.
void MessageBeep();

// An empty function restores the real box or beep.
void SetMessageBoxHook(std::function<void(const QString&)> hook);
void SetBeepHook(std::function<void()> hook);
