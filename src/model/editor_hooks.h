#pragma once

namespace rekkan {

/// What the structure import asks of the layout editor while it replaces the layout's rows.
/// The layout editor implements it; the defaults do nothing, so the import also runs
/// without an editor (command line, tests).
class EditorHooks {
public:
    virtual ~EditorHooks() = default;
    /// The import starts (`on` true) or ends (`on` false); the editor shows it is importing.
    virtual void SetImporting(bool /*on*/) {}
    /// Switches the editor back to its ordinary view when the redefinition view is shown.
    virtual void LeaveRedefinitionView() {}
    /// Forgets every recorded undo step.
    virtual void ResetUndoHistory() {}
    /// The rows were replaced: recompute the geometry and redraw.
    virtual void LayoutReplaced() {}
};

}  // namespace rekkan
