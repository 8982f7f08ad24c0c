#include "tools/hoteldb/settingsfile.h"

#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "profile/profile.h"
#include "tools/hoteldb/refusal.h"

#include <QDir>
#include <QFileInfo>

namespace hoteldb {

namespace {

const QString Section = QStringLiteral("settings");

void write(const QString &folder, const QString &key, const QString &value)
{
    if (!profile::WritePrivateProfileString(Section, key, value, ConfigIniIn(folder)))
        throw Refusal{QStringLiteral("%1 cannot be written.").arg(ConfigIniIn(folder))};
}

void requireFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        throw Refusal{QStringLiteral("The program folder %1 does not exist.").arg(folder)};
}

} // namespace

QString ConfigIniIn(const QString &folder) { return QDir(folder).filePath(QStringLiteral("config.ini")); }

QString ReadSetting(const QString &folder, const QString &key)
{
    QString value;
    const uint32_t length = profile::GetPrivateProfileString(Section, key, QString(), &value, 4096, ConfigIniIn(folder));
    return value.left(length);
}

QString Encipher(const QString &secret)
{
    core::CCrypto crypto;
    return crypto.Encrypt(secret, core::ProgramKey(), true, core::CCrypto::RC2);
}

QString Decipher(const QString &stored)
{
    core::CCrypto crypto;
    return crypto.Decrypt(stored.trimmed(), core::ProgramKey(), true, core::CCrypto::RC2);
}

void WriteServerSettings(const QString &folder, const ServerAccount &account)
{
    requireFolder(folder);
    const QString user = Encipher(account.user);
    const QString password = Encipher(account.password);
    if (user.isEmpty() || password.isEmpty() || Decipher(user) != account.user || Decipher(password) != account.password)
        throw Refusal{QStringLiteral("The user name and password could not be enciphered; config.ini was not changed.")};
    // The switch comes last: until it is written the program still opens what it opened before.
    write(folder, QStringLiteral("SQLhost"), HostText(account));
    write(folder, QStringLiteral("SQLDBname"), account.database);
    write(folder, QStringLiteral("SQLUserName"), user);
    write(folder, QStringLiteral("SQLPassWord"), password);
    write(folder, QStringLiteral("useSQL"), QStringLiteral("1"));
}

void WriteEmbeddedSetting(const QString &folder)
{
    requireFolder(folder);
    write(folder, QStringLiteral("useSQL"), QStringLiteral("0"));
}

} // namespace hoteldb
