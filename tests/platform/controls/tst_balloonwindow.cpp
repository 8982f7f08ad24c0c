// The balloon window: where it points, how long it stays, how it looks offscreen.
#include "controls/balloonwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace controls;

class TestBalloonWindow : public QObject {
    Q_OBJECT
private slots:
    void stemPointsAtTheAnchor();
    void turnsAboveNearTheScreensEnd();
    void goesAfterItsPopDownDelay();
    void withoutTextNothingShows();
    void rendersReadably();
    void plainStyleHasNoStem();
    void hoverToolShowsAndHides();
};

void TestBalloonWindow::stemPointsAtTheAnchor()
{
    BalloonWindow balloon;
    balloon.setTitle(QStringLiteral("Please Enter Username"));
    balloon.setIcon(BalloonError);
    balloon.setText(QStringLiteral("Please Enter User Name!"));
    balloon.showAt(QPoint(200, 150));
    QVERIFY(balloon.isVisible());
    QCOMPARE(balloon.anchor(), QPoint(200, 150));
    QVERIFY(balloon.pointsUp());
    // The body hangs below the point, the stem's tip touching it.
    QCOMPARE(balloon.geometry().top(), 150);
    QVERIFY(balloon.geometry().left() < 200 && balloon.geometry().right() > 200);
    QVERIFY(balloon.mask().contains(QPoint(200, 150) - balloon.pos() + QPoint(0, 1)));
    QVERIFY(!balloon.mask().contains(QPoint(0, 0)));   // rounded, stem only where it points

    balloon.setCentered(true);
    balloon.showAt(QPoint(400, 150));
    QCOMPARE(balloon.x() + balloon.width() / 2, 400);
}

void TestBalloonWindow::turnsAboveNearTheScreensEnd()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    BalloonWindow balloon;
    balloon.setText(QStringLiteral("Enter SQL Host!"));
    const QPoint nearBottom(screen.right() - 5, screen.bottom() - 5);
    balloon.showAt(nearBottom);
    QVERIFY(!balloon.pointsUp());
    QCOMPARE(balloon.geometry().bottom() + 1, nearBottom.y());
    QVERIFY(screen.contains(balloon.geometry()));   // kept on the screen sideways too
}

void TestBalloonWindow::goesAfterItsPopDownDelay()
{
    BalloonWindow balloon;
    QCOMPARE(balloon.autoPopDelay(), 5000);
    balloon.setText(QStringLiteral("hint"));
    balloon.setAutoPopDelay(80);
    QSignalSpy popped(&balloon, &BalloonWindow::popped);
    balloon.showAt(QPoint(100, 100));
    QVERIFY(balloon.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!balloon.isVisible(), 2000);
    QCOMPARE(popped.count(), 1);

    // Shown again, the delay starts over; 0 keeps it up.
    balloon.setAutoPopDelay(0);
    balloon.showAt(QPoint(100, 100));
    QTest::qWait(150);
    QVERIFY(balloon.isVisible());
}

void TestBalloonWindow::withoutTextNothingShows()
{
    BalloonWindow balloon;
    balloon.setTitle(QStringLiteral("title only"));
    balloon.showAt(QPoint(100, 100));
    QVERIFY(!balloon.isVisible());
}

void TestBalloonWindow::rendersReadably()
{
    BalloonWindow balloon;
    balloon.setTitle(QStringLiteral("Please Enter Password"));
    balloon.setIcon(BalloonError);
    balloon.setText(QStringLiteral("Please Enter Password!"));
    balloon.setBackgroundColor(QColor(255, 255, 225));
    balloon.setTextColor(Qt::black);
    balloon.showAt(QPoint(300, 200));

    const QImage image = balloon.grab().toImage();
    QVERIFY(image.width() > 100 && image.height() > 30);
    // The body is the background colour, with darker text on it.
    const QPoint inBody(image.width() - 4, image.height() - 5);
    QCOMPARE(image.pixelColor(inBody), QColor(255, 255, 225));
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                ++dark;
        }
    }
    QVERIFY2(dark > 100, "title and text must be drawn");
    // A wider title makes a wider balloon.
    const int width = balloon.width();
    balloon.setTitle(QStringLiteral("Please Enter Password, a much longer title this time"));
    QVERIFY(balloon.width() > width);
}

void TestBalloonWindow::plainStyleHasNoStem()
{
    BalloonWindow balloon;
    balloon.setBalloon(false);
    balloon.setText(QStringLiteral("tip"));
    balloon.showAt(QPoint(100, 100));
    QCOMPARE(balloon.pos(), QPoint(100, 100));
    QVERIFY(balloon.mask().isEmpty());
}

void TestBalloonWindow::hoverToolShowsAndHides()
{
    QWidget tool;
    tool.resize(100, 30);
    tool.show();
    BalloonWindow balloon(&tool);
    balloon.setText(QStringLiteral("hover hint"));
    balloon.setInitialDelay(30);
    balloon.setHoverTool(&tool);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&tool, &enter);
    QVERIFY(!balloon.isVisible());   // not before the delay
    QTRY_VERIFY(balloon.isVisible());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&tool, &leave);
    QVERIFY(!balloon.isVisible());
}

QTEST_MAIN(TestBalloonWindow)
#include "tst_balloonwindow.moc"
