// Qt windows seen as FormObjects: twips at 15 per pixel, the outer frame, window states,
// and child windows of a QMdiArea measured and moved through their QMdiSubWindow.
#include "ui/qtformobject.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

class TestQtFormObject : public QObject {
    Q_OBJECT

private slots:
    void screenIsInTwips()
    {
        ui::QtScreenObject screen;
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);
        QCOMPARE(screen.TwipsPerPixelX(), 15);
        QCOMPARE(screen.TwipsPerPixelY(), 15);
        const QRect pixels = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(screen.Width(), pixels.width() * 15);
        QCOMPARE(screen.Height(), pixels.height() * 15);
    }

    void topLevelWindowInTwips()
    {
        QWidget window;
        window.setGeometry(20, 30, 400, 300);
        ui::QtFormObject form(&window);
        QCOMPARE(form.Left(), 300);
        QCOMPARE(form.Top(), 450);
        QCOMPARE(form.Width(), 6000);
        QCOMPARE(form.Height(), 4500);
        form.Move(1500, 3000, 7500, 6000);
        QCOMPARE(window.geometry(), QRect(100, 200, 500, 400));
        // Twips between pixels go to the nearest pixel.
        form.Move(1508, 0, 7500, 6000);
        QCOMPARE(window.x(), 101);
    }

    void windowStates()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui::QtFormObject form(&window);
        QCOMPARE(form.WindowState(), 0);
        form.SetWindowState(2);
        QTRY_VERIFY(window.isMaximized());
        QCOMPARE(form.WindowState(), 2);
        window.showMinimized();
        QTRY_COMPARE(form.WindowState(), 1);
        form.SetWindowState(0);
        QTRY_COMPARE(form.WindowState(), 0);
    }

    void widgetInAChildWindowIsMeasuredByItsFrame()
    {
        QMdiArea area;
        area.resize(800, 600);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        auto *content = new QWidget;
        QMdiSubWindow *sub = area.addSubWindow(content);
        sub->setGeometry(10, 20, 300, 200);
        sub->show();

        ui::QtFormObject form(content);
        QCOMPARE(form.Frame(), static_cast<QWidget *>(sub));
        QCOMPARE(form.Left(), 150);
        QCOMPARE(form.Top(), 300);
        QCOMPARE(form.Width(), 4500);
        form.Move(600, 750, 6000, 4500);
        QCOMPARE(sub->geometry(), QRect(40, 50, 400, 300));

        form.SetWindowState(2);
        QTRY_VERIFY(sub->isMaximized());
        QCOMPARE(form.WindowState(), 2);
    }

    void aWindowThatIsGoneIsHarmless()
    {
        auto *window = new QWidget;
        ui::QtFormObject form(window);
        delete window;
        form.Move(0, 0, 3000, 3000);
        form.SetWindowState(2);
        QCOMPARE(form.Width(), 0);
        QCOMPARE(form.WindowState(), 0);
    }
};

QTEST_MAIN(TestQtFormObject)
#include "tst_qtformobject.moc"
