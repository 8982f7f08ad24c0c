#include "ado/sqlite_require.h"

#include "ado/sqlcipher.h"
#include "ado/statement_hooks.h"

namespace ado {

namespace {

void requireFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_int(argv[0]) != 0) {
        sqlite3_result_null(context);
        return;
    }
    const auto *message = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    sqlite3_result_error(context, message ? message : "requirement not met", -1);
}

} // namespace

void registerRequire(sqlite3 *db)
{
    sqlite3_create_function(db, RequireFunction.toLatin1().constData(), 2, SQLITE_UTF8, nullptr, requireFunction,
                            nullptr, nullptr);
}

} // namespace ado
