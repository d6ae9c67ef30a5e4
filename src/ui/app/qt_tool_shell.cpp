#include "ui/app/qt_tool_shell.h"

#include <QDir>
#include <QFileDialog>

#include "ui/app/file_filter.h"
#include "ui/app/qt_text.h"

namespace rekkan::ui {

namespace {

std::string AskPath(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, ToQ(request.title), ToQ(request.folder), QtFilter(request.filter));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.fileName.empty()) dialog.selectFile(ToQ(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    std::string path;
    // A name Shift-JIS cannot hold could not be written under its own name: taken as cancelled.
    return ToCp932(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()), path) ? path : std::string();
}

}  // namespace

void QtToolShell::SetViewer(ShowFn showFile, ShowFn showText) {
    showFile_ = std::move(showFile);
    showText_ = std::move(showText);
}

std::string QtToolShell::AskSavePath(const FileDialogRequest& request) { return AskPath(parent_, request, true); }

std::string QtToolShell::AskOpenPath(const FileDialogRequest& request) { return AskPath(parent_, request, false); }

void QtToolShell::ShowFile(const std::string& caption, const std::string& path) {
    if (showFile_) showFile_(caption, path);
}

void QtToolShell::ShowText(const std::string& caption, const std::string& text) {
    if (showText_) showText_(caption, text);
}

void QtToolShell::SetBusy(bool busy) {
    if (busy && !busy_) busy_ = std::make_unique<WaitCursor>();
    if (!busy) busy_.reset();
}

}  // namespace rekkan::ui
