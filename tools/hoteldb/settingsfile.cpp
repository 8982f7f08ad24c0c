#include "tools/hoteldb/settingsfile.h"

#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/configini.h"
#include "profile/profile.h"
#include "tools/hoteldb/refusal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// config.ini as it was before a change, put back when the change fails half way.
class SettingsBefore {
public:
    explicit SettingsBefore(const QString &path) : path_(path), existed_(QFileInfo::exists(path))
    {
        QFile file(path);
        if (existed_ && file.open(QIODevice::ReadOnly))
            bytes_ = file.readAll();
    }
    void restore() const
    {
        if (!existed_) {
            QFile::remove(path_);
            return;
        }
        QSaveFile file(path_);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes_) == bytes_.size())
            file.commit();
    }

private:
    QString path_;
    bool existed_;
    QByteArray bytes_;
};

// The keys whose values are secrets (enciphered, with a key every copy of the program carries).
bool holdsSecret(const QString &folder)
{
    for (const char *key : {"dbkey", "SQLUserName", "SQLPassWord"}) {
        if (!ReadSetting(folder, QLatin1String(key)).isEmpty())
            return true;
    }
    return false;
}

// The file's permissions before a secret goes in; a file that cannot be kept private is no
// place for one.
void keepPrivate(const QString &folder)
{
    if (!core::KeepSecretFilePrivate(ConfigIniIn(folder)))
        throw Refusal{QStringLiteral("The permissions of %1 could not be set so that other users of this machine "
                                     "cannot read it.").arg(ConfigIniIn(folder))};
}

} // namespace

void RequireWritableSettings(const QString &folder)
{
    requireFolder(folder);
    QSaveFile trial(ConfigIniIn(folder));
    if (!trial.open(QIODevice::WriteOnly))
        throw Refusal{QStringLiteral("%1 cannot be written (%2); nothing was changed.")
                          .arg(ConfigIniIn(folder), trial.errorString())};
    trial.cancelWriting();
}

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
    const SettingsBefore before(ConfigIniIn(folder));
    try {
        // The switch comes last: until it is written the program still opens what it opened before.
        write(folder, QStringLiteral("SQLhost"), HostText(account));
        write(folder, QStringLiteral("SQLDBname"), account.database);
        keepPrivate(folder);   // before the secrets go in
        write(folder, QStringLiteral("SQLUserName"), user);
        write(folder, QStringLiteral("SQLPassWord"), password);
        write(folder, QStringLiteral("useSQL"), QStringLiteral("1"));
    } catch (const Refusal &) {
        before.restore();
        throw;
    }
}

void WriteEmbeddedSetting(const QString &folder)
{
    requireFolder(folder);
    write(folder, QStringLiteral("useSQL"), QStringLiteral("0"));
    if (holdsSecret(folder))
        keepPrivate(folder);
}

} // namespace hoteldb
