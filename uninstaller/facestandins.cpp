#include "facestandins.h"

#include <QDir>
#include <QFontDatabase>

namespace uninst {

namespace {

const char *const standInFolders[] = {"/usr/share/wine/fonts"};

bool available(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace

bool ProvideFace(const QString &family)
{
    if (family.isEmpty() || available(family))
        return !family.isEmpty();
    bool found = false;
    for (const char *folder : standInFolders) {
        const QDir dir(QString::fromLatin1(folder));
        for (const QString &file : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
            const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
            if (id < 0)
                continue;
            // Only the faces asked for stay: the others are not this program's to offer.
            if (QFontDatabase::applicationFontFamilies(id).contains(family, Qt::CaseInsensitive))
                found = true;
            else
                QFontDatabase::removeApplicationFont(id);
        }
    }
    return found;
}

} // namespace uninst
