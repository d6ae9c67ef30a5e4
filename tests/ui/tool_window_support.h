#pragma once

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QWidget>

#include <string>

#include "support/rich_layout.h"
#include "support/scripted_tool_shell.h"
#include "support/test_support.h"
#include "ui/layout_editor/kvel_window.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

namespace rekkan::test {

/// Saves a picture of `w` into the screenshot folder the test run names.
inline void Picture(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}

/// The layout editor with the rich layout read, the messages and the tool windows' side scripted.
struct ToolWindowBench {
    TempDir dir;
    Settings settings;
    ScriptedMessages messages{Answer::Cancel};
    ScriptedToolShell shell;
    ui::TFm_Kvel kvel{settings, dir.Path(), messages};
    std::string layout = dir.File("rich.kvl");

    ToolWindowBench() {
        WriteBytes(ToFsPath(layout), RichLayoutFile());
        (void)kvel.Controller().OpenPath(layout);
    }
    /// The bytes rekkan-cli writes for `arguments` + "-o" + a file of its own.
    [[nodiscard]] std::string Cli(QStringList arguments) const {
        const std::string out = dir.File("cli.out");
        arguments << QStringLiteral("-o") << QString::fromStdString(out);
        if (QProcess::execute(QStringLiteral(REKKAN_CLI_PROGRAM), arguments) != 0) return "rekkan-cli failed";
        return ReadBytes(std::string_view(out));
    }
    /// The menu item `text` of the layout editor.
    [[nodiscard]] QAction* MenuItem(const QString& text) {
        for (QAction* a : kvel.findChildren<QAction*>())
            if (a->text() == text) return a;
        return nullptr;
    }
};

}  // namespace rekkan::test
