#include "core/aids/scrollresize.h"

#include "core/aids/scrollbar.h"
#include "core/state/runhandler.h"
#include "ui/form.h"
#include "ui/twips.h"
#include "vb/error.h"

#include <QFrame>

namespace core {

namespace {

constexpr long errNoSuchMember = 438;
constexpr long errInvalidPropertyValue = 380;

// The control, which must be there.
template <class T> T &present(T *control)
{
    if (!control)
        throw vb::Error(errNoSuchMember, QStringLiteral("Object doesn't support this property or method"));
    return *control;
}

// Sizes in twips, as the window's scale gives them.
float widthOf(const QWidget &w) { return static_cast<float>(ui::PixelsToTwipsX(w.width())); }
float heightOf(const QWidget &w) { return static_cast<float>(ui::PixelsToTwipsY(w.height())); }
float scaleWidthOf(const QFrame &f) { return static_cast<float>(ui::PixelsToTwipsX(f.contentsRect().width())); }
float scaleHeightOf(const QFrame &f) { return static_cast<float>(ui::PixelsToTwipsY(f.contentsRect().height())); }

void moveTo(QWidget &w, float left, float top, float width, float height)
{
    if (width < 0 || height < 0)
        throw vb::Error(errInvalidPropertyValue, QStringLiteral("Invalid property value"));
    w.setGeometry(ui::TwipsToPixelsX(left), ui::TwipsToPixelsY(top), ui::TwipsToPixelsX(width),
                  ui::TwipsToPixelsY(height));
}

} // namespace

void ScrollResize(ui::Form &frm)
{
    if (frm.WindowState() == ui::vbMinimized)
        return;

    QFrame *const outerFound = frm.findChild<QFrame *>(QStringLiteral("PicOuter"));
    QWidget *const innerFound = frm.findChild<QWidget *>(QStringLiteral("PicInner"));
    ScrollBar *const hBarFound = frm.findChild<ScrollBar *>(QStringLiteral("HBar"));
    ScrollBar *const vBarFound = frm.findChild<ScrollBar *>(QStringLiteral("VBar"));
    auto picOuter = [&]() -> QFrame & { return present(outerFound); };
    auto picInner = [&]() -> QWidget & { return present(innerFound); };
    auto hBar = [&]() -> ScrollBar & { return present(hBarFound); };
    auto vBar = [&]() -> ScrollBar & { return present(vBarFound); };

    float needWidth = 0;
    float needHeight = 0;
    ResumeNext([&] { needWidth = widthOf(picInner()) + (widthOf(picOuter()) - scaleWidthOf(picOuter())); });
    ResumeNext([&] { needHeight = heightOf(picInner()) + (heightOf(picOuter()) - scaleHeightOf(picOuter())); });
    float haveWidth = static_cast<float>(frm.ScaleWidth());
    float haveHeight = static_cast<float>(frm.ScaleHeight());

    // A bar takes room from the other direction, which may make that bar needed in turn.
    bool horizontal = needWidth > haveWidth;
    if (horizontal)
        ResumeNext([&] { haveHeight -= heightOf(hBar()); });
    const bool vertical = needHeight > haveHeight;
    if (vertical) {
        ResumeNext([&] { haveWidth -= widthOf(vBar()); });
        if (!horizontal) {
            horizontal = needWidth > haveWidth;
            if (horizontal)
                ResumeNext([&] { haveHeight -= heightOf(hBar()); });
        }
    }

    ResumeNext([&] { moveTo(picOuter(), 0, 0, haveWidth, haveHeight); });

    if (horizontal) {
        ResumeNext([&] { moveTo(hBar(), 0, haveHeight, haveWidth, heightOf(hBar())); });
        ResumeNext([&] { hBar().SetMin(0); });
        ResumeNext([&] { hBar().SetMax(scaleWidthOf(picOuter()) - widthOf(picInner())); });
        ResumeNext([&] { hBar().SetLargeChange(scaleWidthOf(picOuter())); });
        ResumeNext([&] { hBar().SetSmallChange(scaleWidthOf(picOuter()) / 5); });
        ResumeNext([&] { hBar().setVisible(true); });
    } else {
        ResumeNext([&] { hBar().setVisible(false); });
        // Content that fits needs no offset: without the bar it could not be scrolled back.
        ResumeNext([&] { hBar().SetValue(hBar().Min()); });
    }

    if (vertical) {
        ResumeNext([&] { moveTo(vBar(), haveWidth, 0, widthOf(vBar()), haveHeight); });
        ResumeNext([&] { vBar().SetMin(0); });
        ResumeNext([&] { vBar().SetMax(scaleHeightOf(picOuter()) - heightOf(picInner())); });
        ResumeNext([&] { vBar().SetLargeChange(scaleHeightOf(picOuter())); });
        ResumeNext([&] { vBar().SetSmallChange(scaleHeightOf(picOuter()) / 5); });
        ResumeNext([&] { vBar().setVisible(true); });
    } else {
        ResumeNext([&] { vBar().setVisible(false); });
        ResumeNext([&] { vBar().SetValue(vBar().Min()); });
    }
}

} // namespace core
