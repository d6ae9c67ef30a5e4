#pragma once

#include <deque>
#include <string>
#include <vector>

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

}  // namespace rekkan::test
