#pragma once
// Internal to the dialect translation: the Access dialect cut into tokens, so that quoted text is never
// mistaken for a date literal, a name or a type.
#include <QString>
#include <vector>

namespace ado::detail {

struct SqlToken {
    enum Kind {
        Space,       // blanks and line breaks
        Word,        // names and keywords
        Number,      // 12, 1.5, 2e3
        String,      // '...' (text holds the value, quotes undone)
        DString,     // "..." (a text value in the Access dialect; text holds the value)
        Bracket,     // [name] (text holds the name)
        Backtick,    // `name` (text holds the name)
        DateLiteral, // #...# (text holds what stands between the '#')
        Punct,       // any other single character
    };
    Kind kind;
    QString text;

    bool isPunct(QChar c) const { return kind == Punct && text.size() == 1 && text[0] == c; }
    bool isWord(const char *keyword) const { return kind == Word && text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0; }
};

struct SqlSyntaxError {
    QString message;
};

// Cuts the statement into tokens; raises SqlSyntaxError for an unclosed quote, bracket or date.
std::vector<SqlToken> tokenizeAccessSql(const QString &sql);

} // namespace ado::detail
