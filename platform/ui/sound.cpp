#include "ui/sound.h"

#include "vb/app.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace ui {

namespace {
// One effect for the whole run: starting another sound stops the one playing, and the
// effect is never waited for (without a device it never reports its end).
QPointer<QSoundEffect> &effectPointer()
{
    static QPointer<QSoundEffect> e;
    return e;
}

// The effect goes first thing in the application's destruction: destroyed later, with the
// application's children, it would still try to run an event loop.
void deleteEffect() { delete effectPointer().data(); }

QSoundEffect *effect()
{
    QPointer<QSoundEffect> &e = effectPointer();
    if (!e) {
        e = new QSoundEffect;
        qAddPostRoutine(deleteEffect);
    }
    return e;
}
} // namespace

bool PlaySoundFile(const QString &file)
{
    const QFileInfo info(vb::NativePath(file));
    if (file.isEmpty() || !info.isFile() || !QCoreApplication::instance())
        return false;
    QSoundEffect *sound = effect();
    sound->stop();
    sound->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    sound->play();   // plays once loaded; a missing device just stays silent
    return true;
}

} // namespace ui
