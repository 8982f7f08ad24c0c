#pragma once
// Start-up of the Hotel program as a whole process (start, libraries, Qt, the database's open,
// the main window), run offscreen: the benchmark starts a copy of itself in the role
// HotelRole, which does what Hotel's main does and writes "drawn" once the main window has
// painted. Needs HOTEL_PROGRAM_BIN (the folder of regsvr and the settings component).
#include "app/startup.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainfrm.h"
#include "schema/schema.h"
#include "ui/forms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace bench {

inline const char *const HotelRole = "--hotel";

// In the copy: writes "drawn" after `window` has painted and the events of that turn have run,
// then ends the event loop.
inline int ReportDrawnAndQuit(QApplication &app, QWidget *window)
{
    struct FirstPaint : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !seen) {
                seen = true;
                QTimer::singleShot(0, qApp, [] {
                    std::printf("drawn\n");
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return false;
        }
        bool seen = false;
    } watch;
    window->installEventFilter(&watch);
    window->update();
    return app.exec();
}

// In the copy: what the Hotel program's main does, until its main window has painted.
inline int RunHotelUntilDrawn(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Brevant"));
    app::RegisterProgramWindows();
    core::Main();
    if (core::ProgramEnded())
        return 1;
    core::mainFrm *window = ui::Forms::Find<core::mainFrm>();
    if (!window || !window->isVisible()) {
        std::fprintf(stderr, "no main window shown\n");
        return 1;
    }
    return ReportDrawnAndQuit(app, window);
}

// A program folder as the set-up makes it: data.mdb (a copy of `database`, or the default one
// when it is empty), config.ini, the settings component registered in a registry of its own.
inline bool PrepareProgramFolder(const QString &folder, const QString &database, QProcessEnvironment &env)
{
    const QString path = folder + QStringLiteral("/data.mdb");
    QFile::remove(path);
    if (database.isEmpty())
        schema::MakeDefaultDatabase(path);
    else if (!QFile::copy(database, path))
        return false;
    QFile config(folder + QStringLiteral("/config.ini"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write("[settings]\r\ndb=\r\ndbkey=\r\nuseSQL=0\r\n");
    config.close();
    env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOTEL_PROGRAM_DIR"), folder);
    env.insert(QStringLiteral("HOTEL_REGISTRY_DIR"), folder + QStringLiteral("/registry"));
    QProcess regsvr;
    regsvr.setProcessEnvironment(env);
    regsvr.start(QStringLiteral(HOTEL_PROGRAM_BIN "/regsvr"),
                 {QStringLiteral("/s"), QStringLiteral(HOTEL_PROGRAM_BIN "/libTarvolinkINI.so")});
    return regsvr.waitForFinished() && regsvr.exitCode() == 0;
}

// Milliseconds from starting a copy of this program in `role` to its "drawn"; -1 when it
// never said so.
inline double MillisToDrawn(const char *role, const QProcessEnvironment &env)
{
    QProcess copy;
    copy.setProcessEnvironment(env);
    copy.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(role)});
    double drawnAt = -1;
    QByteArray output;
    while (copy.waitForReadyRead(60000)) {
        output += copy.readAll();
        if (output.contains("drawn")) {
            drawnAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }
    copy.waitForFinished(30000);
    return drawnAt;
}

} // namespace bench
