#pragma once
// A row of items that wraps onto further lines when its widget is too narrow for one, as the
// bands of a cool bar do; each item keeps its preferred size. The layout's height follows its
// width (heightForWidth), and it is never narrower than its widest item.
#include <QLayout>
#include <QList>

namespace core {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent = nullptr, int spacing = 8);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items in `rect` (only measures when `place` is false); the height used.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> items_;
    int spacing_;
};

} // namespace core
