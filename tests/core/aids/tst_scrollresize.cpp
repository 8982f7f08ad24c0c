// The scrollable area of the large windows: the scroll bar's numbers (Min above Max), the
// layout rules of ScrollResize with their edge cases, and the content following the bars.
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/aids/scrollresize.h"
#include "support/expect_error.h"
#include "ui/form.h"
#include "ui/twips.h"
#include "vb/locale.h"

#include <QFrame>
#include <QtTest>
#include <memory>

using core::ScrollBar;

namespace {

constexpr int errOverflow = 6;
constexpr int errInvalidPropertyValue = 380;

int twipsX(int pixels) { return ui::PixelsToTwipsX(pixels); }
int twipsY(int pixels) { return ui::PixelsToTwipsY(pixels); }

// A window with a scrollable area whose content is `content` pixels, resized to `client`.
class frmScrollProbe : public ui::Form {
public:
    frmScrollProbe(QSize content, QSize client) : ui::Form(QStringLiteral("frmScrollProbe"))
    {
        area = core::BuildScrollArea(*this, twipsX(content.width()), twipsY(content.height()));
        resize(client);
    }
    core::ScrollArea area;

    // PicOuter's border, both sides together.
    QSize border() const { return area.PicOuter->size() - area.PicOuter->contentsRect().size(); }
    int hBarHeight() const { return area.HBar->height(); }
    int vBarWidth() const { return area.VBar->width(); }
    bool hBarShown() const { return !area.HBar->isHidden(); }
    bool vBarShown() const { return !area.VBar->isHidden(); }
};

// A probe whose PicOuter border is known before the content size is chosen.
std::unique_ptr<frmScrollProbe> probe(QSize client, auto contentFor)
{
    frmScrollProbe sizing({10, 10}, client);
    const QSize content = contentFor(sizing.border(), sizing.hBarHeight(), sizing.vBarWidth());
    return std::make_unique<frmScrollProbe>(content, client);
}

// Both bars shown in a 400 x 300 window: the content keeps what they leave, each bar runs
// along its edge up to the other.
void verifyBothBarsIn400By300(const frmScrollProbe &frm)
{
    const int h = frm.hBarHeight();
    const int v = frm.vBarWidth();
    QVERIFY(frm.hBarShown());
    QVERIFY(frm.vBarShown());
    QCOMPARE(frm.area.PicOuter->geometry(), QRect(0, 0, 400 - v, 300 - h));
    QCOMPARE(frm.area.HBar->geometry(), QRect(0, 300 - h, 400 - v, h));
    QCOMPARE(frm.area.VBar->geometry(), QRect(400 - v, 0, v, 300 - h));
}

} // namespace

class TestScrollResize : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void scrollBarRunsFromMinDownToANegativeMax();
    void scrollBarRefusesNumbersItCannotHold();
    void newMaxBringsValueIntoRange();

    void windowLargerThanContentHidesBothBars();
    void contentExactlyAsWideAsWindowNeedsNoBar();
    void widerContentShowsHorizontalBarOnly();
    void horizontalBarCanMakeVerticalBarNeeded();
    void tallerContentShowsVerticalBarOnly();
    void verticalBarCanMakeHorizontalBarNeeded();
    void barNumbersFollowTheViewport();
    void maxBeyondSixteenBitsLeavesOnlyThatStepUndone();
    void missingControlSkipsItsStepsOnly();
    void minimisedWindowIsLeftUntouched();

    void contentFollowsTheBars();
    void contentComesBackWhenItFitsAgain();
};

void TestScrollResize::scrollBarRunsFromMinDownToANegativeMax()
{
    ScrollBar bar(Qt::Horizontal);
    QSignalSpy changes(&bar, &ScrollBar::Change);
    bar.SetMin(0);
    bar.SetMax(-3000);
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), 3000);
    QCOMPARE(bar.value(), 0);   // the thumb at the left end stands for Min

    bar.SetValue(-1200);
    QCOMPARE(bar.Value(), -1200);
    QCOMPARE(bar.value(), 1200);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).toInt(), -1200);

    // The user moves the thumb to the right end: the value reaches the negative Max.
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(bar.Value(), -3000);
    QCOMPARE(changes.last().at(0).toInt(), -3000);

    bar.SetLargeChange(600);
    bar.SetSmallChange(2.5);   // halves go to the even number
    QCOMPARE(bar.LargeChange(), 600);
    QCOMPARE(bar.pageStep(), 600);
    QCOMPARE(bar.SmallChange(), 2);
    bar.SetSmallChange(3.5);
    QCOMPARE(bar.SmallChange(), 4);
    QCOMPARE(bar.singleStep(), 4);
}

void TestScrollResize::scrollBarRefusesNumbersItCannotHold()
{
    ScrollBar bar(Qt::Vertical);
    bar.SetMax(-100);
    HOTEL_EXPECT_ERROR(bar.SetMax(-32769), errOverflow);
    QCOMPARE(bar.Max(), -100);
    HOTEL_EXPECT_ERROR(bar.SetMin(40000), errOverflow);
    HOTEL_EXPECT_ERROR(bar.SetValue(-101), errInvalidPropertyValue);
    HOTEL_EXPECT_ERROR(bar.SetValue(1), errInvalidPropertyValue);
    HOTEL_EXPECT_ERROR(bar.SetLargeChange(0), errInvalidPropertyValue);
    HOTEL_EXPECT_ERROR(bar.SetSmallChange(0.4), errInvalidPropertyValue);
    QCOMPARE(bar.Value(), 0);
    QCOMPARE(bar.LargeChange(), 1);
    QCOMPARE(bar.SmallChange(), 1);
}

void TestScrollResize::newMaxBringsValueIntoRange()
{
    ScrollBar bar(Qt::Horizontal);
    bar.SetMax(-3000);
    bar.SetValue(-2500);
    QSignalSpy changes(&bar, &ScrollBar::Change);
    bar.SetMax(-1000);
    QCOMPARE(bar.Value(), -1000);
    QCOMPARE(bar.value(), 1000);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).toInt(), -1000);
    bar.SetMax(-2000);   // a wider range keeps the value
    QCOMPARE(bar.Value(), -1000);
    QCOMPARE(changes.count(), 1);
}

void TestScrollResize::windowLargerThanContentHidesBothBars()
{
    frmScrollProbe frm({200, 100}, {400, 300});
    frm.area.HBar->show();
    frm.area.VBar->show();
    core::ScrollResize(frm);
    QVERIFY(!frm.hBarShown());
    QVERIFY(!frm.vBarShown());
    QCOMPARE(frm.area.PicOuter->geometry(), QRect(0, 0, 400, 300));
}

void TestScrollResize::contentExactlyAsWideAsWindowNeedsNoBar()
{
    // need width = content + border = the window's inside: not strictly greater.
    auto frm = probe({400, 300}, [](QSize border, int, int) { return QSize(400 - border.width(), 50); });
    core::ScrollResize(*frm);
    QVERIFY(!frm->hBarShown());
    QVERIFY(!frm->vBarShown());
    QCOMPARE(frm->area.PicOuter->geometry(), QRect(0, 0, 400, 300));
}

void TestScrollResize::widerContentShowsHorizontalBarOnly()
{
    // Exactly as tall as what the horizontal bar leaves: no vertical bar.
    auto frm = probe({400, 300}, [](QSize border, int hBar, int) {
        return QSize(401 - border.width(), 300 - hBar - border.height());
    });
    core::ScrollResize(*frm);
    const int h = frm->hBarHeight();
    QVERIFY(frm->hBarShown());
    QVERIFY(!frm->vBarShown());
    QCOMPARE(frm->area.PicOuter->geometry(), QRect(0, 0, 400, 300 - h));
    QCOMPARE(frm->area.HBar->geometry(), QRect(0, 300 - h, 400, h));
}

void TestScrollResize::horizontalBarCanMakeVerticalBarNeeded()
{
    auto frm = probe({400, 300}, [](QSize border, int hBar, int) {
        return QSize(500, 300 - hBar - border.height() + 1);
    });
    core::ScrollResize(*frm);
    verifyBothBarsIn400By300(*frm);
}

void TestScrollResize::tallerContentShowsVerticalBarOnly()
{
    // Exactly as wide as what the vertical bar leaves: no horizontal bar.
    auto frm = probe({400, 300}, [](QSize border, int, int vBar) {
        return QSize(400 - vBar - border.width(), 301 - border.height());
    });
    core::ScrollResize(*frm);
    const int v = frm->vBarWidth();
    QVERIFY(!frm->hBarShown());
    QVERIFY(frm->vBarShown());
    QCOMPARE(frm->area.PicOuter->geometry(), QRect(0, 0, 400 - v, 300));
    QCOMPARE(frm->area.VBar->geometry(), QRect(400 - v, 0, v, 300));
}

void TestScrollResize::verticalBarCanMakeHorizontalBarNeeded()
{
    auto frm = probe({400, 300}, [](QSize border, int, int vBar) {
        return QSize(400 - vBar - border.width() + 1, 600);
    });
    core::ScrollResize(*frm);
    verifyBothBarsIn400By300(*frm);
}

void TestScrollResize::barNumbersFollowTheViewport()
{
    frmScrollProbe frm({700, 900}, {400, 300});
    core::ScrollResize(frm);
    const QSize scale = frm.area.PicOuter->contentsRect().size();
    QCOMPARE(frm.area.PicOuter->width(), 400 - frm.vBarWidth());

    ScrollBar &h = *frm.area.HBar;
    QCOMPARE(h.Min(), 0);
    QCOMPARE(h.Max(), twipsX(scale.width()) - twipsX(700));
    QVERIFY(h.Max() < 0);
    QCOMPARE(h.LargeChange(), twipsX(scale.width()));
    QCOMPARE(h.SmallChange(), qRound(twipsX(scale.width()) / 5.0));

    ScrollBar &v = *frm.area.VBar;
    QCOMPARE(v.Min(), 0);
    QCOMPARE(v.Max(), twipsY(scale.height()) - twipsY(900));
    QCOMPARE(v.LargeChange(), twipsY(scale.height()));
    QCOMPARE(v.SmallChange(), qRound(twipsY(scale.height()) / 5.0));
}

void TestScrollResize::maxBeyondSixteenBitsLeavesOnlyThatStepUndone()
{
    // Content more than 32767 twips wider than the viewport.
    frmScrollProbe frm({2600, 100}, {300, 300});
    frm.area.HBar->SetMax(-500);
    core::ScrollResize(frm);
    QVERIFY(twipsX(frm.area.PicOuter->contentsRect().width()) - twipsX(2600) < -32768);
    QVERIFY(frm.hBarShown());
    QCOMPARE(frm.area.HBar->Max(), -500);   // kept from before
    QCOMPARE(frm.area.HBar->LargeChange(), twipsX(frm.area.PicOuter->contentsRect().width()));
    QCOMPARE(frm.area.PicOuter->geometry(), QRect(0, 0, 300, 300 - frm.hBarHeight()));
}

void TestScrollResize::missingControlSkipsItsStepsOnly()
{
    frmScrollProbe frm({700, 900}, {400, 300});
    delete frm.area.VBar;
    core::ScrollResize(frm);
    // Without VBar its width is not taken off; the rest of the layout still happens.
    const int h = frm.hBarHeight();
    QCOMPARE(frm.area.PicOuter->geometry(), QRect(0, 0, 400, 300 - h));
    QVERIFY(frm.hBarShown());
    QCOMPARE(frm.area.HBar->geometry(), QRect(0, 300 - h, 400, h));
}

void TestScrollResize::minimisedWindowIsLeftUntouched()
{
    frmScrollProbe frm({700, 900}, {400, 300});
    frm.area.PicOuter->setGeometry(5, 6, 70, 80);
    frm.setWindowState(Qt::WindowMinimized);
    QCOMPARE(frm.WindowState(), ui::vbMinimized);
    core::ScrollResize(frm);
    QCOMPARE(frm.area.PicOuter->geometry(), QRect(5, 6, 70, 80));
    QVERIFY(!frm.hBarShown());
    QVERIFY(!frm.vBarShown());
    QCOMPARE(frm.area.HBar->Max(), 32767);
}

void TestScrollResize::contentFollowsTheBars()
{
    frmScrollProbe frm({700, 900}, {400, 300});
    core::ScrollResize(frm);
    frm.area.HBar->SetValue(-300);
    frm.area.VBar->SetValue(-450);
    QCOMPARE(core::InnerPosition(frm.area.PicInner), QPoint(-300, -450));
    QCOMPARE(frm.area.PicInner->pos(), QPoint(ui::TwipsToPixelsX(-300), ui::TwipsToPixelsY(-450)));

    // Moved by the user to the far end: the content's right edge meets the viewport's.
    frm.area.HBar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(frm.area.PicInner->x() + frm.area.PicInner->width(), frm.area.PicOuter->contentsRect().width());
}

void TestScrollResize::contentComesBackWhenItFitsAgain()
{
    frmScrollProbe frm({700, 900}, {400, 300});
    core::ScrollResize(frm);
    frm.area.HBar->SetValue(frm.area.HBar->Max());
    frm.area.VBar->SetValue(-450);

    // A little larger: the bars' range shrinks and the content moves with the clamped value.
    frm.resize(600, 300);
    core::ScrollResize(frm);
    QCOMPARE(frm.area.HBar->Value(), frm.area.HBar->Max());
    QCOMPARE(frm.area.PicInner->x() + frm.area.PicInner->width(), frm.area.PicOuter->contentsRect().width());

    // Large enough for everything: no bars, and nothing left scrolled out of sight.
    frm.resize(900, 1100);
    core::ScrollResize(frm);
    QVERIFY(!frm.hBarShown());
    QVERIFY(!frm.vBarShown());
    QCOMPARE(frm.area.PicInner->pos(), QPoint(0, 0));
}

QTEST_MAIN(TestScrollResize)
#include "tst_scrollresize.moc"
