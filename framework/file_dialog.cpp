#include "framework/file_dialog.h"

#include <QFile>
#include <QFileDialog>

namespace {

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

}  // namespace

std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* pParent, FileDialogKind kind,
                                              const std::string& strInitialName) {
    const bool bOpen = kind == FileDialogKind::Open;
    auto pDialog = std::make_unique<QFileDialog>(
        pParent, bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"));
    pDialog->setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    pDialog->setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Shown as "All Files (*.*)"; the pattern that applies is the last one, *, so that
    // files without an extension are listed too.
    pDialog->setOption(QFileDialog::HideNameFilterDetails);
    pDialog->setNameFilter(QStringLiteral("All Files (*.*) (*)"));
    if (!strInitialName.empty()) {
        pDialog->selectFile(QFile::decodeName(QByteArray::fromStdString(strInitialName)));
    }
    return pDialog;
}

std::optional<std::string> PromptForFileName(QWidget* pParent, FileDialogKind kind,
                                             const std::string& strInitialName) {
    if (Hook()) {
        return Hook()(kind, strInitialName);
    }
    std::unique_ptr<QFileDialog> pDialog = CreateFileDialog(pParent, kind, strInitialName);
    if (pDialog->exec() != QDialog::Accepted || pDialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(pDialog->selectedFiles().constFirst()).toStdString();
}

void SetFileDialogHook(FileDialogHook hook) {
    Hook() = std::move(hook);
}
