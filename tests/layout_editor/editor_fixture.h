#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout_editor/layout_editor_model.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

namespace rekkan::test {

/// `count` elementary rows named R1, R2, ... under one group row named ROOT.
inline std::vector<TRspec> NumberedRows(int count) {
    std::vector<TRspec> rows{MakeRow({.name = "ROOT", .type = kGroup})};
    for (int i = 1; i < count; ++i) rows.push_back(MakeRow({.level = 2, .name = "R" + std::to_string(i), .bytes = i}));
    return rows;
}

/// The rows of the layout file `name` under the test data folder.
inline std::vector<TRspec> LayoutRows(const std::string& name) {
    LayoutDocument doc;
    ScriptedMessages messages;
    EXPECT_TRUE(ReadLayoutText(doc, ReadBytes(DataDir() / name), messages).ok) << name;
    return doc.items;
}

/// The model over a document, with scripted answers and a clipboard in memory.
class EditorFixture : public ::testing::Test {
public:
    EditorFixture() : model(doc, messages, clipboard) {}

    void SetRows(std::vector<TRspec> rows) {
        doc.items = std::move(rows);
        doc.modified = false;
        ASSERT_TRUE(model.Recompute());
    }
    [[nodiscard]] std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TRspec& r : doc.items) names.push_back(r.KOM);
        return names;
    }
    /// Marks item rows `from` to `to` by dragging; confirms the range unless told otherwise.
    void MarkRange(int from, int to, bool confirm = true) {
        ASSERT_TRUE(model.BeginMarking(from));
        model.MarkTo(to);
        ASSERT_TRUE(!confirm || model.ConfirmRange());
    }
    [[nodiscard]] std::string LastMessage() const {
        return messages.Log().empty() ? std::string() : messages.Log().back().text;
    }

    LayoutDocument doc;
    ScriptedMessages messages{Answer::Cancel};
    MemoryClipboard clipboard;
    LayoutEditorModel model;
};

/// Writes the confirmed range `from` to `to` to the clipboard and pastes it at item row `cursor`.
inline void WriteThenPaste(EditorFixture& f, int from, int to, int cursor) {
    f.MarkRange(from, to);
    f.messages.Script(Answer::Ok);
    ASSERT_TRUE(f.model.WriteClipboard());
    f.model.ClearRange();
    f.model.SetCursor(cursor, 3);
    f.messages.Script(Answer::Ok);
    ASSERT_TRUE(f.model.PasteClipboard());
}

}  // namespace rekkan::test
