// The Hotel program. No command line is read.
#include "app/startup.h"
#include "core/mainwindow/load_frms.h"
#include "core/state/guardedapplication.h"
#include "core/windows/frmabout.h"

#include <QIcon>
#include <cstdlib>

int main(int argc, char *argv[])
{
    core::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevant"));
    QApplication::setOrganizationName(QStringLiteral("Brevant"));
    QApplication::setApplicationVersion(QStringLiteral(HOTEL_VERSION));
    // Every window without an icon of its own, the child windows included, shows the logo.
    QApplication::setWindowIcon(QIcon(core::ProductLogo()));

    app::RegisterProgramWindows();
    core::Main();
    if (app.EndedByError())
        return EXIT_FAILURE;
    if (core::ProgramEnded())
        return 0;
    return app.exec();
}
