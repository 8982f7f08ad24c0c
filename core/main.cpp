// The Hotel program. No command line is read.
#include "core/load_frms.h"
#include "core/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevant"));
    QApplication::setOrganizationName(QStringLiteral("Brevant"));
    QApplication::setApplicationVersion(QStringLiteral(HOTEL_VERSION));

    core::RegisterProgramWindows();
    core::Main();
    if (core::ProgramEnded())
        return 0;
    return app.exec();
}
