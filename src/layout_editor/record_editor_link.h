#pragma once

#include <string>

namespace rekkan {

/// What the layout editor asks of the record editor. The record editor implements it; the
/// layout editor knows nothing else of it.
class RecordEditorLink {
public:
    virtual ~RecordEditorLink() = default;
    /// Path of the layout file of the entry the record editor shows (CP932); empty when it
    /// shows none or the entry names no layout file.
    [[nodiscard]] virtual std::string ShownLayoutPath() const = 0;
    /// The layout at the shown entry's path was saved: show the entry again so that its
    /// comment, captions and fields follow the saved layout.
    virtual void RefreshShownEntry() = 0;
    /// The layout editor was closed: show the record editor window.
    virtual void LayoutEditorClosed() = 0;
};

}  // namespace rekkan
