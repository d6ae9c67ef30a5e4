#pragma once

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

namespace rekkan::ui {

class NumberBox;

/// The controls of the browse table above its grid, made and arranged once: the status
/// labels, the base Rec.No box and its buttons, the choice boxes, the warning panel and the
/// menus. Each carries its control name and an accessible name (its caption or the label in
/// front of it).
struct RecTableControls {
    /// Makes the controls and the menus of `window`; the grid goes into `gridArea`.
    explicit RecTableControls(QDialog& window);

    QMenuBar* menuBar;
    QAction* exit;      ///< File "1. 終了 (&X)"
    QAction* centring;  ///< View "項目名のセンタリング表示"
    QAction* csv;       ///< Print "1. レコード内容をＣＳＶ形式で出力する (&C)"

    QLineEdit* current;  ///< "ｶﾚﾝﾄ Rec.No"
    QLineEdit* basePosition;
    QLineEdit* fileSize;
    QLineEdit* recordLength;
    QLineEdit* records;
    QLineEdit* fileName;
    QPushButton* format;  ///< "⇔" beside the position labels

    QPushButton* setBase;  ///< "基底 Rec.No"
    NumberBox* recNo;
    QPushButton* minus;
    QPushButton* plus;
    QComboBox* scroll;      ///< "Scroll.Bar"
    QComboBox* fixedItem;   ///< "固定列"
    QComboBox* fixedWidth;  ///< "固定列幅"
    QComboBox* maxWidth;    ///< "最大列幅"
    QComboBox* fold;        ///< "折り返し"
    QPushButton* refold;    ///< "⇔" beside the folding box
    QPushButton* search;    ///< "検索"
    QPushButton* close;     ///< "終了"
    QLabel* warning;
    QWidget* gridArea;
};

}  // namespace rekkan::ui
