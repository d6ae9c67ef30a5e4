#pragma once

#include <QDialog>

#include "layout_editor/text_edit_session.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace rekkan::ui {

class TFm_Browse;

/// The built-in text editor "Morvane Text Editor for Rekkan ": the layout as COBOL text with a
/// column ruler, item spacing ON/OFF, "備考→", "検証" and its return, print and the closing
/// question. Modal, created for each use.
class TFm_Editor : public QDialog {
    Q_OBJECT
public:
    TFm_Editor(LayoutEditorController& editor, MessageSink& messages, TFm_Browse& browse, QWidget* parent = nullptr);

    [[nodiscard]] QPlainTextEdit* Text() const { return text_; }
    [[nodiscard]] QLabel* Ruler() const { return ruler_; }
    [[nodiscard]] QPushButton* VerifyButton() const { return verify_; }
    [[nodiscard]] BuiltInEditSession& Session() { return session_; }

    /// Closing ("終了", the menu, the close box): the session decides; false keeps it open.
    bool TryClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;

private:
    void Show(const std::string& cp932Text);
    void PlaceRuler();
    void Spacing(bool on);
    void InsertRemark();
    void ToggleVerify();
    void SetVerifyLook(bool verifying);
    void Print();
    [[nodiscard]] std::string CurrentText(bool* lossless = nullptr) const;

    LayoutEditorController& editor_;
    TFm_Browse& browse_;
    BuiltInEditSession session_;
    QWidget* rulerBox_ = nullptr;
    QLabel* ruler_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* remark_ = nullptr;
    QPushButton* verify_ = nullptr;
    QPushButton* quit_ = nullptr;
    bool tracking_ = false;
    bool closing_ = false;
};

}  // namespace rekkan::ui
