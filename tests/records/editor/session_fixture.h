#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "record_test_layouts.h"
#include "records/editor/editor_texts.h"
#include "records/editor/record_editor_session.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan::test {

/// File dialogs answered from a script: each call takes the next path (none: cancelled).
struct ScriptedDialogs : EditorDialogs {
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogSpec> asked;

    std::optional<EnteredText> OpenFile(const FileDialogSpec& spec) override { return Next(spec); }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec& spec) override {
        std::vector<EnteredText> out;
        if (auto one = Next(spec)) out.push_back(*one);
        return out;
    }
    std::optional<EnteredText> SaveFile(const FileDialogSpec& spec) override { return Next(spec); }

private:
    std::optional<EnteredText> Next(const FileDialogSpec& spec) {
        asked.push_back(spec);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        if (!a) return std::nullopt;
        return EnteredText{*a, true};
    }
};

/// Counts what the session told.
struct CountingObserver : EditorObserver {
    int groupChanged = 0, entryShown = 0, fieldsChanged = 0, outcomeChanged = 0;
    std::vector<int> cursor;
    bool cancelRebuild = false;
    int progressCalls = 0;
    void GroupChanged() override { ++groupChanged; }
    void EntryShown() override { ++entryShown; }
    void FieldsChanged() override { ++fieldsChanged; }
    void OutcomeChanged() override { ++outcomeChanged; }
    void MoveCursor(int row) override { cursor.push_back(row); }
    bool RebuildProgress(std::int64_t, std::int64_t) override {
        ++progressCalls;
        return !cancelRebuild;
    }
};

/// A session over the order layout (19-byte records) in a temporary folder.
struct SessionFixture : ::testing::Test {
    TempDir dir;
    LayoutDocument doc;
    Settings settings;
    ScriptedMessages messages{Answer::Yes};
    ScriptedDialogs dialogs;
    CountingObserver observer;
    RecordEditorSession session{settings, doc, messages, dialogs};
    std::string layout = WriteLayout(dir.File("order.kvl"), "Orders", OrderItems());

    SessionFixture() { session.SetObserver(&observer); }

    /// Writes a data file of the given records and returns its path.
    std::string Data(const std::string& name, const std::vector<std::string>& records, const std::string& head = {}) {
        std::string bytes = head;
        for (const auto& r : records) bytes += r;
        WriteBytes(ToFsPath(dir.File(name)), bytes);
        return dir.File(name);
    }
    /// Three order records named A, B and C.
    std::string ThreeRecords(const std::string& name = "orders.dat") {
        return Data(name, {OrderRecord("A", 1, 1, 1, "", 1), OrderRecord("B", 2, 2, 2, "", 2),
                           OrderRecord("C", 3, 3, 3, "", 3)});
    }
    /// Adds the order layout with `data` as its edit file and shows it.
    void ShowWith(const std::string& data) {
        ASSERT_TRUE(session.AddLayouts({EnteredText{layout, true}}));
        if (!data.empty()) {
            ASSERT_TRUE(session.SetEditFile(EnteredText{data, true}));
        }
        messages.Clear();
    }
    /// Row index of the NAME field.
    static constexpr int kName = 1;
    std::string Outcome() const { return Cp932ToUtf8(session.LastOutcome().text); }
    OutcomeKind Kind() const { return session.LastOutcome().kind; }
};

}  // namespace rekkan::test
