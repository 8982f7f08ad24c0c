// Balloon hints: the class's properties and life, and the check sequence of the windows.
#include "core/state/appstate.h"
#include "core/ui/balloonhint.h"
#include "core/ui/cballoontooltip.h"
#include "vb/error.h"
#include "vb/locale.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using controls::BalloonWindow;
using core::CBalloonToolTip;

namespace {
int balloonCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<BalloonWindow *>(w) ? 1 : 0;
    return n;
}

QPoint lowerLeftOf(QWidget *box) { return box->mapToGlobal(QPoint(0, box->height() - 1)); }
} // namespace

class TestBalloonToolTip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void newObjectDefaults();
    void titleReachesALiveBalloonOnlyWithAnIcon();
    void textAndColoursOfALiveBalloon();
    void checkSequencePointsAtTheFailingBox();
    void twoChecksLeaveOneBalloonOnTheSecondBox();
    void balloonGoesAfterVisibleTime();
    void destroyAndEndOfObject();
    void showNeedsATarget();
    void tipNotOnDemandShowsOnHover();

private:
    QWidget window_;
    QLineEdit *txtUserName_ = nullptr;
    QLineEdit *txtPassWord_ = nullptr;
};

void TestBalloonToolTip::initTestCase()
{
    vb::SetCurrentLocale(QLocale(QStringLiteral("en_US")));
    auto *layout = new QVBoxLayout(&window_);
    txtUserName_ = new QLineEdit(&window_);
    txtUserName_->setObjectName(QStringLiteral("txtUserName"));
    txtPassWord_ = new QLineEdit(&window_);
    txtPassWord_->setObjectName(QStringLiteral("txtPassWord"));
    layout->addWidget(txtUserName_);
    layout->addWidget(txtPassWord_);
    window_.move(100, 100);
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
}

void TestBalloonToolTip::init()
{
    core::ResetState();
    CBalloonToolTip::ClearLastShown();
}

void TestBalloonToolTip::newObjectDefaults()
{
    CBalloonToolTip tip;
    QCOMPARE(tip.VisibleTime(), 5000);
    QCOMPARE(tip.DelayTime(), 500);
    QCOMPARE(tip.PopupOnDemand(), false);
    QCOMPARE(tip.Icon(), 0);
    QCOMPARE(tip.Style(), 0);
    QCOMPARE(tip.ForeColor(), 0);
    QCOMPARE(tip.BackColor(), 0);
    QCOMPARE(tip.Centered(), false);
    QVERIFY(tip.Title().isEmpty());
    QVERIFY(tip.TipText().isEmpty());
    QVERIFY(!tip.Window());
}

void TestBalloonToolTip::titleReachesALiveBalloonOnlyWithAnIcon()
{
    CBalloonToolTip tip;
    tip.SetTitle(QStringLiteral("Enter SQL Host"));   // no balloon yet: the field only
    tip.SetIcon(2);
    QCOMPARE(tip.Title(), QStringLiteral("Enter SQL Host"));
    tip.SetTipText(QStringLiteral("Enter SQL Host!"));
    tip.CreateToolTip(txtUserName_);
    QVERIFY(tip.Window());
    QCOMPARE(tip.Window()->title(), QStringLiteral("Enter SQL Host"));   // applied at creation
    QCOMPARE(tip.Window()->icon(), 2);

    tip.SetIcon(0);   // no title message: the old title and icon stay
    QCOMPARE(tip.Window()->icon(), 2);
    tip.SetTitle(QStringLiteral("changed"));
    QCOMPARE(tip.Window()->title(), QStringLiteral("Enter SQL Host"));
    tip.SetIcon(3);   // icon and title together reach it
    QCOMPARE(tip.Window()->title(), QStringLiteral("changed"));
    QCOMPARE(tip.Window()->icon(), 3);
    tip.SetTitle(QString());
    QCOMPARE(tip.Window()->title(), QStringLiteral("changed"));

    tip.CreateToolTip(txtUserName_);   // re-created: the fields as they are now
    QVERIFY(tip.Window()->title().isEmpty());
    QCOMPARE(tip.Window()->icon(), 0);   // no icon without a title
}

void TestBalloonToolTip::textAndColoursOfALiveBalloon()
{
    CBalloonToolTip tip;
    tip.SetStyle(1);
    tip.SetTipText(QStringLiteral("first"));
    tip.CreateToolTip(txtUserName_);
    QVERIFY(tip.Window()->isBalloon());
    QVERIFY(!tip.Window()->textColor().isValid());   // 0: the system's colours
    QVERIFY(!tip.Window()->backgroundColor().isValid());
    tip.SetTipText(QStringLiteral("second"));
    QCOMPARE(tip.Window()->text(), QStringLiteral("second"));
    tip.SetForeColor(0x0000FF);   // &H0000FF is red
    tip.SetBackColor(0xE1FFFF);
    QCOMPARE(tip.Window()->textColor(), QColor(255, 0, 0));
    QCOMPARE(tip.Window()->backgroundColor(), QColor(255, 255, 225));

    tip.SetStyle(0);   // takes effect at the next creation
    QVERIFY(tip.Window()->isBalloon());
    tip.CreateToolTip(txtUserName_);
    QVERIFY(!tip.Window()->isBalloon());
    QCOMPARE(tip.Window()->textColor(), QColor(255, 0, 0));
}

void TestBalloonToolTip::checkSequencePointsAtTheFailingBox()
{
    CBalloonToolTip tip;
    core::ShowBalloonHint(tip, txtUserName_, QStringLiteral("Please Enter Username"),
                          QStringLiteral("Please Enter User Name!"));
    QCOMPARE(core::State().mTipTarget.data(), static_cast<QWidget *>(txtUserName_));
    QCOMPARE(tip.Style(), 1);
    QCOMPARE(tip.Icon(), 3);
    QVERIFY(tip.PopupOnDemand());
    QCOMPARE(tip.Parent(), static_cast<QWidget *>(txtUserName_));

    BalloonWindow *balloon = tip.Window();
    QVERIFY(balloon && balloon->isVisible());
    QVERIFY(balloon->isBalloon());
    QCOMPARE(balloon->anchor(), lowerLeftOf(txtUserName_));

    const CBalloonToolTip::Shown &shown = CBalloonToolTip::LastShown();
    QCOMPARE(shown.title, QStringLiteral("Please Enter Username"));
    QCOMPARE(shown.text, QStringLiteral("Please Enter User Name!"));
    QCOMPARE(shown.icon, 3);
    QCOMPARE(shown.target.data(), static_cast<QWidget *>(txtUserName_));
    QVERIFY(shown.isVisible());
}

void TestBalloonToolTip::twoChecksLeaveOneBalloonOnTheSecondBox()
{
    CBalloonToolTip tip;
    core::ShowBalloonHint(tip, txtUserName_, QStringLiteral("Please Enter Username"),
                          QStringLiteral("Please Enter User Name!"));
    QPointer<BalloonWindow> first = tip.Window();
    core::ShowBalloonHint(tip, txtPassWord_, QStringLiteral("Please Enter Password"),
                          QStringLiteral("Please Enter Password!"));
    QVERIFY(first.isNull());
    QCOMPARE(balloonCount(), 1);
    QCOMPARE(tip.Window()->anchor(), lowerLeftOf(txtPassWord_));
    QCOMPARE(CBalloonToolTip::LastShown().target.data(), static_cast<QWidget *>(txtPassWord_));
    QCOMPARE(CBalloonToolTip::LastShown().title, QStringLiteral("Please Enter Password"));
}

void TestBalloonToolTip::balloonGoesAfterVisibleTime()
{
    CBalloonToolTip tip;
    tip.SetVisibleTime(120);
    core::ShowBalloonHint(tip, txtUserName_, QStringLiteral("t"), QStringLiteral("hint"));
    QVERIFY(CBalloonToolTip::LastShown().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!CBalloonToolTip::LastShown().isVisible(), 3000);
    QVERIFY(tip.Window());   // hidden, not destroyed: Destroy still removes it

    CBalloonToolTip defaults;
    core::ShowBalloonHint(defaults, txtUserName_, QStringLiteral("t"), QStringLiteral("hint"));
    QCOMPARE(defaults.Window()->autoPopDelay(), 5000);
    QTest::qWait(300);
    QVERIFY(defaults.Window()->isVisible());
}

void TestBalloonToolTip::destroyAndEndOfObject()
{
    QPointer<BalloonWindow> balloon;
    {
        CBalloonToolTip tip;
        core::ShowBalloonHint(tip, txtUserName_, QStringLiteral("t"), QStringLiteral("hint"));
        tip.Destroy();
        QVERIFY(!tip.Window());
        QCOMPARE(balloonCount(), 0);
        tip.Destroy();   // nothing to destroy: no effect
        tip.SetTipText(QStringLiteral("kept in the field"));
        QCOMPARE(tip.TipText(), QStringLiteral("kept in the field"));
        core::ShowBalloonHint(tip, txtUserName_, QStringLiteral("t"), QStringLiteral("again"));
        balloon = tip.Window();
    }
    QVERIFY(balloon.isNull());   // the object's end takes its balloon along
}

void TestBalloonToolTip::showNeedsATarget()
{
    CBalloonToolTip tip;
    tip.SetTipText(QStringLiteral("hint"));
    tip.SetPopupOnDemand(true);
    tip.CreateToolTip(txtUserName_);
    try {
        tip.Show(0, 10);
        QFAIL("Show without mTipTarget must fail");
    } catch (const vb::Error &e) {
        QCOMPARE(e.Number(), 91L);
    }
    QVERIFY(!tip.Window()->isVisible());

    core::State().mTipTarget = txtPassWord_;
    tip.Show(5, 3);
    QCOMPARE(tip.Window()->anchor(), txtPassWord_->mapToGlobal(QPoint(5, 3)));
}

void TestBalloonToolTip::tipNotOnDemandShowsOnHover()
{
    CBalloonToolTip tip;
    tip.SetDelayTime(20);
    tip.SetTipText(QStringLiteral("hover"));
    tip.CreateToolTip(txtUserName_);
    QCOMPARE(tip.Window()->initialDelay(), 20);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(txtUserName_, &enter);
    QTRY_VERIFY(tip.Window()->isVisible());
}

QTEST_MAIN(TestBalloonToolTip)
#include "tst_cballoontooltip.moc"
