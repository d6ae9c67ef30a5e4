#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "layout_editor/layout_editor_controller.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

namespace rekkan::test {

/// The window as a script: dialog answers queued, what the controller asks of it counted.
struct ScriptedShell : LayoutEditorShell {
    std::deque<std::string> openAnswers, saveAnswers;
    std::vector<FileDialogRequest> asked;
    std::vector<std::string> notices;
    int hidden = 0;

    std::string AskOpenPath(const FileDialogRequest& r) override { return Next(r, openAnswers); }
    std::string AskSavePath(const FileDialogRequest& r) override { return Next(r, saveAnswers); }
    int closedNotices = 0;
    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void CloseNotice() override { ++closedNotices; }
    void HideToolWindows() override { ++hidden; }
    std::string Next(const FileDialogRequest& r, std::deque<std::string>& answers) {
        asked.push_back(r);
        std::string a = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
};

/// The record editor as far as the layout editor sees it.
struct RecordEditorStub : RecordEditorLink {
    std::string shown;
    int refreshed = 0, closed = 0;
    std::string ShownLayoutPath() const override { return shown; }
    void RefreshShownEntry() override { ++refreshed; }
    void LayoutEditorClosed() override { ++closed; }
};

/// A started controller over a temporary program folder.
class ControllerFixture : public ::testing::Test {
public:
    ControllerFixture() {
        controller.Start(8, "093015");
        controller.SetRecordEditor(&recordEditor);
    }
    /// Writes a layout file of `rows` named `name` in the folder; returns its path.
    std::string WriteLayout(const std::string& name, std::vector<TRspec> rows, const std::string& comment = "C") {
        LayoutDocument d;
        d.RdfCmt = comment;
        d.items = std::move(rows);
        Put(dir.File(name), FormatLayoutFile(d));
        return dir.File(name);
    }
    static void Put(const std::string& path, std::string_view bytes) { WriteBytes(ToFsPath(path), bytes); }
    static std::string Bytes(const std::string& path) { return ReadBytes(std::string_view(path)); }
    LayoutDocument& Doc() { return controller.Document(); }
    LayoutEditorModel& Model() { return controller.Model(); }

    TempDir dir;
    Settings settings;
    ScriptedMessages messages{Answer::Cancel};
    MemoryClipboard clipboard;
    ScriptedShell shell;
    RecordEditorStub recordEditor;
    LayoutEditorController controller{settings, dir.Path(), messages, clipboard, shell};
};

}  // namespace rekkan::test
