#pragma once

#include <QDialog>

#include <memory>

#include "model/settings.h"
#include "records/editor/rec_etc_controller.h"
#include "util/messages.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace rekkan::ui {

class TFm_RecEditor;

/// The record editor's settings window "Rekkan 動作環境の定義": confirmations, sign forms and
/// byte order, fill and record tail bytes, input mode, font size and the layout tree's colours
/// on four pages. Created for each opening and shown modally; "更新" stores the values and the
/// record editor applies them at once.
class TFm_RecEtc : public QDialog {
    Q_OBJECT
public:
    /// `editor` (may be null) is the record editor the settings are applied to.
    TFm_RecEtc(Settings& settings, MessageSink& messages, TFm_RecEditor* editor, QWidget* parent = nullptr);
    ~TFm_RecEtc() override;

    /// "更新": the record editor's cell edit ends, the controller asks and stores, the editor follows.
    void Store();
    /// A colour chosen for the layout tree (background or text): shown on the tree at once.
    void ChooseColour(bool background, const QColor& colour);
    [[nodiscard]] const RecEtcController& Controller() const { return controller_; }

protected:
    void done(int result) override;

private:
    void BuildChecks(QTabWidget& tabs);
    void BuildSigns(QTabWidget& tabs);
    void BuildFill(QTabWidget& tabs);
    void BuildInput(QTabWidget& tabs);
    void ShowValues();
    void TakeValues();
    void UpdateEnabling();
    void PickColour(bool background);

    RecEtcController controller_;
    TFm_RecEditor* editor_;
    QTabWidget* tabs_ = nullptr;
    QCheckBox* ask_[4] = {};
    QComboBox* zone_ = nullptr;
    QComboBox* pack_ = nullptr;
    QComboBox* order_ = nullptr;
    QComboBox* fill_ = nullptr;
    QComboBox* tail_ = nullptr;
    QComboBox* input_ = nullptr;
    QComboBox* cursor_ = nullptr;
    QComboBox* font_ = nullptr;
    QGroupBox* fillGroup_ = nullptr;
    QGroupBox* tailGroup_ = nullptr;
    QLabel* fillLabel_ = nullptr;
    QLabel* tailLabel_ = nullptr;
    QLineEdit* fillValue_ = nullptr;
    QLineEdit* tailValue_ = nullptr;
};

}  // namespace rekkan::ui
