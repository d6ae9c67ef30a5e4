#pragma once

#include <functional>
#include <string>
#include <utility>

#include "layout_editor/record_editor_link.h"
#include "records/editor/record_editor_session.h"

namespace rekkan::ui {

/// The record editor as the layout editor sees it: the shown entry's layout path, the refresh
/// after that layout was saved, and showing the record editor window when the layout editor closes.
class SessionLayoutLink : public RecordEditorLink {
public:
    SessionLayoutLink(RecordEditorSession& session, std::function<void()> showRecordEditor)
        : session_(session), showRecordEditor_(std::move(showRecordEditor)) {}

    [[nodiscard]] std::string ShownLayoutPath() const override {
        const TLayoutListObj* entry = session_.ShownEntry();
        return entry ? entry->layoutPath : std::string();
    }
    void RefreshShownEntry() override { session_.LayoutStored(ShownLayoutPath()); }
    void LayoutEditorClosed() override {
        if (showRecordEditor_) showRecordEditor_();
    }

private:
    RecordEditorSession& session_;
    std::function<void()> showRecordEditor_;
};

}  // namespace rekkan::ui
