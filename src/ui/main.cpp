#include <QApplication>
#include <QFontDatabase>
#include <QTimer>

#include "model/settings.h"
#include "ui/qt_messages.h"
#include "ui/qt_text.h"
#include "ui/rec_editor_window.h"
#include "util/file_util.h"
#include "util/program_folder.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rekkan"));

    const rekkan::ProgramFolder folder = rekkan::FindProgramFolder();
    rekkan::Settings settings;
    const std::string programFolder = rekkan::FromFsPath(folder.path);
    rekkan::SetDefaults(settings, programFolder, 8);
    const std::string settingsPath = rekkan::FromFsPath(folder.path / rekkan::kSettingsFileName);
    rekkan::ReadSettings(settingsPath, settings);

    rekkan::ui::QtMessages messages(nullptr);
    rekkan::ui::TFm_RecEditor window(settings, messages);
    messages.SetParent(&window);
    window.show();
    if (folder.fellBack) messages.Inform(folder.notice, rekkan::DefaultCaption(), rekkan::MessageIcon::Information);

    // The command-line argument is taken like a dropped file shortly after the first showing.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const std::string path = rekkan::ui::FromQ(args.at(1));
        QTimer::singleShot(200, &window, [&window, path] { window.OpenPath(path); });
    }
    const int rc = QApplication::exec();
    (void)rekkan::WriteSettings(settingsPath, settings);
    return rc;
}
