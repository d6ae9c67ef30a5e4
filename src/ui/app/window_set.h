#pragma once

#include <QStringList>

#include <memory>

namespace rekkan::ui {

class QtEditorDialogs;
class RecEditorOutputs;
class RekkanApp;
class TFm_Browse;
class TFm_Kvel;
class SessionLayoutLink;
class TFm_RecEditor;

/// The long-lived windows of the program, created once in a fixed order: the record editor
/// first. Closing the record editor ends the program.
class WindowSet {
public:
    explicit WindowSet(RekkanApp& app);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    /// Shows the record editor; 200 ms later the first argument (if any) is taken like a
    /// dropped file, without a report.
    void Start(const QStringList& arguments);

    [[nodiscard]] TFm_RecEditor& RecEditor() { return *recEditor_; }
    [[nodiscard]] TFm_Browse& Browse() { return *browse_; }
    /// The layout editor, created hidden.
    [[nodiscard]] TFm_Kvel& Kvel() { return *kvel_; }

private:
    RekkanApp& app_;
    std::unique_ptr<QtEditorDialogs> dialogs_;
    std::unique_ptr<TFm_RecEditor> recEditor_;
    std::unique_ptr<TFm_Browse> browse_;
    std::unique_ptr<TFm_Kvel> kvel_;
    std::unique_ptr<SessionLayoutLink> kvelLink_;
    RecEditorOutputs* outputs_ = nullptr;  ///< owned by the record editor
};

}  // namespace rekkan::ui
