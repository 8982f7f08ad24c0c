#pragma once
// A hint window of our own in the manner of the platform's tooltip window: a title with an
// icon and a text, drawn as a balloon whose stem points at a spot on the screen (or as a
// plain rectangle), gone by itself after its pop-down delay. It can be shown on demand at a
// point (tracking) or whenever the pointer rests on a tool widget (hover).
#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace controls {

enum BalloonIcon : int { BalloonNoIcon = 0, BalloonInfo = 1, BalloonWarning = 2, BalloonError = 3 };

class BalloonWindow : public QWidget {
    Q_OBJECT
public:
    // The balloon belongs to `owner` (it goes when the owner goes) but is a window of its own.
    explicit BalloonWindow(QWidget *owner = nullptr);

    QString title() const { return title_; }
    void setTitle(const QString &title);
    int icon() const { return icon_; }
    void setIcon(int icon);
    QString text() const { return text_; }
    void setText(const QString &text);
    // An invalid colour stands for the system's tooltip colours.
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor &color);
    QColor backgroundColor() const { return backColor_; }
    void setBackgroundColor(const QColor &color);
    // True: rounded balloon with a stem; false: plain rectangle.
    bool isBalloon() const { return balloon_; }
    void setBalloon(bool balloon);
    // Centred on the point instead of starting at it.
    bool isCentered() const { return centered_; }
    void setCentered(bool centered);
    // Clicks go through to what lies beneath.
    void setTransparentForMouse(bool transparent);

    // Milliseconds the balloon stays up once shown; 0 or less: until hidden.
    int autoPopDelay() const { return autoPop_; }
    void setAutoPopDelay(int ms) { autoPop_ = ms; }
    // Milliseconds the pointer must rest on the hover tool before the balloon shows.
    int initialDelay() const { return initialDelay_; }
    void setInitialDelay(int ms) { initialDelay_ = ms; }

    // Shows with the stem's tip at a point of the screen (global coordinates).
    void showAt(const QPoint &globalPoint);
    // Where the balloon points (global coordinates).
    QPoint anchor() const { return anchor_; }
    // The point relative to the body: true when the body hangs below it.
    bool pointsUp() const { return pointsUp_; }

    // Hover mode: shows under the pointer when it rests on `tool`, hides when it leaves.
    void setHoverTool(QWidget *tool);

signals:
    // Gone by itself after the pop-down delay.
    void popped();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Layout;
    Layout layout() const;
    void relayout();
    QPainterPath outline(const QRect &body, int stemX) const;

    QString title_;
    QString text_;
    int icon_ = BalloonNoIcon;
    QColor textColor_;
    QColor backColor_;
    bool balloon_ = true;
    bool centered_ = false;
    int autoPop_ = 5000;
    int initialDelay_ = 500;
    QPoint anchor_;
    bool pointsUp_ = true;   // stem above the body, pointing up at the anchor
    int stemX_ = 0;          // stem tip x within the window
    QTimer popTimer_;
    QTimer hoverTimer_;
    QPointer<QWidget> hoverTool_;
};

} // namespace controls
