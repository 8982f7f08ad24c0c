// The base of every window and the forms collection: implicit load on first use, unload
// with cancel and a fresh instance afterwards, finding by name, modal show, twips geometry,
// child windows.
#include "ui/forms.h"
#include "ui/handlerguard.h"
#include "ui/twips.h"
#include "vb/locale.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

using namespace ui;

namespace {
QStringList &events()
{
    static QStringList list;
    return list;
}
} // namespace

// A window that writes down what happens to it.
class frmProbe : public Form {
    Q_OBJECT
public:
    explicit frmProbe(FormKind kind = FormKind::TopLevel, const QString &name = QStringLiteral("frmProbe"))
        : Form(name, kind)
    {
        resize(300, 200);
        txtName = new QLineEdit(this);
        txtName->setObjectName(QStringLiteral("txtName"));
    }

    QLineEdit *txtName;
    int MyOrderID = 0;
    bool visibleAtLoad = true;
    int cancelQueryUnload = 0;
    int cancelUnload = 0;
    int unloadMode = -1;
    int resizes = 0;
    bool failUnload = false;
    bool failResize = false;

protected:
    void Form_Load() override
    {
        events() << objectName() + QStringLiteral(" load");
        visibleAtLoad = isVisible();
        txtName->setText(QStringLiteral("loaded"));
    }
    void Form_QueryUnload(int &cancel, int mode) override
    {
        events() << objectName() + QStringLiteral(" queryunload");
        unloadMode = mode;
        cancel = cancelQueryUnload;
    }
    void Form_Unload(int &cancel) override
    {
        events() << objectName() + QStringLiteral(" unload");
        cancel = cancelUnload;
        if (failUnload)
            throw std::runtime_error("unload failed");
    }
    void Form_Resize() override
    {
        ++resizes;
        if (failResize)
            throw std::runtime_error("resize failed");
    }
};

class frmChild : public frmProbe {
    Q_OBJECT
public:
    frmChild() : frmProbe(FormKind::MdiChild, QStringLiteral("frmChild")) {}
};

class frmChild2 : public frmProbe {
    Q_OBJECT
public:
    frmChild2() : frmProbe(FormKind::MdiChild, QStringLiteral("frmChild2")) {}
};

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }
    void init() { events().clear(); }
    void cleanup();

    void loadsOnFirstUseBeforeShowing();
    void unloadDestroysAndTheNextUseStartsOver();
    void unloadCanBeCancelled();
    void closeBoxUnloads();
    void errorsOfHandlersRunByEventsStopThere();
    void handlerGoesOnAfterUnloadingItsWindow();
    void modalShowWaitsUntilUnloadedOrHidden();
    void twipsGeometryOfAWindow();
    void childWindowsLiveInTheMainWindow();
    void unloadEveryChildWindow();
    void childWithoutMainWindowStandsAlone();
    void furtherInstancesAreLoadedForms();
};

void TestForms::cleanup()
{
    for (Form *f : Forms::Loaded()) {
        if (auto *p = qobject_cast<frmProbe *>(f)) {
            p->cancelQueryUnload = p->cancelUnload = 0;
            p->failUnload = p->failResize = false;
        }
        f->Unload();
    }
    QTRY_VERIFY(Forms::Loaded().isEmpty());
    QTest::qWait(1);   // let the unloaded windows go
    SetMdiArea(nullptr);
}

void TestForms::loadsOnFirstUseBeforeShowing()
{
    QVERIFY(!Forms::IsLoaded<frmProbe>());
    QVERIFY(!Forms::Find<frmProbe>());   // asking does not load
    QVERIFY(!Forms::Find(QStringLiteral("frmProbe")));
    QVERIFY(events().isEmpty());

    frmProbe &f = Forms::Get<frmProbe>();
    QCOMPARE(events(), QStringList{"frmProbe load"});
    QVERIFY(Forms::IsLoaded<frmProbe>());
    QVERIFY(!f.isVisible());
    QCOMPARE(f.objectName(), QStringLiteral("frmProbe"));
    const auto *txtName = f.findChild<QLineEdit *>(QStringLiteral("txtName"));
    QVERIFY(txtName);
    QCOMPARE(txtName->text(), QStringLiteral("loaded"));

    QCOMPARE(&Forms::Get<frmProbe>(), &f);   // the same instance, not loaded twice
    QCOMPARE(Forms::Find(QStringLiteral("frmProbe")), static_cast<Form *>(&f));
    QVERIFY(!Forms::Find(QStringLiteral("frmChild")));
    f.Show();
    QVERIFY(f.isVisible());
    QVERIFY(!f.visibleAtLoad);
    QCOMPARE(events(), QStringList{"frmProbe load"});
    QCOMPARE(Forms::Loaded(), QList<Form *>{&f});
}

void TestForms::unloadDestroysAndTheNextUseStartsOver()
{
    frmProbe &f = Forms::Get<frmProbe>();
    f.Show();
    f.MyOrderID = 42;
    f.txtName->setText(QStringLiteral("typed"));
    QPointer<frmProbe> old(&f);

    QVERIFY(Forms::Unload<frmProbe>());
    QCOMPARE(events(), (QStringList{"frmProbe load", "frmProbe queryunload", "frmProbe unload"}));
    QCOMPARE(old->unloadMode, int(vbFormCode));
    QVERIFY(!Forms::IsLoaded<frmProbe>());
    QVERIFY(!Forms::Find(QStringLiteral("frmProbe")));
    QVERIFY(!old->isVisible());
    QVERIFY(Forms::Loaded().isEmpty());
    QTRY_VERIFY(old.isNull());
    QVERIFY(Forms::Unload<frmProbe>());   // not loaded: nothing to do

    frmProbe &fresh = Forms::Get<frmProbe>();
    QCOMPARE(fresh.MyOrderID, 0);
    QCOMPARE(fresh.txtName->text(), QStringLiteral("loaded"));
    QCOMPARE(events().count(QStringLiteral("frmProbe load")), 2);
}

void TestForms::unloadCanBeCancelled()
{
    frmProbe &f = Forms::Get<frmProbe>();
    f.Show();
    f.cancelQueryUnload = 1;
    QVERIFY(!f.Unload());
    QCOMPARE(events().last(), QStringLiteral("frmProbe queryunload"));   // Form_Unload not asked
    QVERIFY(Forms::IsLoaded<frmProbe>());
    QVERIFY(f.isVisible());

    f.cancelQueryUnload = 0;
    f.cancelUnload = 1;
    QVERIFY(!Forms::Unload<frmProbe>());
    QCOMPARE(events().last(), QStringLiteral("frmProbe unload"));
    QVERIFY(f.isVisible());
    QCOMPARE(&Forms::Get<frmProbe>(), &f);

    f.cancelUnload = 0;
    QVERIFY(f.Unload());
    QVERIFY(!Forms::IsLoaded<frmProbe>());
}

void TestForms::closeBoxUnloads()
{
    frmProbe &f = Forms::Get<frmProbe>();
    f.Show();
    f.cancelQueryUnload = 1;
    QVERIFY(!f.close());
    QCOMPARE(f.unloadMode, int(vbFormControlMenu));
    QVERIFY(f.isVisible());

    f.cancelQueryUnload = 0;
    QVERIFY(f.close());
    QVERIFY(!Forms::IsLoaded<frmProbe>());
}

namespace {
QStringList &handlerErrors()
{
    static QStringList list;
    return list;
}
void recordHandlerError()
{
    try {
        throw;
    } catch (const std::exception &error) {
        handlerErrors() << QString::fromLatin1(error.what());
    }
}
} // namespace

void TestForms::errorsOfHandlersRunByEventsStopThere()
{
    handlerErrors().clear();
    SetHandlerErrorReporter(&recordHandlerError);
    frmProbe &f = Forms::Get<frmProbe>();
    f.Show();
    f.failResize = true;
    f.resize(f.size() + QSize(10, 10));
    QCOMPARE(handlerErrors(), QStringList{"resize failed"});

    f.failUnload = true;
    QVERIFY(!f.close());
    QCOMPARE(handlerErrors(), QStringList({"resize failed", "unload failed"}));
    QVERIFY(Forms::IsLoaded<frmProbe>());
    QVERIFY(f.isVisible());
    SetHandlerErrorReporter(nullptr);
}

void TestForms::handlerGoesOnAfterUnloadingItsWindow()
{
    frmProbe &f = Forms::Get<frmProbe>();
    auto *button = new QPushButton(&f);
    QString after;
    connect(button, &QPushButton::clicked, &f, [&f, &after] {
        f.Unload();
        f.txtName->setText(QStringLiteral("still here"));   // the rest of the handler runs
        after = f.txtName->text();
    });
    f.Show();
    button->click();
    QCOMPARE(after, QStringLiteral("still here"));
    QVERIFY(!Forms::IsLoaded<frmProbe>());
}

void TestForms::modalShowWaitsUntilUnloadedOrHidden()
{
    frmProbe &f = Forms::Get<frmProbe>();
    Qt::WindowModality modality = Qt::NonModal;
    bool visibleMeanwhile = false;
    QTimer::singleShot(20, &f, [&] {
        modality = f.windowModality();
        visibleMeanwhile = f.isVisible();
        f.Unload();
    });
    f.Show(vbModal);
    QVERIFY(visibleMeanwhile);
    QCOMPARE(modality, Qt::ApplicationModal);
    QVERIFY(!Forms::IsLoaded<frmProbe>());

    frmProbe &g = Forms::Get<frmProbe>();
    bool ran = false;
    QTimer::singleShot(20, &g, [&] {
        ran = true;
        g.Hide();
    });
    g.Show(vbModal);
    QVERIFY(ran);
    QVERIFY(Forms::IsLoaded<frmProbe>());   // hidden, still loaded
    QVERIFY(!g.isVisible());
    QCOMPARE(g.windowModality(), Qt::NonModal);
}

void TestForms::twipsGeometryOfAWindow()
{
    frmProbe &f = Forms::Get<frmProbe>();
    f.SetCaption(QStringLiteral("New Booking"));
    QCOMPARE(f.windowTitle(), QStringLiteral("New Booking"));
    // Placed before it is first shown, as a saved position is restored at load; the size
    // asked for is the outer one, border included, also once the border is known.
    FormObject &asSaved = f;
    asSaved.Move(1500, 1500, 6000, 4500);
    QCOMPARE(asSaved.Width(), 6000);
    QCOMPARE(asSaved.Screen().TwipsPerPixelX(), 15);
    f.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const int border = f.frameGeometry().width() - f.width();
    QCOMPARE(f.frameGeometry(), QRect(100, 100, 400, 300));
    QCOMPARE(f.Left(), 1500);
    QCOMPARE(f.Top(), 1500);
    QCOMPARE(f.Width(), 6000);
    QCOMPARE(f.Height(), 4500);
    QCOMPARE(f.ScaleWidth(), 6000 - border * 15);

    f.Move(750);   // the others stay
    QCOMPARE(f.frameGeometry(), QRect(50, 100, 400, 300));
    f.SetWidth(3000);
    QCOMPARE(f.Width(), 3000);
    QCOMPARE(f.WindowState(), int(vbNormal));

    const int resizes = f.resizes;
    f.SetWindowState(vbMaximized);
    QTRY_COMPARE(f.WindowState(), int(vbMaximized));
    QVERIFY(f.resizes > resizes);
    f.SetWindowState(vbMinimized);
    QTRY_COMPARE(f.WindowState(), int(vbMinimized));
    f.SetWindowState(vbNormal);
    QTRY_COMPARE(f.WindowState(), int(vbNormal));
}

void TestForms::childWindowsLiveInTheMainWindow()
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    SetMdiArea(&area);

    frmChild &c = Forms::Get<frmChild>();
    QVERIFY(c.SubWindow());
    QCOMPARE(c.SubWindow()->mdiArea(), &area);
    QCOMPARE(c.Frame(), static_cast<QWidget *>(c.SubWindow()));
    QVERIFY(!c.isVisible());   // loaded, not shown
    c.Show();
    QVERIFY(c.isVisible());
    QCOMPARE(area.subWindowList(), QList<QMdiSubWindow *>{c.SubWindow()});
    QCOMPARE(c.size(), QSize(300, 200));   // the frame fits the designed size

    // Positions are the frame's, within the client area.
    c.Move(1500, 750, 4500, 3000);
    QCOMPARE(c.SubWindow()->geometry(), QRect(100, 50, 300, 200));
    QCOMPARE(c.Left(), 1500);
    QCOMPARE(c.Top(), 750);
    QCOMPARE(c.Width(), 4500);
    QCOMPARE(c.ScaleWidth(), c.width() * 15);
    QVERIFY(c.ScaleWidth() < c.Width());
    QVERIFY(c.ScaleHeight() < c.Height());

    const int resizes = c.resizes;
    c.SetWindowState(vbMaximized);
    QTRY_COMPARE(c.WindowState(), int(vbMaximized));
    QVERIFY(c.SubWindow()->isMaximized());
    QVERIFY(c.resizes > resizes);

    QVERIFY(c.Unload());
    QVERIFY(area.subWindowList().isEmpty());
}

void TestForms::unloadEveryChildWindow()
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    SetMdiArea(&area);
    Forms::Get<frmChild>().Show();
    Forms::Get<frmChild2>().Show();
    Forms::Get<frmProbe>().Show();   // a window of its own

    QVERIFY(Forms::UnloadMdiChildren());
    QVERIFY(!Forms::IsLoaded<frmChild>());
    QVERIFY(!Forms::IsLoaded<frmChild2>());
    QVERIFY(Forms::IsLoaded<frmProbe>());
    QVERIFY(area.subWindowList().isEmpty());

    // A child that refuses stays; the others still go.
    Forms::Get<frmChild>().Show();
    Forms::Get<frmChild2>().Show();
    Forms::Get<frmChild>().cancelUnload = 1;
    QVERIFY(!Forms::UnloadMdiChildren());
    QVERIFY(Forms::IsLoaded<frmChild>());
    QVERIFY(!Forms::IsLoaded<frmChild2>());
}

void TestForms::childWithoutMainWindowStandsAlone()
{
    frmChild &c = Forms::Get<frmChild>();
    QVERIFY(!c.SubWindow());
    c.Show();
    QVERIFY(c.isWindow());
    QVERIFY(c.isVisible());
}

void TestForms::furtherInstancesAreLoadedForms()
{
    auto *extra = new frmProbe;
    QVERIFY(!extra->IsLoaded());
    extra->Show();   // loads first
    QVERIFY(extra->IsLoaded());
    QVERIFY(!extra->visibleAtLoad);
    QVERIFY(!Forms::IsLoaded<frmProbe>());   // the default instance is another one
    QVERIFY(!Forms::Find(QStringLiteral("frmProbe")));
    frmProbe &def = Forms::Get<frmProbe>();
    QVERIFY(&def != extra);
    QCOMPARE(Forms::Find(QStringLiteral("frmProbe")), static_cast<Form *>(&def));
    QCOMPARE(Forms::Loaded(), (QList<Form *>{extra, &def}));

    QPointer<frmProbe> gone(extra);
    QVERIFY(extra->Unload());
    QCOMPARE(Forms::Loaded(), QList<Form *>{&def});
    QTRY_VERIFY(gone.isNull());
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
