#pragma once

#include <deque>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "record_test_layouts.h"
#include "records/editor/editor_texts.h"
#include "records/editor/record_editor_session.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan::test {

/// File dialogs answered from a script (a missing answer: cancelled); the specs asked are kept.
struct ScriptedDialogs : EditorDialogs {
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogSpec> asked;

    std::optional<EnteredText> OpenFile(const FileDialogSpec& request) override { return Next(request); }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec& request) override {
        const auto one = Next(request);
        return one ? std::vector<EnteredText>{*one} : std::vector<EnteredText>{};
    }
    std::optional<EnteredText> SaveFile(const FileDialogSpec& request) override { return Next(request); }

private:
    std::optional<EnteredText> Next(const FileDialogSpec& request) {
        asked.push_back(request);
        std::optional<std::string> a;
        if (!answers.empty()) a = answers.front(), answers.pop_front();
        return a ? std::optional<EnteredText>(EnteredText{*a, true}) : std::nullopt;
    }
};

/// Keeps the cursor moves and cancels rebuilds on request.
struct TestObserver : EditorObserver {
    std::vector<int> cursor;
    bool cancelRebuild = false;
    int progressCalls = 0;
    void MoveCursor(int row) override { cursor.push_back(row); }
    bool RebuildProgress(std::int64_t, std::int64_t) override { return ++progressCalls, !cancelRebuild; }
};

/// A session over the order layout (19-byte records) in a temporary folder.
struct SessionFixture : ::testing::Test {
    static constexpr int kName = 1;  ///< row of the NAME field
    TempDir dir;
    LayoutDocument doc;
    Settings settings;
    ScriptedMessages messages{Answer::Yes};
    ScriptedDialogs dialogs;
    TestObserver observer;
    RecordEditorSession session{settings, doc, messages, dialogs};
    std::string layout = WriteLayout(dir.File("order.kvl"), "Orders", OrderItems());
    const std::string kA = OrderRecord("A", 1, 1, 1, "", 1), kB = OrderRecord("B", 2, 2, 2, "", 2),
                      kC = OrderRecord("C", 3, 3, 3, "", 3);

    SessionFixture() { session.SetObserver(&observer); }

    /// Writes a data file of `bytes` and returns its path.
    std::string Data(const std::string& name, const std::string& bytes) {
        WriteBytes(ToFsPath(dir.File(name)), bytes);
        return dir.File(name);
    }
    std::string ThreeRecords(const std::string& name = "orders.dat") { return Data(name, kA + kB + kC); }
    std::string Bytes(const std::string& path) const { return ReadBytes(std::string_view(path)); }
    /// Adds `layoutPath` with `data` as its edit file (none when empty) and shows it.
    void ShowWith(const std::string& data, const std::string& layoutPath = {}) {
        ASSERT_TRUE(session.AddLayouts({EnteredText{layoutPath.empty() ? layout : layoutPath, true}}));
        if (!data.empty()) {
            ASSERT_TRUE(session.SetEditFile(EnteredText{data, true}));
        }
        messages.Clear();
    }
    std::string Outcome() const { return Cp932ToUtf8(session.LastOutcome().text); }
    OutcomeKind Kind() const { return session.LastOutcome().kind; }
    std::string Said(std::size_t i) const { return Cp932ToUtf8(messages.Log().at(i).text); }
};

}  // namespace rekkan::test
