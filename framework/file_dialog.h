#pragma once

// The standard file dialogs: "Open" and "Save As", each with the one filter "All Files
// (*.*)" that matches every file. The chosen name comes back as the file system's bytes.
// Tests replace the dialog with a function that answers at once.

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

enum class FileDialogKind { Open, SaveAs };

// Empty when the user cancelled.
std::optional<std::string> PromptForFileName(QWidget* pParent, FileDialogKind kind,
                                             const std::string& strInitialName);
// The dialog PromptForFileName shows, before it is shown.
std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* pParent, FileDialogKind kind,
                                              const std::string& strInitialName);

using FileDialogHook =
    std::function<std::optional<std::string>(FileDialogKind, const std::string&)>;
// An empty function restores the real dialog.
void SetFileDialogHook(FileDialogHook hook);
