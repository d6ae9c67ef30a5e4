#pragma once

#include <QStringList>

#include <memory>

namespace rekkan::ui {

class LayoutSideWindows;
class QtEditorDialogs;
class RecEditorOutputs;
class RekkanApp;
class QtToolShell;
class TFm_Browse;
class TFm_Csv;
class TFm_Etc;
class TFm_Kvel;
class TFm_Tfm;
class TFm_Xfm;
class SessionLayoutLink;
class TFm_RecEditor;
class TFm_ResidentMsg;
class TFm_RecSearch;

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
    /// The layout editor's tool windows, created hidden.
    [[nodiscard]] TFm_Xfm& Xfm() { return *xfm_; }
    [[nodiscard]] TFm_Csv& Csv() { return *csv_; }
    [[nodiscard]] TFm_Tfm& Tfm() { return *tfm_; }
    [[nodiscard]] TFm_Etc& Etc() { return *etc_; }
    /// The resident message window, created hidden.
    [[nodiscard]] TFm_ResidentMsg& ResidentMessages() { return *resident_; }

private:
    RekkanApp& app_;
    std::unique_ptr<QtEditorDialogs> dialogs_;
    std::unique_ptr<TFm_RecEditor> recEditor_;
    std::unique_ptr<TFm_Browse> browse_;
    std::unique_ptr<TFm_RecSearch> search_;
    std::unique_ptr<TFm_Kvel> kvel_;
    std::unique_ptr<SessionLayoutLink> kvelLink_;
    std::unique_ptr<LayoutSideWindows> sideWindows_;
    RecEditorOutputs* outputs_ = nullptr;  ///< owned by the record editor
    std::unique_ptr<QtToolShell> toolShell_;
    std::unique_ptr<TFm_Xfm> xfm_;
    std::unique_ptr<TFm_Csv> csv_;
    std::unique_ptr<TFm_Tfm> tfm_;
    std::unique_ptr<TFm_Etc> etc_;
    std::unique_ptr<TFm_ResidentMsg> resident_;

    void CreateToolWindows();
};

}  // namespace rekkan::ui
