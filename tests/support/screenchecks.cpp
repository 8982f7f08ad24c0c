#include "support/screenchecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace testsupport {

namespace {

// Controls the windows create carry their own names; Qt's inner parts (viewports, scroll
// bars of lists, a combo box's editor) carry none or a "qt_" one.
bool ours(const QWidget *widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QString path(const QWidget *widget, const QWidget &window)
{
    QStringList names;
    for (const QWidget *w = widget; w && w != &window; w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return names.join(QLatin1Char('/'));
}

} // namespace

QStringList ScreenFaults(const QWidget &window)
{
    // Pending layouts first: the check is about the window as the user gets to see it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList faults;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!ours(widget) || !widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        const QWidget *parent = widget->parentWidget();
        if (!parent->rect().contains(widget->geometry()))
            faults << path(widget, window) + QStringLiteral(" reaches outside its parent (%1,%2 %3x%4 in %5x%6)")
                                                 .arg(widget->x())
                                                 .arg(widget->y())
                                                 .arg(widget->width())
                                                 .arg(widget->height())
                                                 .arg(parent->width())
                                                 .arg(parent->height());
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (!label->wordWrap() && label->pixmap().isNull() && label->width() < label->sizeHint().width())
                faults << path(widget, window) + QStringLiteral(" cuts its text \"%1\" (%2 of %3 pixels)")
                                                     .arg(label->text())
                                                     .arg(label->width())
                                                     .arg(label->sizeHint().width());
        }
    }
    return faults;
}

QString ScreensFolder()
{
    QString folder = qEnvironmentVariable("HOTEL_SCREENS_DIR");
    if (folder.isEmpty())
        folder = QDir::tempPath() + QStringLiteral("/hotel-screens");
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

bool SaveScreenshot(QWidget &widget, const QString &name, bool wholeScreen)
{
    QPixmap picture;
    if (wholeScreen && QGuiApplication::primaryScreen())
        picture = QGuiApplication::primaryScreen()->grabWindow(0);
    if (picture.isNull())
        picture = widget.grab();
    return picture.save(ScreensFolder() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace testsupport
