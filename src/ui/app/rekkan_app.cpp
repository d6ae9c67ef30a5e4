#include "ui/app/rekkan_app.h"

#include <QApplication>
#include <QFontMetrics>

#include "util/file_util.h"

namespace rekkan::ui {

RekkanApp::RekkanApp() : RekkanApp(FindProgramFolder()) {}

RekkanApp::RekkanApp(ProgramFolder folder) : folder_(std::move(folder)) {}

std::string RekkanApp::FolderPath() const { return FromFsPath(folder_.path); }

std::string RekkanApp::SettingsPath() const { return FromFsPath(folder_.path / kSettingsFileName); }

void RekkanApp::LoadSettings() {
    const int letterA = QFontMetrics(QApplication::font()).horizontalAdvance(QChar('A'));
    SetDefaults(settings_, FolderPath(), letterA);
    ReadSettings(SettingsPath(), settings_);
}

bool RekkanApp::SaveSettings() const { return WriteSettings(SettingsPath(), settings_); }

}  // namespace rekkan::ui
