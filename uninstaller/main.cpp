// CorvaneUninstaller: removes an installed product by following the uninstallation data
// appended to its own executable.
#include "uninstallrun.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString ownPath = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    uninst::UninstallRun run(ownPath, uninst::WindowsCommandLine(ownPath, arguments));
    return run.exec();
}
