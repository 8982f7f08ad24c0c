#include "ado/sqlite_text.h"

#include "ado/sqlcipher.h"

#include <QString>

namespace ado {

namespace {

char asciiLower(unsigned char c)
{
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// The same order as QString::compare without case, with no conversion while both texts are ASCII.
int compareNoCase(void *, int length1, const void *text1, int length2, const void *text2)
{
    const auto *a = static_cast<const unsigned char *>(text1);
    const auto *b = static_cast<const unsigned char *>(text2);
    const int common = std::min(length1, length2);
    for (int i = 0; i < common; ++i) {
        if (a[i] >= 0x80 || b[i] >= 0x80) {
            const QString first = QString::fromUtf8(reinterpret_cast<const char *>(a), length1);
            const QString second = QString::fromUtf8(reinterpret_cast<const char *>(b), length2);
            return sign(QString::compare(first, second, Qt::CaseInsensitive));
        }
        const char x = asciiLower(a[i]), y = asciiLower(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return sign(length1 - length2);
}

// '%' any run, '_' one character; both texts already case-folded. (Jet's LIKE has no ESCAPE clause.)
bool likeMatch(QStringView pattern, QStringView text)
{
    qsizetype p = 0, t = 0;
    qsizetype starP = -1, starT = 0;   // just after the last '%', and where in the text it began to match
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'%') {
            starP = ++p;
            starT = t;
        } else if (p < pattern.size() && (pattern[p] == u'_' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'%')
        ++p;
    return p == pattern.size();
}

QString folded(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value)).toCaseFolded();
}

// like(pattern, text), which SQLite calls for "text LIKE pattern".
void likeFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, likeMatch(folded(argv[0]), folded(argv[1])) ? 1 : 0);
}

} // namespace

void registerCaseBlindText(sqlite3 *db)
{
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase);
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr, nullptr);
}

} // namespace ado
