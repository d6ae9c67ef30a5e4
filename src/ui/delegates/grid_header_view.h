#pragma once

#include <QHeaderView>

namespace rekkan::ui {

/// The heading row of the field grid: headings in the colours of `HeadingLookOf` (the all-hex
/// state from the model's `AllHexRole`), and at the left of one heading a small button-like
/// area (the ruler switch "目盛", blue while the model's `RulerOnRole` is on).
class GridHeaderView : public QHeaderView {
    Q_OBJECT
public:
    GridHeaderView(int buttonColumn, int buttonWidth, const QString& buttonCaption, QWidget* parent = nullptr);

    /// True when a click at `x` (viewport coordinates) falls in the button area.
    [[nodiscard]] bool InButtonArea(int x) const;

signals:
    /// A heading other than the button area was clicked.
    void headingClicked(int column);
    /// The button area was clicked.
    void buttonAreaClicked();

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int buttonColumn_;
    int buttonWidth_;
    QString buttonCaption_;
};

}  // namespace rekkan::ui
