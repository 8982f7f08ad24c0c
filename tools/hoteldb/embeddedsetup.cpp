#include "tools/hoteldb/embeddedsetup.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/db/connectiontext.h"
#include "schema/food_order_store.h"
#include "schema/schema.h"
#include "tools/hoteldb/refusal.h"
#include "tools/hoteldb/settingsfile.h"
#include "vb/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace hoteldb {

EmbeddedSetupResult PointAtEmbeddedFile(const QString &folder)
{
    EmbeddedSetupResult result;
    const QString named = ReadSetting(folder, QStringLiteral("db"));
    result.path = named.isEmpty() ? QDir(folder).filePath(QStringLiteral("data.mdb")) : named;
    const QString storedKey = ReadSetting(folder, QStringLiteral("dbkey"));
    const QString key = storedKey.isEmpty() ? QString() : Decipher(storedKey);
    RequireWritableSettings(folder);
    if (!QFileInfo::exists(result.path)) {
        if (!named.isEmpty())
            throw Refusal{QStringLiteral("config.ini names the database file %1, which does not exist; config.ini "
                                         "was not changed.").arg(result.path)};
        try {
            schema::MakeDefaultDatabase(result.path);
        } catch (const vb::Error &error) {
            throw Refusal{QStringLiteral("%1 could not be made: %2").arg(result.path, error.Description())};
        }
        result.created = true;
    }
    try {
        schema::InstallFoodOrderStore();
        ado::Connection conn;
        conn.Open(core::AccessConnectionText(result.path, key.isEmpty() ? schema::BuiltInPassword : key));
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID = 1"), conn);
    } catch (const vb::Error &error) {
        throw Refusal{QStringLiteral("%1 does not open with config.ini's database password; config.ini was not "
                                     "changed: %2").arg(result.path, error.Description())};
    }
    try {
        WriteEmbeddedSetting(folder);
    } catch (const Refusal &) {
        if (result.created)
            QFile::remove(result.path);
        throw;
    }
    return result;
}

} // namespace hoteldb
