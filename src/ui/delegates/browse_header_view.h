#pragma once

#include <QHeaderView>

namespace rekkan::ui {

/// The four fixed rows of the browse and search tables, drawn as one heading per column from
/// the model's HeaderLineRole + k texts: lines 0 to 2 one default row high and centred, the
/// item-name line as high as folding makes it, centred in item columns while centring is on,
/// wrapped while folding. Fixed columns and the item-name line get a 3D frame, the other
/// lines a flat one.
class BrowseHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit BrowseHeaderView(QWidget* parent = nullptr);

    /// Height of lines 0 to 2 and of the item-name line.
    void SetLineHeights(int line, int nameLine);
    [[nodiscard]] int LineHeight() const { return line_; }
    [[nodiscard]] int NameLineHeight() const { return nameLine_; }
    void SetCentred(bool on);
    void SetWrap(bool on);
    /// One blank in front of a left-aligned item name (the search results).
    void SetNameBlank(bool on) { nameBlank_ = on; }

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int line_ = 20;
    int nameLine_ = 20;
    bool centred_ = true;
    bool wrap_ = false;
    bool nameBlank_ = false;
};

}  // namespace rekkan::ui
