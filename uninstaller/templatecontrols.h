#pragma once
// The two controls of a template that draw themselves: a label that opens a link, and a
// button painted from an image strip (skin button) with pressed, disabled, hot and focus
// cells.
#include <QLabel>
#include <QPushButton>

namespace uninst {

// Opens its target with the desktop's handler when clicked; red and a hand cursor while the
// mouse is over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &text, const QString &target, QWidget *parent);
    const QString &target() const { return target_; }
    bool highlighted() const { return highlighted_; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHighlighted(bool on);
    QString target_;
    QPalette saved_;
    bool highlighted_ = false;
};

// The cell of a strip of cells `w` wide that a button in this state shows.
int SkinCell(int stripWidth, int w, bool pressed, bool enabled, bool hot, bool focused);

class SkinButton : public QPushButton {
    Q_OBJECT
public:
    SkinButton(const QPixmap &strip, const QColor &textColour, QWidget *parent);
    // The cell painted now.
    int currentCell() const;
    // Whether a focus rectangle is drawn around the text (focused, no focus cell).
    bool drawsFocusRectangle() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap strip_;
    QColor textColour_;
    bool hot_ = false;
};

} // namespace uninst
