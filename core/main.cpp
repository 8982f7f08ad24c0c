// The Hotel program. No command line is read.
#include "core/frmabout.h"
#include "core/frmdblocatetool.h"
#include "core/frmerrorreport.h"
#include "core/load_frms.h"
#include "frontdesk/register.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevant"));
    QApplication::setOrganizationName(QStringLiteral("Brevant"));
    QApplication::setApplicationVersion(QStringLiteral(HOTEL_VERSION));

    core::InstallErrorReportWindow();
    core::InstallDatabaseSettingsWindow();
    core::RegisterMainWindows();
    core::RegisterCoreAidWindows();
    frontdesk::RegisterFrontDeskWindows();

    core::Main();
    if (core::ProgramEnded())
        return 0;
    return app.exec();
}
