#include "ui/app/qt_editor_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "ui/app/file_filter.h"
#include "ui/app/qt_text.h"

namespace rekkan::ui {
namespace {

/// A dialog set up as `request` says: title, filter, start folder and proposed name, suffix.
void Prepare(QFileDialog& dialog, const FileDialogSpec& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(ToQ(request.title));
    dialog.setNameFilter(QtFilter(request.filter));
    QString suffix = ToQ(request.defaultExtension);
    while (suffix.startsWith(QChar('*')) || suffix.startsWith(QChar('.'))) suffix.remove(0, 1);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    const QFileInfo start(ToQ(request.initialPath));
    if (request.initialPath.empty()) return;
    if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
        return;
    }
    dialog.setDirectory(start.absolutePath());
    if (!start.fileName().contains(QChar('*'))) dialog.selectFile(start.fileName());
}

EnteredText Entered(const QString& path) {
    EnteredText text;
    text.lossless = ToCp932(path, text.cp932);
    return text;
}

}  // namespace

std::optional<EnteredText> QtEditorDialogs::OpenFile(const FileDialogSpec& request) {
    QFileDialog dialog(parent_);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Entered(dialog.selectedFiles().constFirst());
}

std::vector<EnteredText> QtEditorDialogs::OpenFiles(const FileDialogSpec& request) {
    QFileDialog dialog(parent_);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    std::vector<EnteredText> out;
    if (dialog.exec() != QDialog::Accepted) return out;
    for (const QString& path : dialog.selectedFiles()) out.push_back(Entered(path));
    return out;
}

std::optional<EnteredText> QtEditorDialogs::SaveFile(const FileDialogSpec& request) {
    QFileDialog dialog(parent_);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Entered(dialog.selectedFiles().constFirst());
}

}  // namespace rekkan::ui
