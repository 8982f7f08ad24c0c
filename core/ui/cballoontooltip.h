#pragma once
// The balloon hint class of the checking windows: a title, an icon and a text in a balloon
// pointing at the text box held in mTipTarget. Properties are kept in fields; most reach the
// balloon only when it is (re)created, as the tooltip window took them.
#include "controls/balloonwindow.h"

#include <QPointer>
#include <QString>
#include <cstdint>

namespace core {

class CBalloonToolTip {
public:
    // DelayTime 500, VisibleTime 5000, PopupOnDemand False.
    CBalloonToolTip();
    ~CBalloonToolTip();   // destroys the balloon
    CBalloonToolTip(const CBalloonToolTip &) = delete;
    CBalloonToolTip &operator=(const CBalloonToolTip &) = delete;

    int32_t VisibleTime() const { return visibleTime_; }   // ms the tip stays up
    void SetVisibleTime(int32_t ms) { visibleTime_ = ms; }
    int32_t DelayTime() const { return delayTime_; }       // ms before a hover tip shows
    void SetDelayTime(int32_t ms) { delayTime_ = ms; }
    int32_t Icon() const { return icon_; }                 // 0 none, 1 information, 2 warning, 3 error
    void SetIcon(int32_t icon);
    int32_t ForeColor() const { return foreColor_; }       // &H00BBGGRR; 0 leaves the system colour
    void SetForeColor(int32_t color);
    QString Title() const { return title_; }
    void SetTitle(const QString &title);
    bool PopupOnDemand() const { return popupOnDemand_; }  // True: shown only by Show
    void SetPopupOnDemand(bool onDemand) { popupOnDemand_ = onDemand; }
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t color);
    QString TipText() const { return tipText_; }
    void SetTipText(const QString &text);
    int32_t Style() const { return style_; }               // 0 standard tip, 1 balloon
    void SetStyle(int32_t style) { style_ = style; }
    bool Centered() const { return centered_; }
    void SetCentered(bool centered) { centered_ = centered; }

    // Shows the tip at (x, y), pixels in the text box named by mTipTarget.
    void Show(int32_t x, int32_t y);
    // (Re)creates the balloon for the given window; the result is not meaningful.
    bool CreateToolTip(QWidget *parent);
    void Destroy();

    // The balloon while it exists.
    controls::BalloonWindow *Window() const { return window_; }
    QWidget *Parent() const { return parent_; }

    // The balloon shown last by any object, for the tests of the checking windows.
    struct Shown {
        QString title;
        QString text;
        int icon = 0;
        QPointer<QWidget> target;
        QPointer<controls::BalloonWindow> window;
        bool isVisible() const { return window && window->isVisible(); }
    };
    static const Shown &LastShown();
    static void ClearLastShown();

private:
    void updateTitle();

    int32_t visibleTime_ = 5000;
    int32_t delayTime_ = 500;
    int32_t icon_ = 0;
    int32_t foreColor_ = 0;
    QString title_;
    bool popupOnDemand_ = false;
    int32_t backColor_ = 0;
    QString tipText_;
    int32_t style_ = 0;
    bool centered_ = false;
    QPointer<controls::BalloonWindow> window_;
    QPointer<QWidget> parent_;
};

} // namespace core
