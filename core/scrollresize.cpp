#include "core/scrollresize.h"

#include "core/scrollbar.h"
#include "ui/form.h"
#include "ui/twips.h"
#include "vb/error.h"

#include <QFrame>

namespace core {

namespace {

constexpr long errNoSuchMember = 438;
constexpr long errInvalidPropertyValue = 380;

// Every step of the layout runs on its own: a control that is missing or a number a bar
// cannot take skips that one step, and the layout goes on.
template <class Step> void resumeNext(Step step)
{
    try {
        step();
    } catch (const vb::Error &) {
    }
}

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
    resumeNext([&] { needWidth = widthOf(picInner()) + (widthOf(picOuter()) - scaleWidthOf(picOuter())); });
    resumeNext([&] { needHeight = heightOf(picInner()) + (heightOf(picOuter()) - scaleHeightOf(picOuter())); });
    float haveWidth = static_cast<float>(frm.ScaleWidth());
    float haveHeight = static_cast<float>(frm.ScaleHeight());

    // A bar takes room from the other direction, which may make that bar needed in turn.
    bool horizontal = needWidth > haveWidth;
    if (horizontal)
        resumeNext([&] { haveHeight -= heightOf(hBar()); });
    const bool vertical = needHeight > haveHeight;
    if (vertical) {
        resumeNext([&] { haveWidth -= widthOf(vBar()); });
        if (!horizontal) {
            horizontal = needWidth > haveWidth;
            if (horizontal)
                resumeNext([&] { haveHeight -= heightOf(hBar()); });
        }
    }

    resumeNext([&] { moveTo(picOuter(), 0, 0, haveWidth, haveHeight); });

    if (horizontal) {
        resumeNext([&] { moveTo(hBar(), 0, haveHeight, haveWidth, heightOf(hBar())); });
        resumeNext([&] { hBar().SetMin(0); });
        resumeNext([&] { hBar().SetMax(scaleWidthOf(picOuter()) - widthOf(picInner())); });
        resumeNext([&] { hBar().SetLargeChange(scaleWidthOf(picOuter())); });
        resumeNext([&] { hBar().SetSmallChange(scaleWidthOf(picOuter()) / 5); });
        resumeNext([&] { hBar().setVisible(true); });
    } else {
        resumeNext([&] { hBar().setVisible(false); });
        // Content that fits needs no offset: without the bar it could not be scrolled back.
        resumeNext([&] { hBar().SetValue(hBar().Min()); });
    }

    if (vertical) {
        resumeNext([&] { moveTo(vBar(), haveWidth, 0, widthOf(vBar()), haveHeight); });
        resumeNext([&] { vBar().SetMin(0); });
        resumeNext([&] { vBar().SetMax(scaleHeightOf(picOuter()) - heightOf(picInner())); });
        resumeNext([&] { vBar().SetLargeChange(scaleHeightOf(picOuter())); });
        resumeNext([&] { vBar().SetSmallChange(scaleHeightOf(picOuter()) / 5); });
        resumeNext([&] { vBar().setVisible(true); });
    } else {
        resumeNext([&] { vBar().setVisible(false); });
        resumeNext([&] { vBar().SetValue(vBar().Min()); });
    }
}

} // namespace core
