#pragma once

#include <string>
#include <vector>

#include "model/layout_document.h"
#include "util/messages.h"

namespace rekkan {

class LayoutEditorController;

/// The layout as it was when the built-in editor opened: what "No" after a verification
/// puts back (rows, comment, prefix, key lines, modified flag).
struct LayoutSnapshot {
    std::vector<TRspec> items;
    std::string comment, prefix;
    std::vector<std::string> keyLines;
    bool modified = false;
};

/// The built-in text editor without its widgets: the text generated from the layout, change
/// tracking, "検証" and its return, and the decisions on closing.
class BuiltInEditSession {
public:
    BuiltInEditSession(LayoutEditorController& editor, MessageSink& messages);

    /// Opening: takes the snapshot and returns the text to show (CP932, CR LF).
    [[nodiscard]] std::string Open();
    /// The user changed the text (the window calls this only while tracking is on).
    void TextChanged() { modified_ = true; }
    [[nodiscard]] bool Modified() const { return modified_; }
    /// "検証" is offered once the text was changed.
    [[nodiscard]] bool VerifyAvailable() const { return modified_ || verifying_; }
    [[nodiscard]] bool Verifying() const { return verifying_; }

    /// "検証": keeps `current`, imports it into the layout and returns the layout's text as
    /// the import read it. False (text unchanged) when the work file could not be written, or
    /// when `current` lost characters CP932 cannot hold (`lossless` false: they read '?') and the
    /// user would rather go on editing.
    bool Verify(const std::string& current, std::string& shown, bool lossless = true);
    /// "検証中": the text kept when the verification started.
    [[nodiscard]] std::string EndVerify();

    /// "備考→": asks; on Yes the text with the remark line added below `caretLine`, and the
    /// caret offset. False when the user said No.
    bool InsertRemark(const std::string& current, int caretLine, std::string& text, int& caret);

    /// Closing with `current` shown (after EndVerify when verifying): asks when modified, and
    /// before saving a text that lost characters (`lossless` false) whether '?' may stand for them.
    /// False when the window stays open (Cancel, or the work file could not be written).
    bool Close(const std::string& current, bool lossless = true);

private:
    bool ImportText(const std::string& text);
    void RestoreSnapshot();

    LayoutEditorController& editor_;
    MessageSink& messages_;
    LayoutSnapshot snapshot_;
    std::string edited_;
    bool modified_ = false;
    bool verifying_ = false;
    bool verifiedOnce_ = false;
};

/// Starts an external editor on the work file and waits for it.
class EditorRunner {
public:
    virtual ~EditorRunner() = default;
    /// Runs `command` (program, then arguments; CP932) and waits for its end; false when it
    /// could not be started. `elapsedMs` receives how long it ran.
    [[nodiscard]] virtual bool RunAndWait(const std::vector<std::string>& command, long long& elapsedMs) = 0;
};

/// An editor that returned within this time with the file unchanged probably handed the
/// file to an instance already running.
inline constexpr long long kQuickEditorReturnMs = 2000;

/// Edits the layout in the external editor of the settings: writes the work file, runs the
/// editor, reads the file back (UTF-8 converted, line ends normalised) and imports it in
/// editor mode; a changed text first records an undo step and marks the layout modified. A
/// UTF-8 text with characters CP932 cannot hold is imported with '?' for them only when the
/// user agrees. False when the editor could not be started (the user is told), the file not
/// written or the import declined.
bool EditWithExternalEditor(LayoutEditorController& editor, MessageSink& messages, EditorRunner& runner);

}  // namespace rekkan
