#pragma once

#include <QMainWindow>

#include <set>
#include <string>

#include "model/settings.h"
#include "tools/print_table.h"
#include "tools/text_browse.h"
#include "util/messages.h"

class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace rekkan::ui {

/// The text viewer: one read-only window, created once, that shows help documents, generated
/// help texts and every output file just written.
class TFm_Browse : public QMainWindow {
    Q_OBJECT
public:
    /// Actions of a bound menu carrying this property (true) open something outside and are
    /// left out of the document list.
    static constexpr const char* kNotADocument = "rekkanNotADocument";

    TFm_Browse(Settings& settings, MessageSink& messages, QWidget* parent = nullptr);
    ~TFm_Browse() override;

    /// Makes `menu` one that the document list may be bound to.
    void RegisterMenu(const QMenu* menu);
    /// Shows `text` (CP932) with the caption "Browse " + caption; the document list lists
    /// `menu`'s documents, or is hidden when `menu` is null.
    void ShowText(QMenu* menu, const std::string& caption, const std::string& text);
    /// Shows the file at `path` (CP932), numbered or not; a missing file is reported and the
    /// text shown before stays. A path of blanks sets the caption only.
    bool ShowFile(QMenu* menu, const std::string& caption, bool numbered, const std::string& path);
    /// The print preview of the shown text, one line per row, with the viewer's print settings.
    void Print();
    /// The table the print command hands to the print routine.
    [[nodiscard]] PrintTable TableToPrint() const;
    /// Shows every document of the list in turn and writes them as one HTML page to `path`;
    /// false (and a message naming the path) when it could not be written.
    bool WriteHelpPage(const std::string& path);
    /// Where the HTML button writes its page (CP932); by default beside the program.
    void SetHtmlOutputPath(const std::string& path) { htmlPath_ = path; }
    /// The text shown (CP932), as the text area holds it.
    [[nodiscard]] const std::string& ShownText() const { return text_; }
    /// True once a show operation has completed.
    [[nodiscard]] bool Loaded() const { return loaded_; }
    [[nodiscard]] QComboBox* DocumentList() const { return list_; }
    [[nodiscard]] QPlainTextEdit* TextArea() const { return area_; }

protected:
    /// Shown again after being hidden: a file shown last is read again.
    void showEvent(QShowEvent* event) override;

private:
    void BindMenu(QMenu* menu, const std::string& caption);
    void Display(std::string text);
    void OnDocumentChosen(int index);
    void OnWiden();
    void OnHtml();

    Settings& settings_;
    MessageSink& messages_;
    std::set<const QMenu*> registered_;
    QMenu* bound_ = nullptr;
    std::string text_;
    std::string htmlPath_;
    std::string shownFile_;  ///< the file shown last (empty after a text)
    bool shownNumbered_ = false;
    bool displaying_ = false;
    bool loaded_ = false;
    WidthCycle widths_;
    QComboBox* list_ = nullptr;
    QPushButton* wide_ = nullptr;
    QPushButton* html_ = nullptr;
    QPlainTextEdit* area_ = nullptr;
};

}  // namespace rekkan::ui
