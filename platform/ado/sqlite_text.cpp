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

// A text in SQLite's UTF-8, read one code point at a time, with no copy: the case-blind LIKE runs
// once per row of a search.
class Utf8Reader {
public:
    Utf8Reader(const unsigned char *text, int length) : at_(text), end_(text + length) {}
    bool atEnd() const { return at_ == end_; }
    const unsigned char *position() const { return at_; }
    void moveTo(const unsigned char *position) { at_ = position; }

    // The next code point, case-folded as QString::toCaseFolded folds it; a byte that begins no
    // valid sequence reads as U+FFFD, as QString::fromUtf8 reads it.
    char32_t next()
    {
        const unsigned char lead = *at_++;
        if (lead < 0x80)
            return static_cast<unsigned char>(asciiLower(lead));
        const int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
        if (extra < 0 || end_ - at_ < extra)
            return 0xFFFD;
        char32_t c = lead & (0x3F >> extra);
        for (int i = 0; i < extra; ++i) {
            if ((at_[i] & 0xC0) != 0x80)
                return 0xFFFD;
            c = (c << 6) | (at_[i] & 0x3F);
        }
        at_ += extra;
        return QChar::toCaseFolded(c);
    }

private:
    const unsigned char *at_;
    const unsigned char *end_;
};

// '%' any run, '_' one character, every other character itself without regard to case. (Jet's
// LIKE has no ESCAPE clause.)
bool likeMatch(Utf8Reader pattern, Utf8Reader text)
{
    const unsigned char *afterStar = nullptr;   // just after the last '%'
    const unsigned char *starText = nullptr;    // where in the text that '%' began to match
    while (!text.atEnd()) {
        const unsigned char *textHere = text.position();
        if (!pattern.atEnd()) {
            const char32_t p = pattern.next();
            if (p == u'%') {
                afterStar = pattern.position();
                starText = textHere;
                continue;
            }
            const char32_t t = text.next();
            if (p == u'_' || p == t)
                continue;
        }
        if (!afterStar)
            return false;
        pattern.moveTo(afterStar);
        text.moveTo(starText);
        text.next();
        starText = text.position();
    }
    while (!pattern.atEnd()) {
        if (pattern.next() != u'%')
            return false;
    }
    return true;
}

Utf8Reader readerOf(sqlite3_value *value)
{
    const auto *text = sqlite3_value_text(value);
    return Utf8Reader(text, text ? sqlite3_value_bytes(value) : 0);
}

// like(pattern, text), which SQLite calls for "text LIKE pattern".
void likeFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, likeMatch(readerOf(argv[0]), readerOf(argv[1])) ? 1 : 0);
}

} // namespace

void registerCaseBlindText(sqlite3 *db)
{
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase);
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr, nullptr);
}

} // namespace ado
