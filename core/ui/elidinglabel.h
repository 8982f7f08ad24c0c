#pragma once
// A one-line label whose text never widens its window: it asks for no more than `widest`
// pixels (its whole text when that is narrower, and no limit when `widest` is 0), may be
// made as narrow as its ellipsis, and shows what fits with an ellipsis at the end; its tool
// tip then gives the whole text. text() is always the whole text.
#include <QLabel>

namespace core {

class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget *parent = nullptr, int widest = 0);

    void setWidest(int widest);
    // The text as it shows at the label's present width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int widest_;
};

} // namespace core
