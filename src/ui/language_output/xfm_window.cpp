#include "ui/language_output/xfm_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "layout_editor/layout_editor_controller.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"

namespace rekkan::ui {

TFm_Xfm::TFm_Xfm(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent)
    : QMainWindow(parent), settings_(editor.SharedSettings()), controller_(editor, messages, shell) {
    setObjectName(QStringLiteral("TFm_Xfm"));
    setWindowTitle(QStringLiteral("Morvane for Rekkan 言語形式への変換出力"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* buttons = new QHBoxLayout;
    const std::array<std::pair<OutputLanguage, QString>, 3> languages = {{
        {OutputLanguage::C, QStringLiteral("C")},
        {OutputLanguage::Vb, QStringLiteral("VB")},
        {OutputLanguage::Cobol, QStringLiteral("COBOL")},
    }};
    for (std::size_t i = 0; i < languages.size(); ++i) {
        auto* button = new QPushButton(languages[i].second, central);
        button->setMinimumHeight(32);
        const OutputLanguage language = languages[i].first;
        connect(button, &QPushButton::clicked, this, [this, language] { (void)controller_.Write(language); });
        buttons->addWidget(button);
        buttons_[i] = button;
    }
    layout->addLayout(buttons);

    auto* group = new QGroupBox(QStringLiteral("COBOL 形式"), central);
    auto* grid = new QGridLayout(group);
    for (int b = 0; b < kCobolOptionBoxes; ++b) {
        const auto box = static_cast<CobolOptionBox>(b);
        const CobolOptionList& list = CobolOptionListOf(box);
        auto* label = new QLabel(ToQ(list.label), group);
        auto* combo = new QComboBox(group);
        combo->setObjectName(ToQ(list.key));
        combo->setAccessibleName(ToQ(list.label));
        label->setBuddy(combo);
        for (const std::string& item : list.items) combo->addItem(ToQ(item));
        combo->setMaxVisibleItems(20);
        combo->setCurrentIndex(controller_.Choice(box));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, box](int index) {
            if (index >= 0) controller_.SetChoice(box, index);
        });
        grid->addWidget(label, b, 0);
        grid->addWidget(combo, b, 1);
        lists_[b] = combo;
    }
    layout->addWidget(group);
    auto* close = new QPushButton(QStringLiteral("終了"), central);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    setCentralWidget(central);
}

QPushButton* TFm_Xfm::LanguageButton(OutputLanguage language) const {
    switch (language) {
    case OutputLanguage::C: return buttons_[0];
    case OutputLanguage::Vb: return buttons_[1];
    case OutputLanguage::Cobol: break;
    }
    return buttons_[2];
}

void TFm_Xfm::showEvent(QShowEvent* event) {
    // The lists follow the settings, which the command line or an earlier show may have changed.
    for (int b = 0; b < kCobolOptionBoxes; ++b) {
        QSignalBlocker block(lists_[b]);
        lists_[b]->setCurrentIndex(controller_.Choice(static_cast<CobolOptionBox>(b)));
    }
    if (!placed_) RestorePlacement(*this, settings_.FPS_Xfm);
    placed_ = true;
    QMainWindow::showEvent(event);
}

void TFm_Xfm::closeEvent(QCloseEvent* event) {
    settings_.FPS_Xfm = CapturePlacement(this, settings_.FPS_Xfm);
    QMainWindow::closeEvent(event);
}

}  // namespace rekkan::ui
