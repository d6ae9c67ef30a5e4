#pragma once

#include <string>

#include "model/layout_document.h"
#include "model/settings.h"
#include "ui/app/qt_messages.h"
#include "util/program_folder.h"

namespace rekkan::ui {

/// What every window of the program shares: the program's folder, the settings record (read
/// once at start, written once at the end), the one layout document and the message boxes.
class RekkanApp {
public:
    /// Finds the program's folder (the executable's, or the per-user fallback).
    RekkanApp();
    /// For tests: the program's folder given.
    explicit RekkanApp(ProgramFolder folder);

    /// Sets the defaults and reads kvelOpt2.Dat over them (a missing file keeps the defaults).
    void LoadSettings();
    /// Writes kvelOpt2.Dat; false when it could not be written.
    [[nodiscard]] bool SaveSettings() const;

    [[nodiscard]] Settings& settings() { return settings_; }
    [[nodiscard]] QtMessages& messages() { return messages_; }
    /// The layout document both tools load layouts into.
    [[nodiscard]] LayoutDocument& document() { return document_; }
    [[nodiscard]] const ProgramFolder& folder() const { return folder_; }
    /// The program's folder as CP932 text.
    [[nodiscard]] std::string FolderPath() const;
    /// Full path of kvelOpt2.Dat (CP932).
    [[nodiscard]] std::string SettingsPath() const;

private:
    ProgramFolder folder_;
    Settings settings_;
    LayoutDocument document_;
    QtMessages messages_{nullptr};
};

}  // namespace rekkan::ui
