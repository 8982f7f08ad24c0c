// CorvaneUninstaller: removes an installed product by following the uninstallation data
// appended to its own executable.
#include "uninstallrun.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const QString ownPath = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    uninst::UninstallRun run(ownPath, words.join(QLatin1Char(' ')));
    return run.exec();
}
