#pragma once

#include <deque>
#include <string>
#include <vector>

#include "controller_fixture.h"
#include "layout_editor/tool_shell.h"

namespace rekkan::test {

/// The tool windows' side as a script: dialog answers queued, dialogs and viewer calls kept.
struct ScriptedToolShell : ToolShell {
    std::deque<std::string> saveAnswers, openAnswers;
    std::vector<FileDialogRequest> asked;
    std::vector<std::string> shownFiles, shownTexts, captions;
    int busy = 0;

    std::string AskSavePath(const FileDialogRequest& r) override { return Next(r, saveAnswers); }
    std::string AskOpenPath(const FileDialogRequest& r) override { return Next(r, openAnswers); }
    void ShowFile(const std::string& caption, const std::string& path) override {
        captions.push_back(caption);
        shownFiles.push_back(path);
    }
    void ShowText(const std::string& caption, const std::string& text) override {
        captions.push_back(caption);
        shownTexts.push_back(text);
    }
    void SetBusy(bool on) override { busy += on ? 1 : 0; }
    std::string Next(const FileDialogRequest& r, std::deque<std::string>& answers) {
        asked.push_back(r);
        std::string a = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
};

/// A started layout editor controller with a scripted tool shell.
class ToolFixture : public ControllerFixture {
public:
    /// The layout with a prefix, a key item and a redefinition, read as a file.
    void OpenRichLayout() {
        LayoutDocument d;
        d.RdfCmt = sj("顧客");
        d.PreFix = "CS-";
        d.items = MakeRows({{.name = "CUST", .type = kGroup},
                            {.level = 2, .name = "NO", .var = "CS-NO", .type = kUNum, .bytes = 5},
                            {.level = 2, .name = sj("金額"), .var = "AMT", .type = kSComp3, .bytes = 7, .decimals = 2},
                            {.level = 2, .name = "AMTX", .type = kX, .bytes = 4, .redefines = "AMT"},
                            {.level = 2, .name = "NAME", .type = kJ, .bytes = 10, .remarks = sj("氏名")}});
        const TypeNotation standard;
        KeyItems keys(standard);
        keys.Insert(-1, keys.ItemLineForRow(d, MeasureLayout(d), 1, sj("可"), sj("降順")));
        keys.Renumber();
        d.keyLines = keys.Lines();
        Put(dir.File("rich.kvl"), FormatLayoutFile(d));
        ASSERT_TRUE(controller.OpenPath(dir.File("rich.kvl")));
    }

    ScriptedToolShell tools;
};

}  // namespace rekkan::test
